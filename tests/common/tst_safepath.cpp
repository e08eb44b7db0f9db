#include "common/safepath.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSafePath : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksNames_data();
    void checksNames();
};

void TestSafePath::checksNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("plain");

    QTest::newRow("record file") << u"DESC-20240101-101010.txt"_s << true;
    QTest::newRow("blank in name") << u"Bild 1.jpg"_s << true;
    QTest::newRow("leading dots") << u"..x.jpg"_s << true;
    QTest::newRow("hidden file") << u".bild"_s << true;
    QTest::newRow("non-ASCII") << u"Lok ä €.jpg"_s << true;

    QTest::newRow("empty") << QString() << false;
    QTest::newRow("dot") << u"."_s << false;
    QTest::newRow("dot dot") << u".."_s << false;
    QTest::newRow("parent with slash") << u"../x.jpg"_s << false;
    QTest::newRow("parent with backslash") << u"..\\x.jpg"_s << false;
    QTest::newRow("subfolder") << u"a/b.jpg"_s << false;
    QTest::newRow("subfolder backslash") << u"a\\b.jpg"_s << false;
    QTest::newRow("absolute") << u"/etc/passwd"_s << false;
    QTest::newRow("trailing slash") << u"x/"_s << false;
    QTest::newRow("UNC") << u"\\\\server\\share"_s << false;
    QTest::newRow("drive only") << u"C:"_s << false;
    QTest::newRow("drive relative") << u"C:x.jpg"_s << false;
    QTest::newRow("drive absolute") << u"C:\\x.jpg"_s << false;
    QTest::newRow("NUL") << u"a\0.jpg"_s << false;
}

void TestSafePath::checksNames()
{
    QFETCH(QString, name);
    QFETCH(bool, plain);

    QCOMPARE(vm::isPlainFileName(name), plain);

    const std::optional<QString> joined = vm::joinSafely(u"/data/DATA"_s, name);
    QCOMPARE(joined.has_value(), plain);
    if (plain) {
        QCOMPARE(*joined, u"/data/DATA/"_s + name);
        QCOMPARE(vm::joinSafely(u"/data/DATA/"_s, name).value_or(QString()), *joined);
    }
}

QTEST_GUILESS_MAIN(TestSafePath)
#include "tst_safepath.moc"
