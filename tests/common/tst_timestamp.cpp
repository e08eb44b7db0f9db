#include "common/timestamp.h"

#include <QRegularExpression>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

class TestTimeStamp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formats_data();
    void formats();
    void defaultIsNow();
};

void TestTimeStamp::formats_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("stamp");

    QTest::newRow("morning") << QDateTime(QDate(2024, 1, 1), QTime(10, 10, 10))
                             << u"20240101-101010"_s;
    QTest::newRow("afternoon is 24-hour")
        << QDateTime(QDate(2023, 11, 30), QTime(23, 59, 58)) << u"20231130-235958"_s;
    QTest::newRow("midnight, single digits padded")
        << QDateTime(QDate(2025, 2, 3), QTime(0, 4, 5)) << u"20250203-000405"_s;
    QTest::newRow("milliseconds dropped")
        << QDateTime(QDate(2024, 7, 9), QTime(13, 1, 2, 999)) << u"20240709-130102"_s;
}

// The stamp shows local time whatever time zone the caller passes.
void TestTimeStamp::formats()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, stamp);

    QCOMPARE(vm::timeStamp(when), stamp);
    QCOMPARE(vm::timeStamp(when.toUTC()), stamp);
    QCOMPARE(vm::timeStamp(when.toTimeZone(QTimeZone(5 * 3600))), stamp);
}

void TestTimeStamp::defaultIsNow()
{
    const QString before = vm::timeStamp(QDateTime::currentDateTime());
    const QString now = vm::timeStamp();
    const QString after = vm::timeStamp(QDateTime::currentDateTime());

    static const QRegularExpression shape(u"^\\d{8}-\\d{6}$"_s);
    QVERIFY2(shape.match(now).hasMatch(), qPrintable(now));
    QVERIFY(before <= now);
    QVERIFY(now <= after);
}

QTEST_GUILESS_MAIN(TestTimeStamp)
#include "tst_timestamp.moc"
