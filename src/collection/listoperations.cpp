#include "collection/listoperations.h"

#include "collection/listfile.h"
#include "collection/record.h"
#include "common/commatext.h"
#include "common/safepath.h"
#include "common/timestamp.h"
#include "common/win1252.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace vm {

namespace {

bool isFree(const QString& folder, const QString& name)
{
    const std::optional<QString> path = joinSafely(folder, name);
    return path && !QFileInfo::exists(*path);
}

QString attachCell(const ItemList& list, int row)
{
    return list.cell(row, ColumnByHeader(list, QStringLiteral("Attach")));
}

// Copies source over target (an existing target is replaced). A missing
// source is no error: the copy just has no such file yet.
void copyFile(const QString& source, const QString& target, QStringList& failures)
{
    if (!QFileInfo::exists(source)) {
        return;
    }
    if (QFileInfo::exists(target)) {
        QFile::remove(target);
    }
    QFile file(source);
    if (!file.copy(target)) {
        failures << QStringLiteral("Die Datei \"%1\" konnte nicht nach \"%2\" kopiert werden: %3")
                        .arg(source, target, file.errorString());
    }
}

} // namespace

QString newDescriptionName(const QString& dataFolder, const QDateTime& when)
{
    QDateTime at = when;
    for (;;) {
        const QString ts = timeStamp(at);
        const QString name = QStringLiteral("DESC-") + ts + QStringLiteral(".txt");
        if (isFree(dataFolder, name) && isFree(dataFolder, settingsFileName(name))) {
            return name;
        }
        at = at.addSecs(1);
    }
}

QString newPictureName(const QString& dataFolder, const QString& picture, const QDateTime& when)
{
    const QFileInfo info(picture);
    QString base = info.completeBaseName();
    const QString extension = info.suffix();
    if (base.contains(u'_')) {
        base.chop(std::min<qsizetype>(16, base.size()));
    }
    QDateTime at = when;
    for (;;) {
        QString name = base + u'_' + timeStamp(at);
        if (!extension.isEmpty() || picture.endsWith(u'.')) {
            name += u'.' + extension;
        }
        if (isFree(dataFolder, name)) {
            return name;
        }
        at = at.addSecs(1);
    }
}

CopyResult copyRecordRow(ItemList& list, int currentRow, const QString& dataFolder,
                         const QDateTime& now)
{
    CopyResult result;
    if (currentRow < 1 || currentRow >= list.rowCount()) {
        return result;
    }
    const QStringList source = list.row(currentRow);
    if (!list.cell(list.rowCount() - 1, 0).isEmpty()) {
        list.appendRow();
    }
    const int target = list.rowCount() - 1;
    const QString number = FormatRecordNumber(NextNumber(list));
    for (int c = 1; c < list.columnCount(); ++c) {
        list.setCell(target, c, source.value(c));
    }
    list.setCell(target, 0, number);
    result.row = target;

    const int attachColumn = ColumnByHeader(list, QStringLiteral("Attach"));
    if (attachColumn < 0) {
        return result;
    }
    QStringList items = readCommaText(list.cell(target, attachColumn));
    if (items.isEmpty() || items.first().isEmpty()) {
        // Without a description file the copy shares the pictures.
        return result;
    }

    const QString description = items.first();
    const std::optional<QString> descriptionPath = joinSafely(dataFolder, description);
    const std::optional<QString> settingsPath =
        joinSafely(dataFolder, settingsFileName(description));
    if (descriptionPath && settingsPath) {
        const QString name = newDescriptionName(dataFolder, now);
        copyFile(*descriptionPath, *joinSafely(dataFolder, name), result.failures);
        copyFile(*settingsPath, *joinSafely(dataFolder, settingsFileName(name)), result.failures);
        items[0] = name;
    }
    for (int i = 1; i < items.size(); ++i) {
        const QString& item = items[i];
        if (item.isEmpty() || item.contains(u'@')) {
            continue;
        }
        const std::optional<QString> picturePath = joinSafely(dataFolder, item);
        if (!picturePath) {
            continue;
        }
        const QString name = newPictureName(dataFolder, item, now);
        copyFile(*picturePath, *joinSafely(dataFolder, name), result.failures);
        items[i] = name;
    }
    QStringList quoted;
    quoted.reserve(items.size());
    for (const QString& item : items) {
        quoted << quoteCommaItem(item);
    }
    list.setCell(target, attachColumn, quoted.join(u','));
    return result;
}

QStringList deleteRecordFiles(const ItemList& list, int row, const QString& dataFolder)
{
    QStringList deleted;
    const QStringList items = readCommaText(attachCell(list, row));
    const auto listedElsewhere = [&](const QString& item) {
        for (int r = 1; r < list.rowCount(); ++r) {
            if (r != row && attachCell(list, r).contains(item)) {
                return true;
            }
        }
        return false;
    };
    const auto remove = [&](const QString& name) {
        const std::optional<QString> path = joinSafely(dataFolder, name);
        if (path && QFile::remove(*path)) {
            deleted << *path;
        }
    };
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        const QString& item = items[i];
        if (item.isEmpty() || item.contains(u'@') || listedElsewhere(item)) {
            continue;
        }
        remove(item);
        if (i == 0) {
            // The record settings belong to the description file.
            remove(settingsFileName(item));
        }
    }
    return deleted;
}

int removeRow(ItemList& list, int currentRow)
{
    if (currentRow < 1 || currentRow >= list.rowCount()) {
        return std::clamp(currentRow, 1, std::max(1, list.rowCount() - 1));
    }
    if (list.recordCount() <= 1) {
        for (int c = 0; c < list.columnCount(); ++c) {
            list.setCell(currentRow, c, QString());
        }
        return 1;
    }
    list.removeRow(currentRow);
    return std::min(currentRow, list.rowCount() - 1);
}

void sortByColumn(ItemList& list, int column)
{
    struct Entry {
        QByteArray key;
        QStringList cells;
    };
    QList<Entry> entries;
    entries.reserve(list.recordCount());
    for (int r = 1; r < list.rowCount(); ++r) {
        entries.append({encodeWindows1252(list.cell(r, column)), list.row(r)});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::lexicographical_compare(a.key.cbegin(), a.key.cend(), b.key.cbegin(),
                                            b.key.cend(),
                                            [](char x, char y) { return uchar(x) < uchar(y); });
    });
    for (int r = 1; r < list.rowCount(); ++r) {
        list.setRow(r, entries[r - 1].cells);
    }
}

void renumberList(ItemList& list)
{
    for (int r = 1; r < list.rowCount(); ++r) {
        list.setCell(r, 0, FormatRecordNumber(r));
    }
}

} // namespace vm
