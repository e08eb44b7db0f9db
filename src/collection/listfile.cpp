#include "collection/listfile.h"

#include "common/atomicfile.h"
#include "common/textlines.h"
#include "common/win1252.h"

#include <QDir>
#include <QFileInfo>

#include <limits>

namespace vm {

void readListFileContent(ItemList& list, const QByteArray& content)
{
    const QString text = decodeWindows1252(content);
    const QList<QStringView> lines = splitLineViews(text);
    for (int j = 0; j < lines.size(); ++j) {
        if (j >= list.rowCount()) {
            list.appendRow();
        }
        const QStringView line = lines[j];
        qsizetype start = 0;
        int column = 0;
        // A TAB at the very end ends the last field without starting another;
        // an empty line has no field.
        while (start < line.size()) {
            qsizetype tab = line.indexOf(u'\t', start);
            if (tab < 0) {
                tab = line.size();
            }
            list.setCell(j, column, line.sliced(start, tab - start).toString());
            ++column;
            start = tab + 1;
        }
    }
}

Status LoadListFile(ItemList& list, const QString& path)
{
    QByteArray content;
    const Status status = readWholeFile(path, content);
    if (!status) {
        list.blockWrites(
            QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden. Damit ihr Inhalt "
                           "nicht verloren geht, wird diese Liste nicht gespeichert, bis die "
                           "Datei wieder gelesen werden kann. Bitte das Programm beenden und "
                           "die Datei prüfen.")
                .arg(QDir::toNativeSeparators(path)));
        return status;
    }
    readListFileContent(list, content);
    list.allowWrites();
    return Status::success();
}

QByteArray listFileContent(const ItemList& list)
{
    // One pass into a buffer sized once: every cell at most one byte per
    // UTF-16 unit, plus a TAB per cell and CR LF per line.
    qsizetype capacity = 0;
    for (int r = 0; r < list.rowCount(); ++r) {
        for (const QString& text : list.row(r)) {
            capacity += text.size() + 1;
        }
        capacity += 2;
    }
    QByteArray bytes(capacity, Qt::Uninitialized);
    char* out = bytes.data();
    for (int r = 0; r < list.rowCount(); ++r) {
        for (const QString& text : list.row(r)) {
            const qsizetype n = encodeWindows1252Into(out, text);
            // The format has no escape for these: a TAB, CR or LF inside a
            // cell would break the rows, so it is written as a blank.
            for (qsizetype i = 0; i < n; ++i) {
                if (out[i] == '\t' || out[i] == '\r' || out[i] == '\n') {
                    out[i] = ' ';
                }
            }
            out += n;
            *out++ = '\t';
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

Status SaveListFile(const ItemList& list, const QString& path)
{
    if (list.isWriteBlocked()) {
        return Status::failure(list.writeBlockReason());
    }
    return writeFileAtomically(path, listFileContent(list));
}

void ApplyColumnLayout(ItemList& list)
{
    if (list.rowCount() == 0) {
        list.appendRow();
    }
    const Layout layout = list.layout();
    const int columns = layoutColumnCount(layout);
    list.setColumnCount(columns);
    const QStringList& headers = layoutHeaders(layout);
    const int firstFixed = layout == Layout::Accessory ? 14 : 18;
    for (int c = firstFixed; c < columns; ++c) {
        list.setCell(0, c, headers[c]);
    }
}

int ColumnByHeader(const ItemList& list, const QString& name)
{
    QString wanted = name;
    wanted.remove(u' ');
    wanted = wanted.toUpper();
    for (int c = 0; c < list.columnCount(); ++c) {
        QString header = list.cell(0, c);
        if (c > 0) {
            header.remove(u' ');
        }
        if (header.toUpper() == wanted) {
            return c;
        }
    }
    return -1;
}

qint64 NextNumber(const ItemList& list)
{
    qint64 highest = 0;
    for (int r = 1; r < list.rowCount(); ++r) {
        bool ok = false;
        const qint64 n = list.cell(r, 0).trimmed().toLongLong(&ok);
        if (ok && n > highest && n < std::numeric_limits<qint64>::max()) {
            highest = n;
        }
    }
    return highest + 1;
}

QString FormatRecordNumber(qint64 number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace vm
