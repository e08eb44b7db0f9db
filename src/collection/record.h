#pragma once

#include "collection/itemlist.h"
#include "common/status.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>

namespace vm {

// One record as the editor holds it: the texts of its fields, the decoder
// functions F0 to F20, the four checks, and the files listed in its Attach
// cell.
struct Record {
    QString number; // "#"
    QString art;
    QString series; // "Baureihe" (vehicles) or "Bezeichnung" (accessories)
    QString railCompany;
    QString epoch;
    QString scale;
    QString producer;
    QString articleNumber;
    QString decoder;
    QString address;
    QString light;
    QString digitalFormat;
    std::array<QString, 21> functions; // F0 .. F20
    bool sound = false;
    bool hla = false;
    bool led = false;
    bool inSet = false;
    QString condition; // first character "1" .. "6", or empty
    bool ovp = false;
    QString price;
    QString catalogueValue;
    QString length;
    QString quantity;
    QString date;
    QString year;
    QString descriptionFile;
    QStringList pictures;
    QString sparePartPath;

    bool operator==(const Record&) const = default;
};

// The record in a row: the cells' texts as they are, the Attach cell split,
// F1 to F4 from their columns. F0, F5 to F20 and the checks live in the record
// settings file and stay empty / unticked here.
Record recordFromRow(const ItemList& list, int row);

// Writes the record's fields into a row; "Datum" only when writeDate. The
// accessory layout has no decoder columns and never gets "Bahnver.".
void recordToRow(const Record& record, ItemList& list, int row, bool writeDate);

// The record settings file that belongs to a description file: "DESC-" in the
// name replaced by "CFG-".
QString settingsFileName(const QString& descriptionFile);

// Writes F0, F5 to F20 and the checks into the record settings file key by
// key; other keys keep their values. F0 is not written when it contains
// " Licht " (the light function is kept in the row's "Licht" column).
Status writeRecordSettings(const QString& path, const Record& record);

// Reads F0, F5 to F20 and the checks; a missing file or key gives an empty
// text / an unticked check.
Status readRecordSettings(const QString& path, Record& record);

struct StoreResult {
    Status status = Status::success();
    int targetRow = -1;
    bool wasNew = false;
    QString notice; // shown to the user after a successful store, when set
};

// Stores the record in its list: reads the list file again (so changes made
// meanwhile are kept), finds or makes the record's row, makes the description
// file for a record without one, writes the row, the record settings
// (vehicles only) and the list file. On failure nothing is written.
StoreResult storeRecord(ItemList& list, const QString& listPath, const QString& dataFolder,
                        Record& record, bool isNew, bool dateChanged,
                        const QByteArray& descriptionContent, const QDateTime& now);

} // namespace vm
