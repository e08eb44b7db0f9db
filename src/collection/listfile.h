#pragma once

#include "collection/itemlist.h"
#include "common/status.h"

#include <QByteArray>
#include <QString>

namespace vm {

// Reads a list file into the list. Line j goes to row j (row 0 takes the
// header line); rows and cells the file does not reach keep their content;
// missing rows and columns are appended. On failure the list keeps what it had
// and is write-blocked until a later read of its file succeeds.
Status LoadListFile(ItemList& list, const QString& path);

// Fills list from the bytes of a list file, by the same rules.
void readListFileContent(ItemList& list, const QByteArray& content);

// Writes the whole list to its file atomically: every cell followed by a TAB,
// every line ended by CR LF, Windows-1252. A TAB, CR or LF inside a cell is
// written as a blank. A write-blocked list is not written.
Status SaveListFile(const ItemList& list, const QString& path);

// The bytes SaveListFile writes.
QByteArray listFileContent(const ItemList& list);

// Column count and the fixed trailing headers of the list's layout.
void ApplyColumnLayout(ItemList& list);

// The first column whose header matches name, letter case and blanks ignored
// ("#" compared unchanged); -1 when none matches.
int ColumnByHeader(const ItemList& list, const QString& name);

// The highest whole number among the "#" cells plus one; 1 for a list without.
qint64 NextNumber(const ItemList& list);

// "#" text: decimal, at least four digits with leading zeros.
QString FormatRecordNumber(qint64 number);

} // namespace vm
