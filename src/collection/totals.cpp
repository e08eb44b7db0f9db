#include "collection/totals.h"

#include "collection/amounts.h"
#include "collection/listfile.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace vm {

namespace {

constexpr qint64 kMin32 = std::numeric_limits<qint32>::min();
constexpr qint64 kMax32 = std::numeric_limits<qint32>::max();
// Bound for running sums: far beyond the 32-bit range, far from 64-bit overflow.
constexpr qint64 kSumBound = qint64(1) << 62;

qint32 clamp32(qint64 value)
{
    return qint32(std::clamp(value, kMin32, kMax32));
}

qint64 clampSum(qint64 value)
{
    return std::clamp(value, -kSumBound, kSumBound);
}

// trimmed() with a fast path: most cells start and end with a printable
// ASCII character and need no Unicode space test at all.
QStringView trimView(QStringView text)
{
    auto plain = [](QChar c) {
        return c.unicode() > 0x20 && c.unicode() < 0x7F;
    };
    if (text.isEmpty() || (plain(text.front()) && plain(text.back()))) {
        return text;
    }
    return text.trimmed();
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Appends a decimal digit, saturating well above the 32-bit range.
void addDigit(qint64& value, QChar digit)
{
    value = std::min(value * 10 + (digit.unicode() - u'0'), kMax32 * 1000);
}

// "Anzahl": a whole number of at least zero, 1 otherwise.
qint64 itemCount(const QString& cell)
{
    const QStringView text = trimView(cell);
    if (text.isEmpty()) {
        return 1;
    }
    qint64 n = 0;
    for (QChar c : text) {
        if (!isAsciiDigit(c)) {
            return 1;
        }
        addDigit(n, c);
    }
    return std::min(n, kMax32);
}

} // namespace

std::optional<qint32> readTotalsAmount(const QString& cell)
{
    // Views only: the totals read three cells of every row, so no copies.
    QStringView text = trimView(cell);
    if (text.isEmpty()) {
        return 0;
    }
    bool negative = false;
    if (text.startsWith(u'-')) {
        negative = true;
        text = text.sliced(1);
    }

    const qsizetype last = std::max(text.lastIndexOf(u','), text.lastIndexOf(u'.'));
    const QStringView whole = last < 0 ? text : text.left(last);
    const QStringView decimals = last < 0 ? QStringView() : text.sliced(last + 1);

    bool haveDigit = false;
    qint64 units = 0;
    for (QChar c : whole) {
        if (isAsciiDigit(c)) {
            addDigit(units, c);
            haveDigit = true;
        } else if (c != u',' && c != u'.') {
            return std::nullopt;
        }
    }
    qint64 hundredths = 0;
    for (qsizetype i = 0; i < decimals.size(); ++i) {
        const QChar c = decimals.at(i);
        if (!isAsciiDigit(c)) {
            return std::nullopt;
        }
        haveDigit = true;
        if (i == 0) {
            hundredths += 10 * (c.unicode() - u'0');
        } else if (i == 1) {
            hundredths += c.unicode() - u'0';
        }
    }
    if (!haveDigit) {
        return std::nullopt;
    }
    const qint64 value = units * 100 + hundredths;
    return clamp32(negative ? -value : value);
}

ListTotals computeTotals(const ItemList& list, const QList<bool>& hiddenRows)
{
    const int numberColumn = ColumnByHeader(list, QStringLiteral("#"));
    const int countColumn = ColumnByHeader(list, QStringLiteral("Anzahl"));
    const int catalogueColumn = ColumnByHeader(list, QStringLiteral("Katalogwert"));
    const int priceColumn = ColumnByHeader(list, QStringLiteral("Preis"));

    qint64 count = 0;
    qint64 catalogue = 0;
    qint64 price = 0;
    for (int row = 1; row < list.rowCount(); ++row) {
        if (row < hiddenRows.size() && hiddenRows.at(row)) {
            continue;
        }
        if (numberColumn < 0 || trimView(list.cell(row, numberColumn)).isEmpty()) {
            continue;
        }
        const qint64 n = countColumn < 0 ? 1 : itemCount(list.cell(row, countColumn));
        count = clampSum(count + n);
        if (catalogueColumn >= 0) {
            if (const auto amount = readTotalsAmount(list.cell(row, catalogueColumn))) {
                catalogue = clampSum(catalogue + n * *amount);
            }
        }
        if (priceColumn >= 0) {
            if (const auto amount = readTotalsAmount(list.cell(row, priceColumn))) {
                price = clampSum(price + n * *amount);
            }
        }
    }
    return ListTotals{clamp32(count), clamp32(catalogue), clamp32(price)};
}

QString totalsText(const ListTotals& totals, const QLocale& locale)
{
    return QStringLiteral(" Anzahl Artikel: ") + QString::number(totals.count) +
           QStringLiteral("   Katalogwert: ") + currencyText(totals.catalogue / 100.0, locale) +
           QStringLiteral("    Preis: ") + currencyText(totals.price / 100.0, locale);
}

QList<bool> rowsHiddenByArtFilter(const ItemList& list, const QStringList& untickedArts)
{
    QList<bool> hidden(list.rowCount(), false);
    const int artColumn = ColumnByHeader(list, QStringLiteral("Art"));
    if (artColumn < 0 || untickedArts.isEmpty()) {
        return hidden;
    }
    const QSet<QString> unticked(untickedArts.begin(), untickedArts.end());
    for (int row = 1; row < list.rowCount(); ++row) {
        hidden[row] = unticked.contains(list.cell(row, artColumn));
    }
    return hidden;
}

bool anyHidden(const QList<bool>& hiddenRows)
{
    return std::any_of(hiddenRows.begin(), hiddenRows.end(), [](bool h) { return h; });
}

} // namespace vm
