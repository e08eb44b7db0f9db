#include "reference/referencetables.h"
#include "reference/vocabularies.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/testfiles.h"

using namespace vm;
using vm::test::readBytes;
using vm::test::writeBytes;

class TestReferenceTables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void builtInListsAreInSortedOrder_data();
    void builtInListsAreInSortedOrder();
    void artVocabularies();
    void fileFormat_data();
    void fileFormat();
    void firstStartWritesOnlyProducers();
    void filesMergeOrReplace();
    void addToReferenceTable();
    void functionNamesAreStoredSorted();
};

void TestReferenceTables::builtInListsAreInSortedOrder_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("count");
    QTest::newRow("producers") << builtInProducers() << 36;
    QTest::newRow("railway companies") << builtInRailCompanies() << 26;
    QTest::newRow("decoders") << builtInDecoders() << 9;
    QTest::newRow("function names") << defaultFunctionNames() << 41;
}

void TestReferenceTables::builtInListsAreInSortedOrder()
{
    QFETCH(QStringList, items);
    QFETCH(int, count);
    QCOMPARE(items.size(), count);
    // The stored order is the order the sorted boxes keep, umlauts included.
    QStringList sorted = items;
    std::reverse(sorted.begin(), sorted.end());
    sortChoices(sorted);
    QCOMPARE(sorted, items);
}

void TestReferenceTables::artVocabularies()
{
    QCOMPARE(artVocabulary(0),
             QStringList({"Dampf", "Diesel", "Elektro", "Sonstige Lok", "Triebwagen"}));
    QCOMPARE(artVocabulary(1), QStringList({QStringLiteral("Güter"), "Personen", "Schlafwagen",
                                            "Speisewagen", "Spezial"}));
    QCOMPARE(artVocabulary(2).first(), QStringLiteral("Elekrisches Zubehör"));
    QCOMPARE(artVocabulary(3).size(), 18);
    QCOMPARE(artVocabulary(4), artVocabulary(3));
}

void TestReferenceTables::fileFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("CR LF, empty first line") << QByteArray("\r\nDB\r\n") << QStringList{"", "DB"};
    QTest::newRow("LF, last line without end") << QByteArray("a, b\nc") << QStringList{"a, b", "c"};
    QTest::newRow("CR and umlaut") << QByteArray("\xd6"
                                                 "BB\r")
                                   << QStringList{QStringLiteral("ÖBB")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestReferenceTables::fileFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("T.CSV"));
    writeBytes(path, bytes);
    QStringList read;
    QVERIFY(readReferenceFile(path, read).ok());
    QCOMPARE(read, entries);

    QVERIFY(writeReferenceFile(path, entries).ok());
    QByteArray expected;
    for (const QString& e : entries) {
        expected += e.toLatin1() + "\r\n";
    }
    if (entries == QStringList{QStringLiteral("ÖBB")}) {
        expected = "\xd6"
                   "BB\r\n";
    }
    QCOMPARE(readBytes(path), expected);
}

void TestReferenceTables::firstStartWritesOnlyProducers()
{
    QTemporaryDir dir;
    ReferenceTables tables(dir.path());
    QVERIFY(tables.LoadReferenceTables().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"PRODUCER.CSV"});
    QCOMPARE(readBytes(tables.filePath(ReferenceTables::kProducerFile)).count("\r\n"), 36);
    QCOMPARE(tables.functionNames.size(), 41);

    // Opening the settings dialog writes the other three files.
    QVERIFY(tables.EnsureReferenceFiles().isEmpty());
    QVERIFY(readBytes(tables.filePath(ReferenceTables::kRailCoFile)).startsWith("\r\nBR\r\n"));
    QVERIFY(readBytes(tables.filePath(ReferenceTables::kDecoderFile))
                .startsWith("\r\nDelta M\xe4\r\n"));
    const QByteArray functions = readBytes(tables.filePath(ReferenceTables::kFunctionFile));
    QVERIFY(functions.startsWith("\r\nAnfahrb. AUS\r\n"));
    QCOMPARE(functions.count("\r\n"), 41);
}

void TestReferenceTables::filesMergeOrReplace()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("PRODUCER.CSV")),
               "M\xe4rklin\r\nm\xe4rklin\r\nZeuke\r\nELECTOTRAIN\r\n");
    writeBytes(dir.filePath(QStringLiteral("RAILCO.CSV")), "DB\r\n");
    writeBytes(dir.filePath(QStringLiteral("DIGFUNCTIONS.CSV")), "Zzz\r\nAaa\r\n");
    ReferenceTables tables(dir.path());
    QVERIFY(tables.LoadReferenceTables().isEmpty());
    QCOMPARE(tables.producers.size(), 38); // 36 + "Zeuke" + "Electotren"
    QVERIFY(tables.producers.contains(QStringLiteral("Zeuke")));
    QVERIFY(tables.producers.contains(QStringLiteral("Electotren")));
    QCOMPARE(indexOfIgnoringCase(tables.producers, QStringLiteral("Electotrain")), -1);
    QCOMPARE(tables.railCompanies, QStringList{"DB"});
    QCOMPARE(tables.decoders, builtInDecoders());
    QCOMPARE(tables.functionNames, QStringList({"Zzz", "Aaa"})); // file order
}

void TestReferenceTables::addToReferenceTable()
{
    QTemporaryDir dir;
    ReferenceTables tables(dir.path());
    QString text = QStringLiteral("  Zeuke ");
    bool added = false;
    QVERIFY(
        tables.AddToReferenceTable(tables.producers, text, ReferenceTables::kProducerFile, &added)
            .ok());
    QVERIFY(added);
    QCOMPARE(text, QStringLiteral("Zeuke"));
    QCOMPARE(tables.producers.last(), QStringLiteral("Zeuke"));
    QVERIFY(
        readBytes(tables.filePath(ReferenceTables::kProducerFile)).endsWith("Wiking\r\nZeuke\r\n"));

    text = QStringLiteral("roco");
    QVERIFY(
        tables.AddToReferenceTable(tables.producers, text, ReferenceTables::kProducerFile, &added)
            .ok());
    QVERIFY(!added);
    QCOMPARE(tables.producers.size(), 37);
}

void TestReferenceTables::functionNamesAreStoredSorted()
{
    QTemporaryDir dir;
    ReferenceTables tables(dir.path());
    tables.LoadReferenceTables();
    QVERIFY(tables.storeFunctionNames({"Licht", "sound", "Abblendlicht", " Licht <w>", ""}).ok());
    QCOMPARE(tables.functionNames.size(), 42);
    QCOMPARE(tables.functionNames.value(1), QStringLiteral("Abblendlicht"));
    QStringList onDisk;
    QVERIFY(readReferenceFile(tables.filePath(ReferenceTables::kFunctionFile), onDisk).ok());
    QCOMPARE(onDisk, tables.functionNames);
}

QTEST_GUILESS_MAIN(TestReferenceTables)
#include "tst_referencetables.moc"
