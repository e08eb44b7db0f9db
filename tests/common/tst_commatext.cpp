#include "common/commatext.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestCommaText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void roundTrips_data();
    void roundTrips();
};

void TestCommaText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("only blanks") << u"  \t "_s << QStringList();
    QTest::newRow("plain items") << u"a,bc,d"_s << QStringList{u"a"_s, u"bc"_s, u"d"_s};
    QTest::newRow("blanks and controls between items")
        << u" \t a , \x01\x1F b\r\n,c  "_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("blank separates words") << u"a b,c"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("tab and line end separate words")
        << u"a\tb\nc"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("quoted keeps blanks and commas")
        << u"\"a b, c\",d"_s << QStringList{u"a b, c"_s, u"d"_s};
    QTest::newRow("doubled quote is one quote")
        << u"\"say \"\"hi\"\"\""_s << QStringList{u"say \"hi\""_s};
    QTest::newRow("quoted empty") << u"\"\""_s << QStringList{u""_s};
    QTest::newRow("unterminated quote runs to end") << u"\"a,b"_s << QStringList{u"a,b"_s};
    QTest::newRow("quote inside unquoted item") << u"a\"b"_s << QStringList{u"a\"b"_s};
    QTest::newRow("two commas enclose empty item")
        << u"a,,b"_s << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("blank between two commas") << u"a, ,b"_s << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("leading comma") << u",a"_s << QStringList{u""_s, u"a"_s};
    QTest::newRow("trailing comma adds one empty item") << u"a,"_s << QStringList{u"a"_s, u""_s};
    QTest::newRow("trailing comma after quoted") << u"\"a b\","_s << QStringList{u"a b"_s, u""_s};
    QTest::newRow("two trailing commas") << u"a,,"_s << QStringList{u"a"_s, u""_s, u""_s};
    QTest::newRow("only a comma") << u","_s << QStringList{u""_s, u""_s};
    QTest::newRow("non-ASCII items") << u"ä€,Ÿ"_s << QStringList{u"ä€"_s, u"Ÿ"_s};
    QTest::newRow("NUL ends text") << u"a,b\0,c"_s << QStringList{u"a"_s, u"b"_s};
}

void TestCommaText::reads()
{
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QCOMPARE(vm::readCommaText(text), items);
}

void TestCommaText::writes_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("text");

    QTest::newRow("no items") << QStringList() << QString();
    QTest::newRow("sole empty item") << QStringList{u""_s} << u"\"\""_s;
    QTest::newRow("plain items") << QStringList{u"a"_s, u"b"_s, u"ä"_s} << u"a,b,ä"_s;
    QTest::newRow("blank") << QStringList{u"a b"_s} << u"\"a b\""_s;
    QTest::newRow("tab") << QStringList{u"a\tb"_s} << u"\"a\tb\""_s;
    QTest::newRow("control char") << QStringList{u"a\x01"_s} << u"\"a\x01\""_s;
    QTest::newRow("comma") << QStringList{u"a,b"_s, u"c"_s} << u"\"a,b\",c"_s;
    QTest::newRow("quote doubled") << QStringList{u"12\" rail"_s} << u"\"12\"\" rail\""_s;
    QTest::newRow("only a quote") << QStringList{u"\""_s} << u"\"\"\"\""_s;
    QTest::newRow("empty middle item") << QStringList{u"a"_s, u""_s, u"b"_s} << u"a,,b"_s;
    QTest::newRow("empty last item") << QStringList{u"a"_s, u""_s} << u"a,"_s;
}

void TestCommaText::writes()
{
    QFETCH(QStringList, items);
    QFETCH(QString, text);
    QCOMPARE(vm::writeCommaText(items), text);
    if (items.size() == 1 && !items.first().isEmpty()) {
        QCOMPARE(vm::quoteCommaItem(items.first()), text);
    }
}

void TestCommaText::roundTrips_data()
{
    QTest::addColumn<QStringList>("items");

    QTest::newRow("none") << QStringList();
    QTest::newRow("sole empty") << QStringList{u""_s};
    QTest::newRow("two empty") << QStringList{u""_s, u""_s};
    QTest::newRow("three empty") << QStringList{u""_s, u""_s, u""_s};
    QTest::newRow("plain") << QStringList{u"Lok.jpg"_s, u"Wagen 2.jpg"_s};
    QTest::newRow("blanks at the ends") << QStringList{u" a "_s, u"b"_s};
    QTest::newRow("quotes") << QStringList{u"\"x\""_s, u"a\"\"b"_s, u"\""_s};
    QTest::newRow("commas") << QStringList{u","_s, u",,"_s, u"a,"_s};
    QTest::newRow("line break") << QStringList{u"a\r\nb"_s, u"c"_s};
    QTest::newRow("empty first") << QStringList{u""_s, u"a"_s};
    QTest::newRow("empty middle") << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("empty last") << QStringList{u"a b"_s, u""_s};
    QTest::newRow("two empty last") << QStringList{u"a"_s, u""_s, u""_s};
    QTest::newRow("non-ASCII") << QStringList{u"Güterwagen, ähnlich €"_s, u"Ÿ"_s};
}

void TestCommaText::roundTrips()
{
    QFETCH(QStringList, items);
    QCOMPARE(vm::readCommaText(vm::writeCommaText(items)), items);
}

QTEST_GUILESS_MAIN(TestCommaText)
#include "tst_commatext.moc"
