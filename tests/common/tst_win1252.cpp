#include "common/win1252.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWin1252 : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyByteRoundTrips();
    void decodesKnownBytes_data();
    void decodesKnownBytes();
    void encodes_data();
    void encodes();
    void appendKeepsExistingBytes();
};

// A file read and written back must keep all its bytes, the five bytes the
// code page leaves undefined included.
void TestWin1252::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
    }
    const QString text = vm::decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(vm::encodeWindows1252(text), all);

    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        QCOMPARE(text.at(b).unicode(), char16_t(b));
    }
}

void TestWin1252::decodesKnownBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("euro") << "\x80"_ba << u"€"_s;
    QTest::newRow("a umlaut") << "\xE4"_ba << u"ä"_s;
    QTest::newRow("Y diaeresis") << "\x9F"_ba << u"Ÿ"_s;
    QTest::newRow("quotes and dash") << "\x84\x93\x96"_ba << u"„“–"_s;
    QTest::newRow("sharp s and nbsp") << "\xDF\xA0"_ba << u"ß\u00A0"_s;
    QTest::newRow("ascii with NUL") << QByteArray("a\0b", 3) << u"a\0b"_s;
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestWin1252::decodesKnownBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(vm::decodeWindows1252(bytes), text);
}

void TestWin1252::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("euro and umlauts") << u"€ äöüÄÖÜß"_s << "\x80 \xE4\xF6\xFC\xC4\xD6\xDC\xDF"_ba;
    QTest::newRow("Y diaeresis") << u"Ÿ"_s << "\x9F"_ba;
    // U+0080 is not the character of byte 0x80 (that is the euro sign).
    QTest::newRow("C1 control not in code page") << u"\u0080"_s << "?"_ba;
    QTest::newRow("Cyrillic") << u"aЖb"_s << "a?b"_ba;
    QTest::newRow("CJK") << u"漢字"_s << "??"_ba;
    QTest::newRow("emoji is one character") << u"x😀y"_s << "x?y"_ba;
    QTest::newRow("two emoji") << u"😀😀"_s << "??"_ba;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + u"a"_s << "?a"_ba;
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << "?"_ba;
}

void TestWin1252::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(vm::encodeWindows1252(text), bytes);
}

void TestWin1252::appendKeepsExistingBytes()
{
    QByteArray out("head\r\n");
    vm::appendWindows1252(out, u"ä😀€");
    vm::appendWindows1252(out, u"");
    vm::appendWindows1252(out, u"z");
    QCOMPARE(out, "head\r\n\xE4?\x80z"_ba);
}

QTEST_GUILESS_MAIN(TestWin1252)
#include "tst_win1252.moc"
