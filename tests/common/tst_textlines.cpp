#include "common/textlines.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTextLines : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splits_data();
    void splits();
};

void TestTextLines::splits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line without end") << u"abc"_s << QStringList{u"abc"_s};
    QTest::newRow("LF") << u"a\nb\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR") << u"a\rb\r"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR LF") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed, last without end")
        << u"a\r\nb\nc\rd"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("CR then CR LF") << u"a\r\r\nb"_s << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("LF CR is two ends") << u"a\n\rb"_s << QStringList{u"a"_s, u""_s, u"b"_s};
    QTest::newRow("only a line end") << u"\r\n"_s << QStringList{u""_s};
    QTest::newRow("blank lines kept") << u"\n\na\n\n"_s << QStringList{u""_s, u""_s, u"a"_s, u""_s};
    QTest::newRow("blanks kept") << u" a \t\n"_s << QStringList{u" a \t"_s};
    QTest::newRow("NUL ends content") << u"a\nb\0c\nd"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("NUL first") << u"\0a\nb"_s << QStringList();
}

// Both functions must agree: the list reader uses the views, everything else
// the copies.
void TestTextLines::splits()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);

    QCOMPARE(vm::splitLines(text), lines);

    const QList<QStringView> views = vm::splitLineViews(text);
    QStringList fromViews;
    for (QStringView v : views) {
        fromViews.append(v.toString());
    }
    QCOMPARE(fromViews, lines);
}

QTEST_GUILESS_MAIN(TestTextLines)
#include "tst_textlines.moc"
