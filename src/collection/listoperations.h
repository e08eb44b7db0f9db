#pragma once

#include "collection/itemlist.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vm {

// Names for the files of a copied record. Each takes the time stamp of when
// and advances it by a second until the name is free in dataFolder, so that
// copies made within the same second never overwrite each other.
QString newDescriptionName(const QString& dataFolder, const QDateTime& when);
// "DESC-<ts>.txt" for a time stamp whose "CFG-<ts>.txt" twin is free as well.
// A picture keeps its base name less an earlier "_<ts>" suffix and its
// extension: "lok_20240101-101010.jpg" becomes "lok_<ts>.jpg".
QString newPictureName(const QString& dataFolder, const QString& picture, const QDateTime& when);

struct CopyResult {
    int row = -1;         // the copy's row
    QStringList failures; // messages for files that could not be copied
};

// Copies a record into a new last row with the next free number. The copy
// gets its own description file, record settings file and pictures, except
// when the record has no description file: then it shares the pictures.
// A source file that is missing is not copied; the copy lists its new name
// all the same.
CopyResult copyRecordRow(ItemList& list, int currentRow, const QString& dataFolder,
                         const QDateTime& now);

// Deletes the files of a record that no other row lists: its description
// file (with its record settings file) and its pictures. Spare-part paths and
// names that would leave the data folder are never deleted. Returns the paths
// deleted.
QStringList deleteRecordFiles(const ItemList& list, int row, const QString& dataFolder);

// Removes a record row. The only record row is emptied instead (a list keeps
// one row); returns the row that takes the current row's place.
int removeRow(ItemList& list, int currentRow);

// Sorts the record rows by the column's text, compared byte by byte in
// Windows-1252 code order, a prefix before the longer text; stable.
void sortByColumn(ItemList& list, int column);

// Numbers the record rows 0001, 0002, ... in their order.
void renumberList(ItemList& list);

} // namespace vm
