#include "collection/record.h"

#include "collection/attachcell.h"
#include "collection/listfile.h"
#include "common/atomicfile.h"
#include "common/inifile.h"
#include "common/safepath.h"
#include "common/timestamp.h"

#include <QFileInfo>
#include <optional>

namespace vm {

namespace {

QString cellByHeader(const ItemList& list, int row, const QString& header)
{
    return list.cell(row, ColumnByHeader(list, header));
}

void setCellByHeader(ItemList& list, int row, const QString& header, const QString& text)
{
    const int column = ColumnByHeader(list, header);
    if (column >= 0) {
        list.setCell(row, column, text);
    }
}

std::optional<qint64> wholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return n;
}

QString functionKey(int index)
{
    return QStringLiteral("Function%1").arg(index);
}

struct CheckKey {
    const char16_t* section;
    const char16_t* key;
    bool Record::*field;
};

const CheckKey kCheckKeys[] = {
    {u"Sound", u"Sound", &Record::sound},
    {u"HLA", u"HLA", &Record::hla},
    {u"Light", u"LED", &Record::led},
    {u"Misc", u"SET", &Record::inSet},
};

bool fileExists(const QString& folder, const QString& name)
{
    const std::optional<QString> path = joinSafely(folder, name);
    return path && QFileInfo::exists(*path);
}

Status invalidNumber(const QString& text)
{
    return Status::failure(
        QStringLiteral("\"%1\" ist keine gültige Datensatznummer. Der Datensatz wurde nicht "
                       "gespeichert.")
            .arg(text));
}

Status unsafeName(const QString& name)
{
    return Status::failure(
        QStringLiteral("Der Dateiname \"%1\" führt aus dem Datenordner hinaus. Der Datensatz "
                       "wurde nicht gespeichert.")
            .arg(name));
}

} // namespace

Record recordFromRow(const ItemList& list, int row)
{
    const bool accessory = list.isAccessoryLayout();
    Record r;
    r.number = cellByHeader(list, row, QStringLiteral("#"));
    r.art = cellByHeader(list, row, QStringLiteral("Art"));
    r.series = cellByHeader(list, row,
                            accessory ? QStringLiteral("Bezeichnung") : QStringLiteral("Baureihe"));
    r.railCompany = cellByHeader(list, row, QStringLiteral("Bahnver."));
    r.epoch = cellByHeader(list, row, QStringLiteral("Ep."));
    r.scale = cellByHeader(list, row, QStringLiteral("Nenn"));
    r.producer = cellByHeader(list, row, QStringLiteral("Hersteller"));
    r.articleNumber = cellByHeader(list, row, QStringLiteral("Artikel-Nr."));
    if (!accessory) {
        r.decoder = cellByHeader(list, row, QStringLiteral("Antr./Dec."));
        r.address = cellByHeader(list, row, QStringLiteral("Adr."));
        r.light = cellByHeader(list, row, QStringLiteral("Licht"));
        r.digitalFormat = cellByHeader(list, row, QStringLiteral("Dig.Fmt."));
        for (int f = 1; f <= 4; ++f) {
            r.functions[f] = cellByHeader(list, row, QStringLiteral("F%1").arg(f));
        }
    }
    r.condition = cellByHeader(list, row, QStringLiteral("Zust."));
    r.ovp = cellByHeader(list, row, QStringLiteral("OVP")) == QLatin1String("X");
    r.price = cellByHeader(list, row, QStringLiteral("Preis"));
    r.catalogueValue = cellByHeader(list, row, QStringLiteral("Katalogwert"));
    r.length = cellByHeader(list, row, QStringLiteral("Länge"));
    r.quantity = cellByHeader(list, row, QStringLiteral("Anzahl"));
    r.date = cellByHeader(list, row, QStringLiteral("Datum"));
    r.year = cellByHeader(list, row, QStringLiteral("Baujahr"));
    const AttachCell attach = readAttachCell(cellByHeader(list, row, QStringLiteral("Attach")));
    r.descriptionFile = attach.descriptionFile;
    r.pictures = attach.pictures;
    r.sparePartPath = attach.sparePartPath;
    return r;
}

void recordToRow(const Record& r, ItemList& list, int row, bool writeDate)
{
    const bool accessory = list.isAccessoryLayout();
    setCellByHeader(list, row, QStringLiteral("#"), r.number);
    setCellByHeader(list, row, QStringLiteral("Art"), r.art);
    setCellByHeader(list, row,
                    accessory ? QStringLiteral("Bezeichnung") : QStringLiteral("Baureihe"),
                    r.series);
    setCellByHeader(list, row, QStringLiteral("Ep."), r.epoch);
    setCellByHeader(list, row, QStringLiteral("Nenn"), r.scale);
    setCellByHeader(list, row, QStringLiteral("Hersteller"), r.producer);
    setCellByHeader(list, row, QStringLiteral("Artikel-Nr."), r.articleNumber);
    if (!accessory) {
        setCellByHeader(list, row, QStringLiteral("Bahnver."), r.railCompany);
        setCellByHeader(list, row, QStringLiteral("Antr./Dec."), r.decoder);
        setCellByHeader(list, row, QStringLiteral("Adr."), r.address);
        setCellByHeader(list, row, QStringLiteral("Licht"), r.light);
        for (int f = 1; f <= 4; ++f) {
            setCellByHeader(list, row, QStringLiteral("F%1").arg(f), r.functions[f]);
        }
        setCellByHeader(list, row, QStringLiteral("Dig.Fmt."), r.digitalFormat);
    }
    setCellByHeader(list, row, QStringLiteral("Zust."), r.condition);
    setCellByHeader(list, row, QStringLiteral("OVP"), r.ovp ? QStringLiteral("X") : QString());
    setCellByHeader(list, row, QStringLiteral("Attach"),
                    writeAttachCell(AttachCell{r.descriptionFile, r.pictures, r.sparePartPath}));
    setCellByHeader(list, row, QStringLiteral("Preis"), r.price);
    setCellByHeader(list, row, QStringLiteral("Katalogwert"), r.catalogueValue);
    setCellByHeader(list, row, QStringLiteral("Länge"), r.length);
    setCellByHeader(list, row, QStringLiteral("Anzahl"), r.quantity);
    if (writeDate) {
        setCellByHeader(list, row, QStringLiteral("Datum"), r.date);
    }
    setCellByHeader(list, row, QStringLiteral("Baujahr"), r.year);
}

QString settingsFileName(const QString& descriptionFile)
{
    if (!descriptionFile.contains(QLatin1String("DESC-"))) {
        // A description file named by hand: its settings must never land in
        // the description file itself.
        return QStringLiteral("CFG-") + descriptionFile;
    }
    QString name = descriptionFile;
    name.replace(QLatin1String("DESC-"), QLatin1String("CFG-"));
    return name;
}

Status writeRecordSettings(const QString& path, const Record& record)
{
    IniFile ini(path);
    if (const Status status = ini.load(); !status) {
        return status;
    }
    const QString digital = QStringLiteral("Digital");
    if (!record.functions[0].contains(QLatin1String(" Licht "))) {
        ini.setValue(digital, functionKey(0), record.functions[0]);
    }
    for (int f = 5; f <= 20; ++f) {
        ini.setValue(digital, functionKey(f), record.functions[f]);
    }
    for (const CheckKey& check : kCheckKeys) {
        ini.setValue(QString::fromUtf16(check.section), QString::fromUtf16(check.key),
                     record.*check.field ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return ini.save();
}

Status readRecordSettings(const QString& path, Record& record)
{
    IniFile ini(path);
    const Status status = ini.load();
    const QString digital = QStringLiteral("Digital");
    record.functions[0] = ini.value(digital, functionKey(0));
    for (int f = 5; f <= 20; ++f) {
        record.functions[f] = ini.value(digital, functionKey(f));
    }
    for (const CheckKey& check : kCheckKeys) {
        const std::optional<qint64> n = wholeNumber(
            ini.value(QString::fromUtf16(check.section), QString::fromUtf16(check.key)));
        record.*check.field = n && *n != 0;
    }
    return status;
}

StoreResult storeRecord(ItemList& list, const QString& listPath, const QString& dataFolder,
                        Record& record, bool isNew, bool dateChanged,
                        const QByteArray& descriptionContent, const QDateTime& now)
{
    StoreResult result;
    const auto fail = [&result](const Status& status) {
        result.status = status;
        return result;
    };

    // Read the file again so that changes made meanwhile are not lost.
    if (QFileInfo::exists(listPath)) {
        if (const Status status = LoadListFile(list, listPath); !status) {
            return fail(status);
        }
        ApplyColumnLayout(list);
    }
    if (list.rowCount() < 2) {
        list.setRowCount(2);
    }

    const auto lastRowEmpty = [&list] {
        return list.cell(list.rowCount() - 1, 0).isEmpty();
    };
    if (lastRowEmpty() || (isNew && record.number.isEmpty())) {
        record.number = FormatRecordNumber(NextNumber(list));
        isNew = true;
    }

    int target = -1;
    if (!isNew) {
        const std::optional<qint64> wanted = wholeNumber(record.number);
        if (!wanted) {
            return fail(invalidNumber(record.number));
        }
        for (int r = list.rowCount() - 1; r >= 1; --r) {
            const QString& text = list.cell(r, 0);
            const std::optional<qint64> n = wholeNumber(text);
            if (!n) {
                return fail(invalidNumber(text));
            }
            if (*n == *wanted) {
                target = r;
                break;
            }
        }
        if (target < 0) {
            // The file was changed outside the program: keep the record as a
            // new row rather than overwriting another one.
            result.notice = QStringLiteral("Der Datensatz Nr. %1 wurde in der Liste nicht mehr "
                                           "gefunden und wurde als neuer Datensatz gespeichert.")
                                .arg(record.number);
            isNew = true;
        }
    }
    if (isNew) {
        if (!lastRowEmpty()) {
            list.appendRow();
        }
        target = list.rowCount() - 1;
    }

    // Description file: a new record gets a name no other record's files use.
    if (record.descriptionFile.isEmpty()) {
        QDateTime when = now;
        QString name;
        for (;;) {
            name = QStringLiteral("DESC-") + timeStamp(when) + QStringLiteral(".txt");
            if (!fileExists(dataFolder, name) && !fileExists(dataFolder, settingsFileName(name))) {
                break;
            }
            when = when.addSecs(1);
        }
        record.descriptionFile = name;
    }
    const std::optional<QString> descriptionPath = joinSafely(dataFolder, record.descriptionFile);
    if (!descriptionPath) {
        return fail(unsafeName(record.descriptionFile));
    }
    const std::optional<QString> settingsPath =
        joinSafely(dataFolder, settingsFileName(record.descriptionFile));
    if (!settingsPath) {
        return fail(unsafeName(settingsFileName(record.descriptionFile)));
    }
    if (list.isWriteBlocked()) {
        return fail(Status::failure(list.writeBlockReason()));
    }

    if (const Status status = writeFileAtomically(*descriptionPath, descriptionContent); !status) {
        return fail(status);
    }
    recordToRow(record, list, target, dateChanged);
    if (!list.isAccessoryLayout()) {
        if (const Status status = writeRecordSettings(*settingsPath, record); !status) {
            return fail(status);
        }
    }
    result.targetRow = target;
    result.wasNew = isNew;
    result.status = SaveListFile(list, listPath);
    return result;
}

} // namespace vm
