#include "common/richtext.h"

#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kParagraph = 0x2029; // block separator in QTextDocument::toRawText()

// Documents of the tests have a fixed default font, so that descriptions of
// formats do not depend on the fonts of the machine.
void setUp(QTextDocument& doc)
{
    QFont font(u"Arial"_s);
    font.setPointSizeF(12);
    doc.setDefaultFont(font);
}

// The format of a fragment in a few words: "b i u 18pt #ff0000 "Courier New" qc";
// properties equal to the document's default font are left out.
QString describe(const QTextDocument& doc, const QTextBlock& block, const QTextFragment& fragment)
{
    const QTextCharFormat fmt = fragment.charFormat();
    QStringList parts;
    if (fmt.fontWeight() > QFont::Medium) {
        parts << u"b"_s;
    }
    if (fmt.fontItalic()) {
        parts << u"i"_s;
    }
    if (fmt.fontUnderline()) {
        parts << u"u"_s;
    }
    const qreal size = fmt.hasProperty(QTextFormat::FontPointSize) ? fmt.fontPointSize()
                                                                   : doc.defaultFont().pointSizeF();
    if (size != doc.defaultFont().pointSizeF()) {
        parts << QString::number(size) + u"pt"_s;
    }
    if (fmt.foreground().style() != Qt::NoBrush) {
        parts << fmt.foreground().color().name();
    }
    const QStringList families = fmt.fontFamilies().toStringList();
    if (!families.isEmpty() && families.first() != doc.defaultFont().family()) {
        parts << u'"' + families.first() + u'"';
    }
    const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter) {
        parts << u"qc"_s;
    } else if (align & Qt::AlignJustify) {
        parts << u"qj"_s;
    } else if (align & Qt::AlignRight) {
        parts << u"qr"_s;
    }
    return parts.join(u' ');
}

// Every fragment as "text [format]", paragraph by paragraph.
QStringList fragments(const QTextDocument& doc)
{
    QStringList result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            result << it.fragment().text() + u" ["_s + describe(doc, block, it.fragment()) + u']';
        }
        result << u"<par>"_s;
    }
    return result;
}

// The format of the first fragment holding probe.
QString formatOf(const QTextDocument& doc, const QString& probe)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(probe)) {
                return describe(doc, block, it.fragment());
            }
        }
    }
    return u"<missing>"_s;
}

QString readText(const QByteArray& rtf)
{
    QTextDocument doc;
    vm::readRtf(rtf, doc);
    return doc.toRawText();
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

QString fixture(const char* name)
{
    return QStringLiteral(VM_TEST_FIXTURES "/") + QLatin1String(name);
}

} // namespace

class TestRichText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripText_data();
    void roundTripText();
    void roundTripFormats_data();
    void roundTripFormats();
    void readsText_data();
    void readsText();
    void readsFormats_data();
    void readsFormats();
    void malformedInput_data();
    void malformedInput();
    void loadsFixture_data();
    void loadsFixture();
    void fixtureFormats_data();
    void fixtureFormats();
    void looksLikeRtf_data();
    void looksLikeRtf();
    void saveAndLoad();
    void loadFailureKeepsDocument();
};

// Text goes through writer and reader unchanged; "\n" separates paragraphs.
// The written RTF is 7-bit ASCII with the header word processors expect.
void TestRichText::roundTripText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty document") << QString();
    QTest::newRow("umlauts and euro") << u"Fahrgeräusch ÄÖÜ äöü ß 129 €, „Zitat“ – Ÿ"_s;
    QTest::newRow("outside the code page") << u"Łódź ł Ω 漢字 😀"_s;
    QTest::newRow("braces and backslashes") << u"C:\\Lok\\{neu} {\\b nicht fett} \\par }{"_s;
    QTest::newRow("paragraphs, empty ones too") << u"Erste\n\nDritte\n"_s;
    QTest::newRow("tab and line break") << u"Adresse\t3\u2028zweite Zeile"_s;
    QTest::newRow("special spaces and hyphens") << u"1:87\u00A0H0 Trenn\u00ADung Nr\u20111"_s;
    QTest::newRow("leading spaces and digits after words") << u"  2 Loks\t 3\n 4"_s;
    QTest::newRow("question mark after non-ASCII") << u"Ω?ł??"_s;
}

void TestRichText::roundTripText()
{
    QFETCH(QString, text);

    QTextDocument doc;
    setUp(doc);
    QTextCursor cursor(&doc);
    const QStringList paragraphs = text.split(u'\n');
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) {
            cursor.insertBlock();
        }
        cursor.insertText(paragraphs[i]);
    }

    const QByteArray rtf = vm::writeRtf(doc);
    QVERIFY2(isAscii(rtf), rtf.constData());
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));

    QTextDocument read;
    vm::readRtf(rtf, read);
    QCOMPARE(read.toRawText(), QString(text).replace(u'\n', kParagraph));
    QCOMPARE(read.blockCount(), doc.blockCount());
}

// One formatted run between plain text, in a paragraph with an alignment:
// the run keeps its format, and the format ends with the run.
void TestRichText::roundTripFormats_data()
{
    QTest::addColumn<QTextFormat>("format");
    QTest::addColumn<int>("alignment");

    const auto row = [](const char* name, const std::function<void(QTextCharFormat&)>& set,
                        Qt::Alignment align = Qt::AlignLeft) {
        QTextCharFormat fmt;
        set(fmt);
        QTest::newRow(name) << QTextFormat(fmt) << int(align);
    };
    row("bold", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    row("italic", [](QTextCharFormat& f) { f.setFontItalic(true); });
    row("underline", [](QTextCharFormat& f) { f.setFontUnderline(true); });
    row("size", [](QTextCharFormat& f) { f.setFontPointSize(18); });
    row("half-point size", [](QTextCharFormat& f) { f.setFontPointSize(10.5); });
    row("colour", [](QTextCharFormat& f) { f.setForeground(QColor(0xd0, 0x20, 0x08)); });
    row("font", [](QTextCharFormat& f) { f.setFontFamilies({u"Courier New"_s}); });
    row("font with non-ASCII name", [](QTextCharFormat& f) { f.setFontFamilies({u"Schön"_s}); });
    row("everything", [](QTextCharFormat& f) {
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontPointSize(7);
        f.setForeground(QColor(Qt::blue));
        f.setFontFamilies({u"Times New Roman"_s});
    });
    row(
        "centred", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); }, Qt::AlignHCenter);
    row(
        "right", [](QTextCharFormat&) {}, Qt::AlignRight);
    row(
        "justified", [](QTextCharFormat&) {}, Qt::AlignJustify);
}

void TestRichText::roundTripFormats()
{
    QFETCH(QTextFormat, format);
    QFETCH(int, alignment);

    QTextDocument doc;
    setUp(doc);
    QTextCursor cursor(&doc);
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(Qt::Alignment(alignment));
    cursor.setBlockFormat(blockFormat);
    cursor.insertText(u"vor "_s, QTextCharFormat());
    cursor.insertText(u"Lauf"_s, format.toCharFormat());
    cursor.insertText(u" nach"_s, QTextCharFormat());
    // A second paragraph with the same run: formats carry over \par and
    // the second paragraph takes no alignment from the first.
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(u"Lauf"_s, format.toCharFormat());
    cursor.insertText(u" Ende"_s, QTextCharFormat());

    QTextDocument read;
    setUp(read);
    vm::readRtf(vm::writeRtf(doc), read);
    QCOMPARE(fragments(read), fragments(doc));
}

void TestRichText::readsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("\\'xx is Windows-1252") << R"({\rtf1 \'80\'e4\'9f\'DF})"_ba << u"€äŸß"_s;
    QTest::newRow("\\u with one fallback character") << R"({\rtf1\uc1 \u937?x})"_ba << u"Ωx"_s;
    QTest::newRow("\\uc0 has no fallback") << R"({\rtf1\uc0 \u937 x})"_ba << u"Ωx"_s;
    QTest::newRow("\\uc2 with \\'xx fallback") << R"({\rtf1\uc2 \u27700\'cb\'ae!})"_ba << u"水!"_s;
    QTest::newRow("negative \\u") << R"({\rtf1 \u-28826?})"_ba << u"车"_s;
    QTest::newRow("surrogate pair") << R"({\rtf1 \u-10179?\u-8704?})"_ba << u"😀"_s;
    QTest::newRow("\\uc ends with its group") << R"({\rtf1{\uc2 \u937??}\u937?x})"_ba << u"ΩΩx"_s;
    QTest::newRow("fallback ends at a brace") << R"({\rtf1{\uc3 \u937?}x})"_ba << u"Ωx"_s;
    QTest::newRow("ignorable destination skipped")
        << R"({\rtf1 a{\*\unbekannt b{c}d}e})"_ba << u"ae"_s;
    QTest::newRow("unknown control words ignored")
        << R"({\rtf1 a{\unbekannt b}\xyz12 c})"_ba << u"abc"_s;
    QTest::newRow("tables and document destinations skipped")
        << R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{Normal;}})"
           R"({\info{\title T}}{\header H\par}{\footer F}{\pict 0a0b}Text})"_ba
        << u"Text"_s;
    QTest::newRow("field result kept, instruction skipped")
        << R"({\rtf1 {\field{\fldinst HYPERLINK "x"}{\fldrslt Link}}})"_ba << u"Link"_s;
    QTest::newRow("escapes") << R"({\rtf1 \\ \{ \} a\~b\-c\_d})"_ba
                             << u"\\ { } a\u00A0b\u00ADc\u2011d"_s;
    QTest::newRow("tab and line") << R"({\rtf1 a\tab b\line c})"_ba << u"a\tb\u2028c"_s;
    QTest::newRow("quotes and dashes")
        << R"({\rtf1\ldblquote x\rdblquote\lquote y\rquote\emdash\endash\bullet})"_ba
        << u"“x”‘y’—–•"_s;
    QTest::newRow("one delimiter space consumed") << R"({\rtf1\b  x\b0\i y})"_ba << u" xy"_s;
    QTest::newRow("parameter ends the word") << R"({\rtf1\fs-5x\b1y\i-z})"_ba << u"xy-z"_s;
    QTest::newRow("line ends in the source ignored")
        << "{\\rtf1 Fahr\r\nger\\'e4\nusch\\par\r\nZwei}"_ba << u"Fahrgeräusch\u2029Zwei"_s;
    QTest::newRow("backslash before a line end is \\par") << "{\\rtf1 a\\\nb}"_ba << u"a\u2029b"_s;
    QTest::newRow("last \\par adds no paragraph") << R"({\rtf1 a\par b\par})"_ba << u"a\u2029b"_s;
    QTest::newRow("empty paragraphs kept")
        << R"({\rtf1 a\par\par b\par\par})"_ba << u"a\u2029\u2029b\u2029"_s;
    QTest::newRow("\\bin data not read as RTF") << R"({\rtf1 a{\pict\bin4 }{\x}b})"_ba << u"ab"_s;
    QTest::newRow("table cells and rows")
        << R"({\rtf1\trowd a\cell b\cell\row c})"_ba << u"a\tb\t\u2029c"_s;
    QTest::newRow("text after the document ignored") << R"({\rtf1 a}b)"_ba << u"a"_s;
}

void TestRichText::readsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(readText(rtf), text);
}

void TestRichText::readsFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("format");

    const QByteArray tables = R"({\fonttbl{\f0\fnil Arial;}{\f1\fmodern\fcharset0 Courier New;})"
                              R"({\f2 Sch\'f6n;}})"
                              R"({\colortbl ;\red0\green128\blue255;\red255\green0\blue0;})"_ba;
    const auto rtf = [&](const char* body) {
        return "{\\rtf1\\deff0" + tables + body + '}';
    };

    QTest::newRow("group restores") << rtf(R"({\b\i A}B)") << u"B"_s << QString();
    QTest::newRow("group sets") << rtf(R"({\b\i A}B)") << u"A"_s << u"b i"_s;
    QTest::newRow("\\b0") << rtf(R"(\b A\b0 B)") << u"B"_s << QString();
    QTest::newRow("\\i0") << rtf(R"(\i A\i0 B)") << u"B"_s << QString();
    QTest::newRow("\\ul0") << rtf(R"(\ul A\ul0 B)") << u"B"_s << QString();
    QTest::newRow("\\ulnone") << rtf(R"(\ul A\ulnone B)") << u"B"_s << QString();
    QTest::newRow("double underline") << rtf(R"(\uldb A)") << u"A"_s << u"u"_s;
    QTest::newRow("font, size, colour")
        << rtf(R"(\f1\fs21\cf1 A)") << u"A"_s << uR"(10.5pt #0080ff "Courier New")"_s;
    QTest::newRow("font name with \\'xx") << rtf(R"(\f2 A)") << u"A"_s << uR"("Schön")"_s;
    QTest::newRow("\\cf0 is automatic") << rtf(R"(\cf2 A\cf0 B)") << u"B"_s << QString();
    QTest::newRow("\\plain resets")
        << rtf(R"(\f1\b\i\ul\fs40\cf1 A\plain B)") << u"B"_s << QString();
    QTest::newRow("unknown font and colour") << rtf(R"(\f9\cf9 A)") << u"A"_s << QString();
    QTest::newRow("alignment") << rtf(R"(\qr A\par)") << u"A"_s << u"qr"_s;
    QTest::newRow("alignment kept until \\pard")
        << rtf(R"(\qc A\par B\par\pard C\par)") << u"B"_s << u"qc"_s;
    QTest::newRow("\\pard ends alignment")
        << rtf(R"(\qc A\par B\par\pard C\par)") << u"C"_s << QString();
    QTest::newRow("alignment set at the end of the paragraph")
        << rtf(R"(\pard A\qj\par)") << u"A"_s << u"qj"_s;
}

void TestRichText::readsFormats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, probe);
    QFETCH(QString, format);

    QTextDocument doc;
    setUp(doc);
    vm::readRtf(rtf, doc);
    QCOMPARE(formatOf(doc, probe), format);
}

// Damaged files never crash or hang the reader, and it keeps the text it
// got before the damage.
void TestRichText::malformedInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("closing braces missing") << R"({\rtf1{\b fett{\i)"_ba << u"fett"_s;
    QTest::newRow("stray closing braces first") << R"(}}{\rtf1 Text})"_ba << u"Text"_s;
    QTest::newRow("too many closing braces") << R"({\rtf1 {a}}}} b})"_ba << u"a"_s;
    QTest::newRow("truncated after a backslash") << R"({\rtf1 Text\)"_ba << u"Text"_s;
    QTest::newRow("truncated in \\'") << R"({\rtf1 Text\'e)"_ba << u"Text"_s;
    QTest::newRow("truncated in \\u") << R"({\rtf1 Text\u-)"_ba << u"Text"_s;
    QTest::newRow("\\' followed by non-hex") << R"({\rtf1 Ma\'zzstab\'})"_ba << u"Mazzstab"_s;
    QTest::newRow("huge parameters")
        << R"({\rtf1\fs99999999999999999999\cf-99999999999\f4294967296\uc99999999999 )"
           R"(gro\u99999999999999?\u-99999999999?})"_ba
        << u"gro??"_s;
    QTest::newRow("\\bin longer than the data")
        << R"({\rtf1 vor\bin99999999999 danach})"_ba << u"vor"_s;
    QTest::newRow("negative \\bin") << R"({\rtf1 vor\bin-5 danach})"_ba << u"vordanach"_s;
    QTest::newRow("endless control word")
        << "{\\rtf1 Text\\" + QByteArray(200000, 'a') + " mehr}" << u"Textmehr"_s;

    for (const int depth : {10000, 200000}) {
        const QByteArray rtf =
            "{\\rtf1 " + QByteArray(depth, '{') + "\\b tief" + QByteArray(depth, '}') + " flach}";
        QTest::addRow("%d nested groups", depth) << rtf << u"tief flach"_s;
    }

    // Bytes of every value, in a fixed pseudo-random order.
    QByteArray garbage = "{\\rtf1 Anfang ";
    quint32 seed = 12345;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage += char(seed >> 23);
    }
    QTest::newRow("random bytes") << garbage << u"Anfang"_s;
}

void TestRichText::malformedInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    const QString read = readText(rtf);
    QVERIFY2(read.startsWith(text), qPrintable(read.left(200)));
}

// Files as WordPad and Word write them, and a description in plain text.
void TestRichText::loadsFixture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");

    QTest::newRow("WordPad") << fixture("richtext-wordpad.rtf")
                             << u"Die Lok hat Fahrgeräusch und rotes Licht.\u2029"
                                u"Baureihe 218\u2029"
                                u"Preis: 129 €, Maßstab 1:87, Hersteller Łódź Spur H0\u2029"
                                u"Decoder\tDCC\u2028Adresse 3"_s;
    QTest::newRow("Word") << fixture("richtext-word.rtf")
                          << u"Gleisplan überarbeitet\u2029Siehe Webseite.\u2029Bild\u2029"
                             u"水车 ΩΩ"_s;
    QTest::newRow("plain Windows-1252 text")
        << fixture("richtext-plain.txt")
        << u"Die Lok hat Fahrgeräusch.\u2029Preis 129 €\u2029\u2029Maßstab 1:87"_s;
}

void TestRichText::loadsFixture()
{
    QFETCH(QString, file);
    QFETCH(QString, text);

    QTextDocument doc;
    const vm::Status status = vm::loadDescription(file, doc);
    QVERIFY2(status.ok(), qPrintable(status.message()));
    QCOMPARE(doc.toRawText(), text);
}

void TestRichText::fixtureFormats_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("format");

    const QString wordPad = fixture("richtext-wordpad.rtf");
    QTest::newRow("WordPad plain") << wordPad << u"Die Lok"_s << uR"(11pt "Calibri")"_s;
    QTest::newRow("WordPad bold") << wordPad << u"Fahrgeräusch"_s << uR"(b 11pt "Calibri")"_s;
    QTest::newRow("WordPad colour") << wordPad << u"rotes"_s << uR"(11pt #ff0000 "Calibri")"_s;
    QTest::newRow("WordPad centred") << wordPad << u"Baureihe"_s << uR"(i 11pt "Calibri" qc)"_s;
    QTest::newRow("WordPad underline") << wordPad << u"Spur"_s << uR"(u 11pt "Calibri")"_s;
    QTest::newRow("WordPad font") << wordPad << u"Decoder"_s << uR"(10pt "Courier New")"_s;

    const QString word = fixture("richtext-word.rtf");
    QTest::newRow("Word bold") << word << u"Gleisplan"_s << uR"(b "Times New Roman")"_s;
    QTest::newRow("Word link") << word << u"Webseite"_s << uR"(u #008000 "Times New Roman")"_s;
    QTest::newRow("Word CJK font") << word << u"水车"_s << uR"("SimSun")"_s;
}

void TestRichText::fixtureFormats()
{
    QFETCH(QString, file);
    QFETCH(QString, probe);
    QFETCH(QString, format);

    QTextDocument doc;
    setUp(doc);
    QVERIFY(vm::loadDescription(file, doc).ok());
    QCOMPARE(formatOf(doc, probe), format);
}

// Decides between RTF and plain text when a description is loaded.
void TestRichText::looksLikeRtf_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("rtf");

    QTest::newRow("rtf") << R"({\rtf1\ansi})"_ba << true;
    QTest::newRow("leading white space") << " \r\n\t{\\rtf1}"_ba << true;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF{\\rtf1}"_ba << true;
    QTest::newRow("plain text") << "Die Lok {\\rtf1}"_ba << false;
    QTest::newRow("brace only") << "{rtf1}"_ba << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestRichText::looksLikeRtf()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, rtf);
    QCOMPARE(vm::looksLikeRtf(data), rtf);
}

void TestRichText::saveAndLoad()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"DESC-20240101-101010.txt"_s);

    QTextDocument doc;
    setUp(doc);
    QTextCursor cursor(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(u"Maßstab "_s);
    cursor.insertText(u"H0"_s, bold);

    const vm::Status saved = vm::saveDescription(path, doc);
    QVERIFY2(saved.ok(), qPrintable(saved.message()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), vm::writeRtf(doc));

    QTextDocument loaded;
    setUp(loaded);
    QVERIFY(vm::loadDescription(path, loaded).ok());
    QCOMPARE(fragments(loaded), fragments(doc));

    QVERIFY(!vm::saveDescription(dir.filePath(u"fehlt/DESC-1.txt"_s), doc).ok());
}

void TestRichText::loadFailureKeepsDocument()
{
    QTextDocument doc;
    doc.setPlainText(u"bisher"_s);
    const vm::Status status = vm::loadDescription(fixture("fehlt.txt"), doc);
    QVERIFY(!status.ok());
    QVERIFY2(status.message().contains(u"fehlt.txt"_s), qPrintable(status.message()));
    QCOMPARE(doc.toPlainText(), u"bisher"_s);
}

QTEST_MAIN(TestRichText)
#include "tst_richtext.moc"
