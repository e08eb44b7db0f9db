#include "collection/listfile.h"
#include "collection/totals.h"

#include <QTest>

#include <limits>

using namespace vm;

Q_DECLARE_METATYPE(std::optional<qint32>)

namespace {

QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

struct Record {
    QString number;
    QString art;
    QString count;
    QString catalogue;
    QString price;
};

ItemList listOf(Layout layout, const QList<Record>& records)
{
    ItemList list = ItemList::empty(layout);
    if (records.isEmpty()) {
        return list;
    }
    list.setRowCount(int(records.size()) + 1);
    const int numberColumn = ColumnByHeader(list, QStringLiteral("#"));
    const int artColumn = ColumnByHeader(list, QStringLiteral("Art"));
    const int countColumn = ColumnByHeader(list, QStringLiteral("Anzahl"));
    const int catalogueColumn = ColumnByHeader(list, QStringLiteral("Katalogwert"));
    const int priceColumn = ColumnByHeader(list, QStringLiteral("Preis"));
    for (int i = 0; i < records.size(); ++i) {
        const Record& r = records.at(i);
        list.setCell(i + 1, numberColumn, r.number);
        list.setCell(i + 1, artColumn, r.art);
        list.setCell(i + 1, countColumn, r.count);
        list.setCell(i + 1, catalogueColumn, r.catalogue);
        list.setCell(i + 1, priceColumn, r.price);
    }
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Record)

class TestTotals : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readTotalsAmount_data();
    void readTotalsAmount();
    void computeTotals_data();
    void computeTotals();
    void hiddenRowsDoNotCount();
    void sumsAreClampedNotWrapped();
    void totalsText();
    void artFilter_data();
    void artFilter();
};

void TestTotals::readTotalsAmount_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<std::optional<qint32>>("expected");

    const std::optional<qint32> none;
    QTest::newRow("tenths") << "12,5" << std::optional<qint32>(1250);
    QTest::newRow("whole") << "12" << std::optional<qint32>(1200);
    QTest::newRow("grouped") << "1.234,50" << std::optional<qint32>(123450);
    QTest::newRow("negative") << "-3,05" << std::optional<qint32>(-305);
    QTest::newRow("empty") << "" << std::optional<qint32>(0);
    QTest::newRow("blanks") << " 12,5 " << std::optional<qint32>(1250);
    QTest::newRow("currency sign") << "12 €" << none;
    QTest::newRow("letters") << "abc" << none;
    QTest::newRow("dot as decimal") << "12.5" << std::optional<qint32>(1250);
    QTest::newRow("english grouping") << "1,234.50" << std::optional<qint32>(123450);
    QTest::newRow("third decimal cut off") << "1,239" << std::optional<qint32>(123);
    QTest::newRow("no whole units") << ",5" << std::optional<qint32>(50);
    QTest::newRow("no decimals") << "12," << std::optional<qint32>(1200);
    QTest::newRow("separator only") << "," << none;
    QTest::newRow("minus only") << "-" << none;
    QTest::newRow("minus inside") << "1-2" << none;
    QTest::newRow("letter in decimals") << "12,5a" << none;
    QTest::newRow("clamped high") << "99999999999999"
                                  << std::optional<qint32>(std::numeric_limits<qint32>::max());
    QTest::newRow("clamped low") << "-99999999999999"
                                 << std::optional<qint32>(std::numeric_limits<qint32>::min());
}

void TestTotals::readTotalsAmount()
{
    QFETCH(QString, cell);
    QFETCH(std::optional<qint32>, expected);
    QCOMPARE(vm::readTotalsAmount(cell), expected);
}

void TestTotals::computeTotals_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QList<Record>>("records");
    QTest::addColumn<qint32>("count");
    QTest::addColumn<qint32>("catalogue");
    QTest::addColumn<qint32>("price");

    for (Layout layout : {Layout::Vehicle, Layout::Accessory}) {
        const char* name = layout == Layout::Vehicle ? "vehicle" : "accessory";
        const int l = int(layout);
        QTest::addRow("%s: empty list", name) << l << QList<Record>{} << 0 << 0 << 0;
        QTest::addRow("%s: three at 12,5", name)
            << l << QList<Record>{{"0001", "Dampf", "3", "", "12,5"}} << 3 << 0 << 3750;
        QTest::addRow("%s: three at 12", name)
            << l << QList<Record>{{"0001", "Dampf", "3", "", "12"}} << 3 << 0 << 3600;
        QTest::addRow("%s: empty price adds nothing", name)
            << l << QList<Record>{{"0001", "Dampf", "3", "20", ""}} << 3 << 6000 << 0;
        QTest::addRow("%s: empty count is one", name)
            << l << QList<Record>{{"0001", "Dampf", "", "10", "5"}} << 1 << 1000 << 500;
        QTest::addRow("%s: non-numeric count is one", name)
            << l << QList<Record>{{"0001", "Dampf", "zwei", "10", "5"}} << 1 << 1000 << 500;
        QTest::addRow("%s: negative count is one", name)
            << l << QList<Record>{{"0001", "Dampf", "-2", "10", "5"}} << 1 << 1000 << 500;
        QTest::addRow("%s: zero count", name)
            << l << QList<Record>{{"0001", "Dampf", "0", "10", "5"}} << 0 << 0 << 0;
        QTest::addRow("%s: catalogue value with letters", name)
            << l << QList<Record>{{"0001", "Dampf", "2", "ca. 50", "7,5"}} << 2 << 0 << 1500;
        QTest::addRow("%s: row without number", name)
            << l
            << QList<Record>{{"0001", "Dampf", "1", "1", "1"}, {"", "Dampf", "5", "100", "100"}}
            << 1 << 100 << 100;
        QTest::addRow("%s: several rows", name)
            << l
            << QList<Record>{{"0001", "Dampf", "2", "10,5", "-1"},
                             {"0002", "Diesel", "", "1.234,50", "0,99"}}
            << 3 << 2100 + 123450 << -200 + 99;
    }
}

void TestTotals::computeTotals()
{
    QFETCH(int, layout);
    QFETCH(QList<Record>, records);
    QFETCH(qint32, count);
    QFETCH(qint32, catalogue);
    QFETCH(qint32, price);

    const ListTotals totals = vm::computeTotals(listOf(Layout(layout), records), {});
    QCOMPARE(totals.count, count);
    QCOMPARE(totals.catalogue, catalogue);
    QCOMPARE(totals.price, price);
}

void TestTotals::hiddenRowsDoNotCount()
{
    const ItemList list = listOf(Layout::Vehicle, {{"0001", "Dampf", "1", "1", "1"},
                                                   {"0002", "Diesel", "2", "10", "10"},
                                                   {"0003", "Elektro", "4", "100", "100"}});
    ListTotals totals = vm::computeTotals(list, {false, false, true, false});
    QCOMPARE(totals.count, 5);
    QCOMPARE(totals.catalogue, 4 * 10000 + 100);
    QCOMPARE(totals.price, 4 * 10000 + 100);

    // Rows beyond the flags are visible.
    totals = vm::computeTotals(list, {false, true});
    QCOMPARE(totals.count, 6);
    QCOMPARE(totals.price, 2000 + 40000);
}

void TestTotals::sumsAreClampedNotWrapped()
{
    const ItemList list =
        listOf(Layout::Vehicle, {{"0001", "Dampf", "99999999999", "-20000000", "20000000"},
                                 {"0002", "Dampf", "99999999999", "-20000000", "20000000"}});
    const ListTotals totals = vm::computeTotals(list, {});
    QCOMPARE(totals.count, std::numeric_limits<qint32>::max());
    QCOMPARE(totals.catalogue, std::numeric_limits<qint32>::min());
    QCOMPARE(totals.price, std::numeric_limits<qint32>::max());
}

void TestTotals::totalsText()
{
    ListTotals totals;
    totals.count = 3;
    totals.catalogue = 123450;
    totals.price = 3750;
    QCOMPARE(
        vm::totalsText(totals, german()),
        QStringLiteral(" Anzahl Artikel: 3   Katalogwert: 1.234,50\u00a0€    Preis: 37,50\u00a0€"));
    QCOMPARE(vm::totalsText(ListTotals{}, german()),
             QStringLiteral(" Anzahl Artikel: 0   Katalogwert: 0,00\u00a0€    Preis: 0,00\u00a0€"));
}

void TestTotals::artFilter_data()
{
    QTest::addColumn<QStringList>("unticked");
    QTest::addColumn<QList<bool>>("hidden");

    // Rows: header, "Dampf", "dampf", "Diesel", "Dampf", "" (empty Art).
    QTest::newRow("nothing unticked")
        << QStringList{} << QList<bool>{false, false, false, false, false, false};
    QTest::newRow("Dampf") << QStringList{"Dampf"}
                           << QList<bool>{false, true, false, false, true, false};
    QTest::newRow("Dampf and Diesel")
        << QStringList{"Dampf", "Diesel"} << QList<bool>{false, true, false, true, true, false};
    QTest::newRow("an Art no row has")
        << QStringList{"Elektro"} << QList<bool>{false, false, false, false, false, false};
    QTest::newRow("lower case") << QStringList{"dampf"}
                                << QList<bool>{false, false, true, false, false, false};
    // The header cell reads "Art"; unticking that must not hide the header row.
    QTest::newRow("header text") << QStringList{"Art"}
                                 << QList<bool>{false, false, false, false, false, false};
}

void TestTotals::artFilter()
{
    QFETCH(QStringList, unticked);
    QFETCH(QList<bool>, hidden);

    for (Layout layout : {Layout::Vehicle, Layout::Accessory}) {
        const ItemList list = listOf(layout, {{"0001", "Dampf", "1", "", "1"},
                                              {"0002", "dampf", "1", "", "2"},
                                              {"0003", "Diesel", "1", "", "4"},
                                              {"0004", "Dampf", "1", "", "8"},
                                              {"0005", "", "1", "", "16"}});
        const QList<bool> got = rowsHiddenByArtFilter(list, unticked);
        QCOMPARE(got, hidden);
        QCOMPARE(anyHidden(got), hidden.contains(true));

        // The totals follow the filter.
        qint32 price = 0;
        for (int row = 1; row < hidden.size(); ++row) {
            price +=
                hidden.at(row)
                    ? 0
                    : list.cell(row, ColumnByHeader(list, QStringLiteral("Preis"))).toInt() * 100;
        }
        QCOMPARE(vm::computeTotals(list, got).price, price);
    }
}

QTEST_GUILESS_MAIN(TestTotals)
#include "tst_totals.moc"
