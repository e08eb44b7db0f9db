#include "collection/amounts.h"

#include <QTest>

#include <limits>

using namespace vm;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

} // namespace

class TestAmounts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readAmount_data();
    void readAmount();
    void amountFieldText_data();
    void amountFieldText();
    void fieldTextReadsBack_data();
    void fieldTextReadsBack();
    void currencyText_data();
    void currencyText();
    void shortDateFormatKeepsTheCentury();
    void dateCells_data();
    void dateCells();
    void twoDigitYearIsNotInTheFuture();
};

void TestAmounts::readAmount_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<std::optional<double>>("expected");

    const QLocale de = german();
    const QLocale c = QLocale::c();
    const std::optional<double> none;
    QTest::newRow("de grouped") << de << "1.234,50" << std::optional<double>(1234.5);
    QTest::newRow("de comma") << de << "12,5" << std::optional<double>(12.5);
    QTest::newRow("de whole") << de << "12" << std::optional<double>(12);
    QTest::newRow("de empty") << de << "" << std::optional<double>(0);
    QTest::newRow("de blanks only") << de << "   " << std::optional<double>(0);
    QTest::newRow("de trailing blanks") << de << "12,5  " << std::optional<double>(12.5);
    QTest::newRow("de letters") << de << "abc" << none;
    QTest::newRow("de dot is group") << de << "12.5" << std::optional<double>(125);
    QTest::newRow("de negative") << de << "-3,05" << std::optional<double>(-3.05);
    QTest::newRow("de currency sign") << de << "12 €" << none;
    QTest::newRow("de two decimal commas") << de << "1,2,3" << none;
    QTest::newRow("de exponent") << de << "1e5" << none;
    QTest::newRow("de inf") << de << "inf" << none;
    QTest::newRow("de nan") << de << "nan" << none;
    QTest::newRow("de sign only") << de << "-" << none;
    QTest::newRow("de comma only") << de << "," << none;
    QTest::newRow("de sign in the middle") << de << "12-5" << none;
    QTest::newRow("c grouped") << c << "1,234.50" << std::optional<double>(1234.5);
    QTest::newRow("c dot") << c << "12.5" << std::optional<double>(12.5);
    QTest::newRow("c comma is group") << c << "12,5" << std::optional<double>(125);
}

void TestAmounts::readAmount()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, cell);
    QFETCH(std::optional<double>, expected);

    const std::optional<double> got = vm::readAmount(cell, locale);
    QCOMPARE(got.has_value(), expected.has_value());
    if (expected) {
        QCOMPARE(*got, *expected);
    }
}

void TestAmounts::amountFieldText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");

    const QLocale de = german();
    const QLocale c = QLocale::c();
    QTest::newRow("de one decimal") << de << 1234.50 << "1234,5";
    QTest::newRow("de whole") << de << 12.00 << "12";
    QTest::newRow("de hundredths") << de << 0.05 << "0,05";
    QTest::newRow("de zero") << de << 0.0 << "";
    QTest::newRow("de rounds to zero") << de << 0.004 << "";
    QTest::newRow("de negative rounds to zero") << de << -0.004 << "";
    QTest::newRow("de rounded up") << de << 2.999 << "3";
    QTest::newRow("de large, no group separator") << de << 1234567.89 << "1234567,89";
    QTest::newRow("de negative") << de << -3.05 << "-3,05";
    QTest::newRow("de nan") << de << std::numeric_limits<double>::quiet_NaN() << "";
    QTest::newRow("de infinity") << de << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("c one decimal") << c << 1234.50 << "1234.5";
    QTest::newRow("c whole ten") << c << 10.0 << "10";
}

void TestAmounts::amountFieldText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(vm::amountFieldText(amount, locale), expected);
}

// A stored amount must read back as the same amount in the editor.
void TestAmounts::fieldTextReadsBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("amount");

    for (const QLocale& locale : {german(), QLocale::c()}) {
        const QString name = locale.name();
        for (double amount : {1234.5, 0.05, 12.0, 1234567.89, -3.05}) {
            QTest::addRow("%s %g", qPrintable(name), amount) << locale << amount;
        }
    }
}

void TestAmounts::fieldTextReadsBack()
{
    QFETCH(QLocale, locale);
    QFETCH(double, amount);
    const std::optional<double> back = vm::readAmount(vm::amountFieldText(amount, locale), locale);
    QVERIFY(back.has_value());
    QCOMPARE(*back, amount);
}

void TestAmounts::currencyText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");

    // Qt puts a no-break space before the euro sign.
    QTest::newRow("de") << german() << 1234.5 << QStringLiteral("1.234,50\u00a0€");
    QTest::newRow("de zero") << german() << 0.0 << QStringLiteral("0,00\u00a0€");
    QTest::newRow("c") << QLocale::c() << 1234.5 << QStringLiteral("1234.50");
}

void TestAmounts::currencyText()
{
    QFETCH(QLocale, locale);
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(vm::currencyText(amount, locale), expected);
}

void TestAmounts::shortDateFormatKeepsTheCentury()
{
    QCOMPARE(shortDateFormat(german()), QStringLiteral("dd.MM.yyyy"));
    QVERIFY(shortDateFormat(QLocale::c()).contains(QStringLiteral("yyyy")));
    QVERIFY(!shortDateFormat(QLocale::c()).contains(QStringLiteral("yyyyy")));
}

void TestAmounts::dateCells_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QDate>("expected");

    const QLocale de = german();
    QTest::newRow("four-digit year") << de << "01.02.1985" << QDate(1985, 2, 1);
    QTest::newRow("one-digit day and month") << de << "1.2.1985" << QDate(1985, 2, 1);
    QTest::newRow("surrounding blanks") << de << " 01.02.1985 " << QDate(1985, 2, 1);
    QTest::newRow("two-digit year, past century") << de << "01.02.85" << QDate(1985, 2, 1);
    QTest::newRow("two-digit year, this century") << de << "01.02.05" << QDate(2005, 2, 1);
    QTest::newRow("empty") << de << "" << QDate();
    QTest::newRow("letters") << de << "gestern" << QDate();
    QTest::newRow("no such day") << de << "31.02.1985" << QDate();
    QTest::newRow("c four-digit year") << QLocale::c() << "1 Feb 1985" << QDate(1985, 2, 1);
}

void TestAmounts::dateCells()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, cell);
    QFETCH(QDate, expected);

    QCOMPARE(readDateCell(cell, locale), expected);
    if (expected.isValid()) {
        QCOMPARE(readDateCell(dateCellText(expected, locale), locale), expected);
    }
}

void TestAmounts::twoDigitYearIsNotInTheFuture()
{
    const QDate today = QDate::currentDate();
    QCOMPARE(dateCellText(today, german()), today.toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(dateCellText(QDate(), german()), QString());

    const QDate read = readDateCell(today.toString(QStringLiteral("dd.MM.yy")), german());
    QCOMPARE(read, today);
    const QDate lastYear =
        readDateCell(today.addYears(-1).toString(QStringLiteral("dd.MM.yy")), german());
    QCOMPARE(lastYear, today.addYears(-1));
}

QTEST_GUILESS_MAIN(TestAmounts)
#include "tst_amounts.moc"
