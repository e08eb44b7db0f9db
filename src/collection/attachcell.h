#pragma once

#include <QString>
#include <QStringList>

namespace vm {

// The files of one record as listed in its Attach cell: the description file,
// the pictures in display order, and the path of a local spare-part document.
struct AttachCell {
    QString descriptionFile;
    QStringList pictures;
    QString sparePartPath;

    bool operator==(const AttachCell&) const = default;
};

// Comma text: first item the description file; every further non-empty item
// without "@" a picture; an item with "@" the spare-part path (every "@"
// removed; the last one counts); empty items are skipped.
AttachCell readAttachCell(const QString& cell);

// Description file, a comma, each picture followed by a comma, and, when a
// spare-part document is set, a comma and "@" + its path; items quoted where
// comma text needs it.
QString writeAttachCell(const AttachCell& attach);

} // namespace vm
