#pragma once

#include "collection/itemlist.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace vm {

// An amount cell read for the totals, in hundredths. When the text contains
// "," or ".", the digits after the last of them are the decimals (one digit
// tenths, two hundredths; further digits are cut off, so "1,239" is 123) and
// the digits before it, with any other "," and "." dropped, the whole units.
// Without a separator the text is whole units. A leading minus makes the
// amount negative; surrounding blanks are ignored. Empty text is 0; anything
// else (letters, a currency sign, no digit at all) gives nullopt. Amounts
// beyond the 32-bit range are clamped to it.
std::optional<qint32> readTotalsAmount(const QString& cell);

// Sums over the rows in view; the amounts in hundredths.
struct ListTotals {
    qint32 count = 0;
    qint32 catalogue = 0;
    qint32 price = 0;
};

// Every data row that is not hidden and has a "#" counts with its "Anzahl"
// (1 when empty, not a whole number or negative); "Katalogwert" and "Preis" are
// added that many times, an unreadable amount adds nothing. hiddenRows is
// indexed by list row; rows beyond it are visible. The sums are taken in 64 bits
// and clamped to the 32-bit range.
ListTotals computeTotals(const ItemList& list, const QList<bool>& hiddenRows);

// The totals line of the list window.
QString totalsText(const ListTotals& totals, const QLocale& locale);

// One flag per list row: true for a data row whose "Art" equals one of
// untickedArts exactly (letter case counts). The header row is never hidden.
QList<bool> rowsHiddenByArtFilter(const ItemList& list, const QStringList& untickedArts);

bool anyHidden(const QList<bool>& hiddenRows);

} // namespace vm
