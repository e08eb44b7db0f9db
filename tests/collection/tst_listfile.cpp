#include "collection/listfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/testfiles.h"

using namespace vm;
using vm::test::readBytes;
using vm::test::writeBytes;

namespace {

// A vehicle header line as the program writes it.
QByteArray vehicleHeaderLine()
{
    QByteArray line;
    for (const QString& h : layoutHeaders(Layout::Vehicle)) {
        line += h.toLatin1() + '\t';
    }
    return line + "\r\n";
}

} // namespace

class TestListFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyListIsHeaderAndOneEmptyRow_data();
    void emptyListIsHeaderAndOneEmptyRow();
    void readingRules_data();
    void readingRules();
    void oldAndWideFilesTakeTheLayout_data();
    void oldAndWideFilesTakeTheLayout();
    void roundTripKeepsEveryByte();
    void cellBreaksAreWrittenAsBlanks();
    void unreadableFileBlocksWrites();
    void failedWriteKeepsPreviousFile();
    void nextNumber_data();
    void nextNumber();
    void formatRecordNumber_data();
    void formatRecordNumber();
    void columnByHeader_data();
    void columnByHeader();

private:
    QTemporaryDir m_dir;
};

void TestListFile::emptyListIsHeaderAndOneEmptyRow_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("columns");
    QTest::newRow("vehicle") << int(Layout::Vehicle) << 25;
    QTest::newRow("accessory") << int(Layout::Accessory) << 17;
}

void TestListFile::emptyListIsHeaderAndOneEmptyRow()
{
    QFETCH(int, layout);
    QFETCH(int, columns);
    const ItemList list = ItemList::empty(Layout(layout));
    const QString path = m_dir.filePath(QStringLiteral("empty.csv"));
    QVERIFY(SaveListFile(list, path).ok());

    const QList<QByteArray> lines = readBytes(path).split('\n');
    QCOMPARE(lines.size(), 3); // header, empty row, nothing after the last CR LF
    QVERIFY(lines[0].startsWith("#\tArt\t"));
    QCOMPARE(lines[0].count('\t'), columns);
    QCOMPARE(lines[1], QByteArray(columns, '\t') + '\r');
    QCOMPARE(lines[2], QByteArray());
}

void TestListFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("row1");
    QTest::addColumn<int>("rows");

    // The list starts as header + one row whose cells are "old0".."old4".
    const QStringList old = {"old0", "old1", "old2", "old3", "old4"};
    QTest::newRow("zero bytes change nothing") << QByteArray() << old << 2;
    QTest::newRow("LF only") << QByteArray("h\nA\tB\tC\tD\tE\t\n")
                             << QStringList{"A", "B", "C", "D", "E"} << 2;
    QTest::newRow("CR only") << QByteArray("h\rA\tB\tC\tD\tE\t\r")
                             << QStringList{"A", "B", "C", "D", "E"} << 2;
    QTest::newRow("three fields, no trailing TAB")
        << QByteArray("h\r\nA\tB\tC") << QStringList{"A", "B", "C", "old3", "old4"} << 2;
    QTest::newRow("empty line has no field") << QByteArray("h\r\n\r\n") << old << 2;
    QTest::newRow("empty fields in the middle")
        << QByteArray("h\r\n\t\tX\t\r\n") << QStringList{"", "", "X", "old3", "old4"} << 2;
    QTest::newRow("NUL ends the content") << QByteArray("h\r\nA\tB\0C\tD\r\nZ\r\n", 15)
                                          << QStringList{"A", "B", "old2", "old3", "old4"} << 2;
    QTest::newRow("extra lines append rows")
        << QByteArray("h\r\n1\r\n2\r\n3\r\n") << QStringList{"1", "old1", "old2", "old3", "old4"}
        << 4;
    QTest::newRow("high bytes are Windows-1252")
        << QByteArray("h\r\nG\xfc"
                      "terwagen\t\x80\t\x81\r\n")
        << QStringList{QStringLiteral("Güterwagen"), QStringLiteral("€"), QString(QChar(0x81)),
                       "old3", "old4"}
        << 2;
}

void TestListFile::readingRules()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, row1);
    QFETCH(int, rows);

    ItemList list(Layout::Vehicle);
    list.setRow(0, {"#", "Art", "x", "y", "z"});
    list.setRow(1, {"old0", "old1", "old2", "old3", "old4"});
    const QString path = m_dir.filePath(QStringLiteral("rules.csv"));
    writeBytes(path, content);

    QVERIFY(LoadListFile(list, path).ok());
    QCOMPARE(list.rowCount(), rows);
    QCOMPARE(list.row(1), row1);
    if (content.isEmpty()) {
        QCOMPARE(list.cell(0, 0), QStringLiteral("#"));
    }
}

void TestListFile::oldAndWideFilesTakeTheLayout_data()
{
    QTest::addColumn<int>("fieldsPerLine");
    QTest::newRow("older file with 23 columns") << 23;
    QTest::newRow("file with 27 columns") << 27;
}

void TestListFile::oldAndWideFilesTakeTheLayout()
{
    QFETCH(int, fieldsPerLine);
    QByteArray content;
    for (int line = 0; line < 3; ++line) {
        for (int f = 0; f < fieldsPerLine; ++f) {
            content += (line == 0 ? "H" : "v") + QByteArray::number(f) + '\t';
        }
        content += "\r\n";
    }
    const QString path = m_dir.filePath(QStringLiteral("layout.csv"));
    writeBytes(path, content);

    ItemList list = ItemList::empty(Layout::Vehicle);
    QVERIFY(LoadListFile(list, path).ok());
    ApplyColumnLayout(list);
    QCOMPARE(list.columnCount(), 25);
    QCOMPARE(list.cell(0, 1), QStringLiteral("H1")); // the file's own leading headers stay
    QCOMPARE(list.cell(0, 18), QStringLiteral("Preis"));
    QCOMPARE(list.cell(0, 23), QStringLiteral("Anzahl"));
    QCOMPARE(list.cell(0, 24), QStringLiteral("Dig.Fmt."));
    if (fieldsPerLine < 25) {
        QCOMPARE(list.cell(2, 23), QString());
        QCOMPARE(list.cell(2, 24), QString());
    } else {
        QCOMPARE(list.cell(2, 24), QStringLiteral("v24"));
    }

    QVERIFY(SaveListFile(list, path).ok());
    for (const QByteArray& line : readBytes(path).split('\n')) {
        if (!line.isEmpty()) {
            QCOMPARE(line.count('\t'), 25);
            QVERIFY(line.endsWith("\t\r"));
        }
    }
}

void TestListFile::roundTripKeepsEveryByte()
{
    // Every byte the format allows in a cell, in a well-formed file.
    QByteArray content = vehicleHeaderLine();
    QByteArray cells;
    for (int b = 0x20; b <= 0xFF; ++b) {
        cells += char(b);
    }
    content += cells + QByteArray(24, '\t') + "\t\r\n";
    const QString path = m_dir.filePath(QStringLiteral("bytes.csv"));
    writeBytes(path, content);

    ItemList list = ItemList::empty(Layout::Vehicle);
    QVERIFY(LoadListFile(list, path).ok());
    ApplyColumnLayout(list);
    QVERIFY(SaveListFile(list, path).ok());
    QCOMPARE(readBytes(path), content);
}

void TestListFile::cellBreaksAreWrittenAsBlanks()
{
    ItemList list = ItemList::empty(Layout::Accessory);
    list.setCell(1, 2, QStringLiteral("Bahnhof\tmit\r\nDach\rund\nTür"));
    const QString path = m_dir.filePath(QStringLiteral("breaks.csv"));
    QVERIFY(SaveListFile(list, path).ok());

    ItemList back = ItemList::empty(Layout::Accessory);
    QVERIFY(LoadListFile(back, path).ok());
    QCOMPARE(back.rowCount(), 2);
    QCOMPARE(back.cell(1, 2), QStringLiteral("Bahnhof mit  Dach und Tür"));
    QCOMPARE(back.cell(1, 3), QString());
}

void TestListFile::unreadableFileBlocksWrites()
{
    // A directory stands in for a file that exists but cannot be read, also
    // when the tests run with the rights to read anything.
    const QString path = m_dir.filePath(QStringLiteral("LOCOMOTIVES.CSV"));
    QVERIFY(QDir().mkpath(path));

    ItemList list = ItemList::empty(Layout::Vehicle);
    const Status read = LoadListFile(list, path);
    QVERIFY(!read.ok());
    QVERIFY(read.message().contains(QStringLiteral("LOCOMOTIVES.CSV")));
    QCOMPARE(list.rowCount(), 2);

    const QString other = m_dir.filePath(QStringLiteral("other.csv"));
    const Status write = SaveListFile(list, other);
    QVERIFY(!write.ok());
    QVERIFY(write.message().contains(QStringLiteral("LOCOMOTIVES.CSV")));
    QVERIFY(!QFile::exists(other));

    // Once the list has been read, it can be written again.
    QVERIFY(QDir(path).removeRecursively());
    writeBytes(path, vehicleHeaderLine());
    QVERIFY(LoadListFile(list, path).ok());
    QVERIFY(SaveListFile(list, other).ok());
}

void TestListFile::failedWriteKeepsPreviousFile()
{
    const QString path = m_dir.filePath(QStringLiteral("keep.csv"));
    writeBytes(path, "previous\r\n");
    // The target's name is taken by a non-empty folder: the rename must fail.
    const QString blocked = m_dir.filePath(QStringLiteral("taken.csv"));
    QVERIFY(QDir().mkpath(blocked + QStringLiteral("/inside")));
    QVERIFY(!SaveListFile(ItemList::empty(Layout::Vehicle), blocked).ok());
    QVERIFY(!SaveListFile(ItemList::empty(Layout::Vehicle),
                          m_dir.filePath(QStringLiteral("missing/keep.csv")))
                 .ok());
    QCOMPARE(readBytes(path), QByteArray("previous\r\n"));
    const QStringList left = QDir(m_dir.path()).entryList({QStringLiteral("*.csv.*")}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
}

void TestListFile::nextNumber_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<qint64>("next");
    QTest::newRow("gaps, letters, empty") << QStringList{"0003", "0010", "A", ""} << qint64(11);
    QTest::newRow("no numbers") << QStringList{"", "x"} << qint64(1);
    QTest::newRow("empty row only") << QStringList{""} << qint64(1);
    QTest::newRow("more than four digits") << QStringList{"12345", "0002"} << qint64(12346);
    QTest::newRow("never zero or negative") << QStringList{"-7", "0000"} << qint64(1);
}

void TestListFile::nextNumber()
{
    QFETCH(QStringList, numbers);
    QFETCH(qint64, next);
    ItemList list = ItemList::empty(Layout::Vehicle);
    for (int i = 0; i < numbers.size(); ++i) {
        list.setCell(i + 1, 0, numbers[i]);
    }
    list.setCell(0, 0, QStringLiteral("99")); // the header row never counts
    QCOMPARE(NextNumber(list), next);
}

void TestListFile::formatRecordNumber_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << qint64(1) << "0001";
    QTest::newRow("42") << qint64(42) << "0042";
    QTest::newRow("11") << qint64(11) << "0011";
    QTest::newRow("12345") << qint64(12345) << "12345";
}

void TestListFile::formatRecordNumber()
{
    QFETCH(qint64, number);
    QFETCH(QString, text);
    QCOMPARE(FormatRecordNumber(number), text);
}

void TestListFile::columnByHeader_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::newRow("case ignored") << "ATTACH" << 17;
    QTest::newRow("trailing blanks of a caption") << "Baureihe      " << 2;
    QTest::newRow("one trailing blank") << "Preis " << 18;
    QTest::newRow("umlaut upper-cased") << QStringLiteral("LÄNGE") << 22;
    QTest::newRow("record number") << "#" << 0;
    QTest::newRow("no such column") << "Zustand" << -1;
}

void TestListFile::columnByHeader()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    ItemList list = ItemList::empty(Layout::Vehicle);
    list.setCell(0, 2, QStringLiteral("Bau reihe")); // blanks in a header are ignored too
    QCOMPARE(ColumnByHeader(list, name), column);
}

QTEST_GUILESS_MAIN(TestListFile)
#include "tst_listfile.moc"
