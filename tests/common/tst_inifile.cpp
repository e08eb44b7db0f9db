#include "common/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/testfiles.h"

using vm::test::readBytes;
using vm::test::writeBytes;

using namespace Qt::StringLiterals;

namespace {

QString crlf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line + u"\r\n"_s;
    }
    return text;
}

// Values as the program's settings files hold them: blanks around "=", both
// kinds of quotes, comments and a blank line before the next section.
const QStringList kValues = {
    u"; Einstellungen"_s,
    u"[Fenster]"_s,
    u"Breite = 800 \t"_s,
    u"; Kommentar=kein Schlüssel"_s,
    u"Titel = \"Meine Sammlung\" "_s,
    u"Zitat='einfach'"_s,
    u"Halb=\"a"_s,
    u"Innen=a \"b\" c"_s,
    u"Gemischt=\"a'"_s,
    u"NurQuote=\""_s,
    u"LeereQuotes=\"\""_s,
    u"InnenBlanks=\" a \""_s,
    u"Leer="_s,
    u"Gleich=a=b"_s,
    u""_s,
    u"[ Liste ]"_s,
    u"Spalten=1,2,3"_s,
    u"Breite=5"_s,
};

// A small file for the edits, so each expected result is readable.
const QStringList kEdit = {
    u"; Kopf"_s, u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s, u"Key2=zwei"_s,
    u""_s,       u"[B]"_s, u"x=1"_s,         u""_s,
};

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsValues_data();
    void readsValues();
    void cutsLongValues_data();
    void cutsLongValues();
    void readsIntegers_data();
    void readsIntegers();
    void listsSectionsAndKeys();
    void setsValues_data();
    void setsValues();
    void removes_data();
    void removes();
    void savesWindows1252WithCrLf();
    void loadAndSave_data();
    void loadAndSave();
    void loadsMissingFileAsEmpty();
    void failsOnFolder();
};

void TestIniFile::readsValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString none = u"<default>"_s;
    QTest::newRow("blanks dropped") << u"Fenster"_s << u"Breite"_s << u"800"_s;
    QTest::newRow("any letter case") << u"FENSTER"_s << u"breite"_s << u"800"_s;
    QTest::newRow("double quotes") << u"Fenster"_s << u"Titel"_s << u"Meine Sammlung"_s;
    QTest::newRow("single quotes") << u"Fenster"_s << u"Zitat"_s << u"einfach"_s;
    QTest::newRow("opening quote only") << u"Fenster"_s << u"Halb"_s << u"\"a"_s;
    QTest::newRow("inner quotes kept") << u"Fenster"_s << u"Innen"_s << u"a \"b\" c"_s;
    QTest::newRow("mixed quotes kept") << u"Fenster"_s << u"Gemischt"_s << u"\"a'"_s;
    QTest::newRow("sole quote kept") << u"Fenster"_s << u"NurQuote"_s << u"\""_s;
    QTest::newRow("empty quotes") << u"Fenster"_s << u"LeereQuotes"_s << u""_s;
    QTest::newRow("blanks inside quotes kept") << u"Fenster"_s << u"InnenBlanks"_s << u" a "_s;
    QTest::newRow("empty value is no default") << u"Fenster"_s << u"Leer"_s << u""_s;
    QTest::newRow("second = belongs to value") << u"Fenster"_s << u"Gleich"_s << u"a=b"_s;
    QTest::newRow("blanks in section header") << u"liste"_s << u"SPALTEN"_s << u"1,2,3"_s;
    QTest::newRow("same key, other section") << u"Liste"_s << u"Breite"_s << u"5"_s;
    QTest::newRow("missing key") << u"Fenster"_s << u"Fehlt"_s << none;
    QTest::newRow("missing section") << u"Fehlt"_s << u"Breite"_s << none;
    QTest::newRow("comment is no key") << u"Fenster"_s << u"; Kommentar"_s << none;
    QTest::newRow("key outside its section") << u"Liste"_s << u"Titel"_s << none;
}

void TestIniFile::readsValues()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);

    vm::IniFile ini;
    ini.setText(crlf(kValues));
    QCOMPARE(ini.value(section, key, u"<default>"_s), value);
    QCOMPARE(ini.contains(section, key), value != u"<default>");
}

void TestIniFile::cutsLongValues_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("quoted");

    QTest::newRow("2046") << 2046 << false;
    QTest::newRow("2047") << 2047 << false;
    QTest::newRow("2048") << 2048 << false;
    QTest::newRow("5000") << 5000 << false;
    QTest::newRow("quoted 2047") << 2047 << true;
    QTest::newRow("quoted 2048") << 2048 << true;
}

void TestIniFile::cutsLongValues()
{
    QFETCH(int, length);
    QFETCH(bool, quoted);

    QString value;
    for (int i = 0; i < length; ++i) {
        value.append(QChar(u'a' + i % 26));
    }
    const QString written = quoted ? u'"' + value + u'"' : value;

    vm::IniFile ini;
    ini.setText(u"[S]\r\nk="_s + written + u"\r\n"_s);
    QCOMPARE(ini.value(u"S"_s, u"k"_s), value.left(vm::IniFile::kMaxValueLength));
    QCOMPARE(ini.value(u"S"_s, u"k"_s, QString(), 10), value.left(10));
}

void TestIniFile::readsIntegers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("value");

    QTest::newRow("number") << u"n=42"_s << 42;
    QTest::newRow("negative with blanks") << u"n = -7 "_s << -7;
    QTest::newRow("quoted") << u"n=\"5\""_s << 5;
    QTest::newRow("word") << u"n=abc"_s << -1;
    QTest::newRow("number then word") << u"n=12abc"_s << -1;
    QTest::newRow("empty") << u"n="_s << -1;
    QTest::newRow("too large") << u"n=99999999999"_s << -1;
    QTest::newRow("missing") << u"m=3"_s << -1;
}

void TestIniFile::readsIntegers()
{
    QFETCH(QString, line);
    QFETCH(int, value);

    vm::IniFile ini;
    ini.setText(u"[S]\n"_s + line);
    QCOMPARE(ini.intValue(u"s"_s, u"N"_s, -1), value);
}

void TestIniFile::listsSectionsAndKeys()
{
    vm::IniFile ini;
    ini.setText(crlf(kValues));
    QCOMPARE(ini.sections(), (QStringList{u"Fenster"_s, u"Liste"_s}));
    QCOMPARE(ini.keys(u"liste"_s), (QStringList{u"Spalten"_s, u"Breite"_s}));
    QVERIFY(ini.keys(u"Fenster"_s).contains(u"Titel"_s));
    QVERIFY(!ini.keys(u"Fenster"_s).contains(u"; Kommentar"_s));
    QVERIFY(ini.keys(u"Fehlt"_s).isEmpty());
    QVERIFY(ini.hasSection(u"LISTE"_s));
    QVERIFY(!ini.hasSection(u"Fehlt"_s));
}

void TestIniFile::setsValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("update in place, spelling of the file")
        << u"a"_s << u"KEY1"_s << u"neu"_s << u"neu"_s
        << QStringList{u"; Kopf"_s, u"[A]"_s, u"Key1=neu"_s, u"; Notiz"_s, u"Key2=zwei"_s,
                       u""_s,       u"[B]"_s, u"x=1"_s,      u""_s};
    QTest::newRow("new key before blank line")
        << u"A"_s << u"Key3"_s << u"drei"_s << u"drei"_s
        << QStringList{u"; Kopf"_s,    u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s, u"Key2=zwei"_s,
                       u"Key3=drei"_s, u""_s,    u"[B]"_s,         u"x=1"_s,     u""_s};
    QTest::newRow("new key in last section")
        << u"b"_s << u"y"_s << u"2"_s << u"2"_s
        << QStringList{u"; Kopf"_s, u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s, u"Key2=zwei"_s,
                       u""_s,       u"[B]"_s, u"x=1"_s,         u"y=2"_s,     u""_s};
    QTest::newRow("new section at the end")
        << u"C"_s << u"k"_s << u"v"_s << u"v"_s
        << QStringList{u"; Kopf"_s,    u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s,
                       u"Key2=zwei"_s, u""_s,    u"[B]"_s,         u"x=1"_s,
                       u""_s,          u"[C]"_s, u"k=v"_s};
    QTest::newRow("CR LF cuts update")
        << u"A"_s << u"Key2"_s << u"a\r\nb=c"_s << u"a"_s
        << QStringList{u"; Kopf"_s, u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s, u"Key2=a"_s,
                       u""_s,       u"[B]"_s, u"x=1"_s,         u""_s};
    QTest::newRow("LF cuts new key")
        << u"A"_s << u"Key3"_s << u"a\n[B]"_s << u"a"_s
        << QStringList{u"; Kopf"_s, u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s, u"Key2=zwei"_s,
                       u"Key3=a"_s, u""_s,    u"[B]"_s,         u"x=1"_s,     u""_s};
    QTest::newRow("CR cuts new section")
        << u"C"_s << u"k"_s << u"\rv"_s << u""_s
        << QStringList{u"; Kopf"_s,    u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s,
                       u"Key2=zwei"_s, u""_s,    u"[B]"_s,         u"x=1"_s,
                       u""_s,          u"[C]"_s, u"k="_s};
    // A NUL ends the content when the file is read again, which would lose
    // every line after it; the value is cut there like at a line break.
    QTest::newRow("NUL cuts value")
        << u"A"_s << u"Key1"_s << u"a\0b"_s << u"a"_s
        << QStringList{u"; Kopf"_s, u"[A]"_s, u"Key1=a"_s, u"; Notiz"_s, u"Key2=zwei"_s,
                       u""_s,       u"[B]"_s, u"x=1"_s,    u""_s};
}

void TestIniFile::setsValues()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QFETCH(QStringList, lines);

    vm::IniFile ini;
    ini.setText(crlf(kEdit));
    ini.setValue(section, key, value);
    QCOMPARE(ini.text(), crlf(lines));
    QCOMPARE(ini.value(section, key, u"<default>"_s), stored);
}

void TestIniFile::removes_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key"); // empty: remove the section
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("key") << u"a"_s << u"KEY2"_s
                         << QStringList{u"; Kopf"_s, u"[A]"_s, u"Key1 = eins"_s, u"; Notiz"_s,
                                        u""_s,       u"[B]"_s, u"x=1"_s,         u""_s};
    QTest::newRow("missing key") << u"B"_s << u"Key1"_s << kEdit;
    QTest::newRow("key of missing section") << u"C"_s << u"x"_s << kEdit;
    QTest::newRow("first section")
        << u"A"_s << QString() << QStringList{u"; Kopf"_s, u"[B]"_s, u"x=1"_s, u""_s};
    QTest::newRow("last section") << u"b"_s << QString()
                                  << QStringList{u"; Kopf"_s,  u"[A]"_s,       u"Key1 = eins"_s,
                                                 u"; Notiz"_s, u"Key2=zwei"_s, u""_s};
    QTest::newRow("missing section") << u"C"_s << QString() << kEdit;
}

void TestIniFile::removes()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QStringList, lines);

    vm::IniFile ini;
    ini.setText(crlf(kEdit));
    if (key.isEmpty()) {
        ini.removeSection(section);
        QVERIFY(!ini.hasSection(section));
    } else {
        ini.removeKey(section, key);
        QVERIFY(!ini.contains(section, key));
    }
    QCOMPARE(ini.text(), crlf(lines));
}

void TestIniFile::savesWindows1252WithCrLf()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Velmarotte.INI"_s);

    vm::IniFile ini(path);
    ini.setValue(u"Bahn"_s, u"Name"_s, u"Schätze €"_s);
    ini.setValue(u"Bahn"_s, u"Zeichen"_s, u"Ж😀"_s);
    const vm::Status status = ini.save();
    QVERIFY2(status.ok(), qPrintable(status.message()));
    QCOMPARE(readBytes(path), "[Bahn]\r\nName=Sch\xE4tze \x80\r\nZeichen=??\r\n"_ba);
}

void TestIniFile::loadAndSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("saved");

    const QByteArray crlfFile = "; Kopf \x80\r\n[Fenster]\r\n  Breite = 800 \r\nName=B\xE4r\r\n"
                                "Roh=\x81\x8D\x8F\x90\x9D\r\n\r\n[Leer]\r\n\r\n"_ba;
    QTest::newRow("CR LF file unchanged") << crlfFile << crlfFile;
    QTest::newRow("LF file gets CR LF") << "[Fenster]\nName=B\xE4r\n"_ba
                                        << "[Fenster]\r\nName=B\xE4r\r\n"_ba;
    QTest::newRow("last line without end") << "[Fenster]\r\nName=B\xE4r"_ba
                                           << "[Fenster]\r\nName=B\xE4r\r\n"_ba;
}

void TestIniFile::loadAndSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, saved);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Velmarotte.INI"_s);
    writeBytes(path, bytes);

    vm::IniFile ini(path);
    vm::Status status = ini.load();
    QVERIFY2(status.ok(), qPrintable(status.message()));
    QCOMPARE(ini.value(u"fenster"_s, u"name"_s), u"Bär"_s);

    status = ini.save();
    QVERIFY2(status.ok(), qPrintable(status.message()));
    QCOMPARE(readBytes(path), saved);
}

void TestIniFile::loadsMissingFileAsEmpty()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    vm::IniFile ini(dir.filePath(u"fehlt.INI"_s));
    ini.setText(u"[Alt]\r\nk=v\r\n"_s);
    const vm::Status status = ini.load();
    QVERIFY2(status.ok(), qPrintable(status.message()));
    QVERIFY(ini.sections().isEmpty());
    QCOMPARE(ini.value(u"Alt"_s, u"k"_s, u"d"_s), u"d"_s);
    QVERIFY(!QFile::exists(ini.path()));
}

// Tests run as root, so a folder stands in for a file that cannot be read.
void TestIniFile::failsOnFolder()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"Velmarotte.INI"_s);
    QVERIFY(QDir(dir.path()).mkdir(u"Velmarotte.INI"_s));

    vm::IniFile ini(path);
    ini.setText(u"[Alt]\r\nk=v\r\n"_s);
    const vm::Status loaded = ini.load();
    QVERIFY(!loaded.ok());
    QVERIFY2(loaded.message().contains(QDir::toNativeSeparators(path)),
             qPrintable(loaded.message()));
    QVERIFY(ini.sections().isEmpty());

    ini.setValue(u"Neu"_s, u"k"_s, u"v"_s);
    QVERIFY(!ini.save().ok());
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
