#pragma once

#include <QString>
#include <QStringList>

namespace vm {

// The fixed choices of the record editor. Lists named "built-in" are the
// starting content of the user-extendable reference tables.
const QStringList& builtInProducers();
const QStringList& builtInRailCompanies();
const QStringList& builtInDecoders();
const QStringList& defaultFunctionNames();

const QStringList& locomotiveArts();
const QStringList& wagonArts();
const QStringList& accessoryArts();
// The Art choices of a list (tab index 0 to 4), sorted as the Art box shows
// them: locomotives, wagons, accessories; wish list and sales all eighteen.
QStringList artVocabulary(int listIndex);

const QStringList& scales();         // "0", "1", "H0", ... in fixed order
const QStringList& epochs();         // "I" ... "VII"
const QStringList& conditions();     // "1 = Originalzustand mit OVP", ...
const QStringList& digitalFormats(); // "", "DCC", ...

// Order of the sorted choice boxes: letters without regard to case, umlauts
// and accented letters sorted with their base letter, an empty item first.
bool collatesBefore(const QString& a, const QString& b);
void sortChoices(QStringList& items);
// Index of text in items, letter case ignored; -1 when absent.
int indexOfIgnoringCase(const QStringList& items, const QString& text);
// Inserts text at its sorted place; returns its index.
int insertSorted(QStringList& items, const QString& text);

} // namespace vm
