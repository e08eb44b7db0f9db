#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

namespace vm {

// An amount typed into the editor. Surrounding blanks are ignored and the
// locale's group separator is removed; "." and "," both count as the decimal
// separator unless one of them is the group separator. Empty text is 0; text
// that is not a plain number (letters, currency sign, exponent, more than one
// decimal separator, infinity) gives nullopt.
std::optional<double> readAmount(const QString& cell, const QLocale& locale);

// The amount as stored in a cell: rounded to two decimals, no group separator,
// the locale's decimal separator, trailing zeros dropped. An amount that rounds
// to zero (and a value that is not finite) is an empty cell.
QString amountFieldText(double amount, const QLocale& locale);

// The amount in the locale's currency format with two decimals.
QString currencyText(double amount, const QLocale& locale);

// The locale's short date format with a two-digit year widened to four digits,
// so that a stored date keeps its century.
QString shortDateFormat(const QLocale& locale);

// The date as stored in a cell (shortDateFormat); empty for an invalid date.
QString dateCellText(QDate date, const QLocale& locale);

// A date cell in the four-digit form or in the locale's own short form (day
// and month may also be given with one digit). A two-digit year is taken as
// the latest year with those digits that is not after the current year.
// Invalid QDate when the text is not a date.
QDate readDateCell(const QString& cell, const QLocale& locale);

} // namespace vm
