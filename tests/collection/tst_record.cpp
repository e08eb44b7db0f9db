#include "collection/listfile.h"
#include "collection/record.h"
#include "common/atomicfile.h"
#include "common/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vm;

Q_DECLARE_METATYPE(vm::Layout)

namespace {

Record sampleRecord(Layout layout)
{
    Record r;
    r.number = "0003";
    r.art = "E-Lok";
    r.series = "BR 103";
    r.epoch = "IV";
    r.scale = "H0";
    r.producer = "Hersteller A";
    r.articleNumber = "12 345";
    if (layout == Layout::Vehicle) {
        r.railCompany = "DB";
        r.decoder = "mfx";
        r.address = "03";
        r.light = "F0";
        r.digitalFormat = "DCC";
        r.functions[1] = "Horn";
        r.functions[4] = "Rangiergang";
    }
    r.condition = "2 gut";
    r.ovp = true;
    r.price = "129,00";
    r.catalogueValue = "150,00";
    r.length = "23,5";
    r.quantity = "1";
    r.date = "01.02.2024";
    r.year = "1975";
    r.descriptionFile = "DESC-20240101-101010.txt";
    r.pictures = {"a_20240101-101010.jpg", "Bild 2.jpg"};
    r.sparePartPath = R"(C:\Teile\x.pdf)";
    return r;
}

QDateTime at(int h, int m, int s)
{
    return QDateTime(QDate(2024, 3, 1), QTime(h, m, s));
}

QByteArray fileBytes(const QString& path)
{
    QByteArray content;
    readWholeFile(path, content);
    return content;
}

// A list file with records numbered as given (empty cells otherwise).
void writeList(const QString& path, Layout layout, const QStringList& numbers)
{
    ItemList list = ItemList::empty(layout);
    for (int i = 0; i < numbers.size(); ++i) {
        list.setCell(i + 1, 0, numbers[i]);
        list.setCell(i + 1, 1, QStringLiteral("Art %1").arg(i + 1));
    }
    QVERIFY(SaveListFile(list, path));
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowRoundTrip_data();
    void rowRoundTrip();
    void rowReadsRawCells();
    void dateOnlyWhenAsked();

    void settingsKeepOtherKeys();
    void settingsReading();

    void storeFirstRecord_data();
    void storeFirstRecord();
    void storeAppendsAfterHighest();
    void secondStoreKeepsDescription();
    void storeMissingNumberAppends();
    void storeNonNumberRefuses();
    void storeSameSecondGetsDistinctNames();
    void storeRefusesUnsafeDescriptionName();
};

void TestRecord::rowRoundTrip_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::newRow("vehicle") << Layout::Vehicle;
    QTest::newRow("accessory") << Layout::Accessory;
}

void TestRecord::rowRoundTrip()
{
    QFETCH(Layout, layout);
    ItemList list = ItemList::empty(layout);
    const Record record = sampleRecord(layout);
    recordToRow(record, list, 1, true);
    QCOMPARE(list.cell(0, 0), "#"); // header untouched
    QCOMPARE(recordFromRow(list, 1), record);
    QCOMPARE(list.cell(1, ColumnByHeader(list, "OVP")), "X");
    if (layout == Layout::Accessory) {
        QCOMPARE(list.cell(1, ColumnByHeader(list, "Bezeichnung")), "BR 103");
        // The hidden "Bahnver." column of accessories is never written.
        Record withCompany = record;
        withCompany.railCompany = "DB";
        recordToRow(withCompany, list, 1, true);
        QCOMPARE(list.cell(1, ColumnByHeader(list, "Bahnver.")), QString());
    } else {
        QCOMPARE(list.cell(1, ColumnByHeader(list, "Baureihe")), "BR 103");
        QCOMPARE(list.cell(1, ColumnByHeader(list, "F4")), "Rangiergang");
    }
}

void TestRecord::rowReadsRawCells()
{
    ItemList list = ItemList::empty(Layout::Vehicle);
    list.setCell(1, ColumnByHeader(list, "OVP"), "x");
    list.setCell(1, ColumnByHeader(list, "Zust."), " 3 ");
    const Record r = recordFromRow(list, 1);
    QVERIFY(!r.ovp); // only exactly "X" ticks OVP
    QCOMPARE(r.condition, " 3 ");
    QVERIFY(r.functions[0].isEmpty());
    QVERIFY(!r.sound);
}

void TestRecord::dateOnlyWhenAsked()
{
    ItemList list = ItemList::empty(Layout::Vehicle);
    const int dateColumn = ColumnByHeader(list, "Datum");
    list.setCell(1, dateColumn, "old");
    Record r = sampleRecord(Layout::Vehicle);
    recordToRow(r, list, 1, false);
    QCOMPARE(list.cell(1, dateColumn), "old");
    recordToRow(r, list, 1, true);
    QCOMPARE(list.cell(1, dateColumn), "01.02.2024");
}

void TestRecord::settingsKeepOtherKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("CFG-1.txt");
    QVERIFY(writeFileAtomically(path, "[Digital]\r\nFunction0=Licht vorn\r\nFunction5=alt\r\n"
                                      "Extra=bleibt\r\n[Andere]\r\nK=V\r\n"));
    Record r;
    r.functions[0] = "F0 Licht <>";
    r.functions[6] = "Pfeife";
    r.hla = true;
    r.inSet = true;
    QVERIFY(writeRecordSettings(path, r));

    IniFile ini(path);
    QVERIFY(ini.load());
    QCOMPARE(ini.value("Digital", "Function0"), "Licht vorn"); // not written
    QCOMPARE(ini.value("Digital", "Function5"), QString());    // written empty
    QVERIFY(ini.contains("Digital", "Function20"));
    QCOMPARE(ini.value("Digital", "Function6"), "Pfeife");
    QCOMPARE(ini.value("Digital", "Extra"), "bleibt");
    QCOMPARE(ini.value("Andere", "K"), "V");
    QCOMPARE(ini.value("Sound", "Sound"), "0");
    QCOMPARE(ini.value("HLA", "HLA"), "1");
    QCOMPARE(ini.value("Light", "LED"), "0");
    QCOMPARE(ini.value("Misc", "SET"), "1");

    r.functions[0] = "Spitzenlicht";
    QVERIFY(writeRecordSettings(path, r));
    Record back;
    QVERIFY(readRecordSettings(path, back));
    QCOMPARE(back.functions[0], "Spitzenlicht");
    QCOMPARE(back.functions[6], "Pfeife");
    QVERIFY(back.hla && back.inSet && !back.sound && !back.led);
}

void TestRecord::settingsReading()
{
    QTemporaryDir dir;
    Record r;
    r.sound = true;
    r.functions[7] = "x";
    QVERIFY(readRecordSettings(dir.filePath("missing.txt"), r));
    QVERIFY(!r.sound);
    QVERIFY(r.functions[7].isEmpty());

    const QString path = dir.filePath("CFG-2.txt");
    QVERIFY(writeFileAtomically(path, "[Sound]\r\nSound=-1\r\n[HLA]\r\nHLA=ja\r\n"
                                      "[Light]\r\nLED=0\r\n[Misc]\r\nSET= 2 \r\n"));
    QVERIFY(readRecordSettings(path, r));
    QVERIFY(r.sound);
    QVERIFY(!r.hla);
    QVERIFY(!r.led);
    QVERIFY(r.inSet);
}

void TestRecord::storeFirstRecord_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<bool>("listFileExists");
    QTest::newRow("vehicle, no file") << Layout::Vehicle << false;
    QTest::newRow("vehicle, empty file") << Layout::Vehicle << true;
    QTest::newRow("accessory") << Layout::Accessory << true;
}

void TestRecord::storeFirstRecord()
{
    QFETCH(Layout, layout);
    QFETCH(bool, listFileExists);
    QTemporaryDir dir;
    const QString listPath = dir.filePath("LIST.txt");
    if (listFileExists) {
        writeList(listPath, layout, {});
    }
    ItemList list = ItemList::empty(layout);
    Record r = sampleRecord(layout);
    r.number.clear();
    r.descriptionFile.clear();
    r.functions[5] = "Glocke";
    const StoreResult result =
        storeRecord(list, listPath, dir.path(), r, false, true, "{\\rtf1 Text}", at(10, 0, 0));
    QVERIFY2(result.status, qPrintable(result.status.message()));
    QVERIFY(result.wasNew);
    QCOMPARE(result.targetRow, 1);
    QCOMPARE(r.number, "0001");
    QCOMPARE(r.descriptionFile, "DESC-20240301-100000.txt");
    QCOMPARE(fileBytes(dir.filePath(r.descriptionFile)), "{\\rtf1 Text}");
    QCOMPARE(QFileInfo::exists(dir.filePath("CFG-20240301-100000.txt")), layout == Layout::Vehicle);

    ItemList reread(layout);
    QVERIFY(LoadListFile(reread, listPath));
    ApplyColumnLayout(reread);
    QCOMPARE(reread.rowCount(), 2);
    QCOMPARE(reread.cell(1, 0), "0001");
    QCOMPARE(reread.cell(0, 0), "#");
    QCOMPARE(recordFromRow(reread, 1).descriptionFile, r.descriptionFile);
}

void TestRecord::storeAppendsAfterHighest()
{
    QTemporaryDir dir;
    const QString listPath = dir.filePath("LIST.txt");
    writeList(listPath, Layout::Vehicle, {"0003", "0007", "0002"});
    ItemList list = ItemList::empty(Layout::Vehicle);
    Record r = sampleRecord(Layout::Vehicle);
    r.number.clear();
    r.descriptionFile.clear();
    const StoreResult result =
        storeRecord(list, listPath, dir.path(), r, true, false, {}, at(11, 0, 0));
    QVERIFY2(result.status, qPrintable(result.status.message()));
    QCOMPARE(result.targetRow, 4);
    QCOMPARE(r.number, "0008");
    QCOMPARE(list.cell(4, 0), "0008");
    QCOMPARE(list.cell(2, 0), "0007");
    QCOMPARE(list.cell(2, 1), "Art 2");
}

void TestRecord::secondStoreKeepsDescription()
{
    QTemporaryDir dir;
    const QString listPath = dir.filePath("LIST.txt");
    ItemList list = ItemList::empty(Layout::Vehicle);
    Record r = sampleRecord(Layout::Vehicle);
    r.number.clear();
    r.descriptionFile.clear();
    QVERIFY(storeRecord(list, listPath, dir.path(), r, true, false, "eins", at(12, 0, 0)).status);
    const QString name = r.descriptionFile;

    r.art = "Dampflok";
    r.date = "02.03.2024";
    const StoreResult second =
        storeRecord(list, listPath, dir.path(), r, false, false, "zwei", at(12, 5, 0));
    QVERIFY2(second.status, qPrintable(second.status.message()));
    QVERIFY(!second.wasNew);
    QCOMPARE(second.targetRow, 1);
    QCOMPARE(r.descriptionFile, name);
    QCOMPARE(fileBytes(dir.filePath(name)), "zwei");
    QCOMPARE(QDir(dir.path()).entryList({"DESC-*"}, QDir::Files).size(), 1);

    ItemList reread(Layout::Vehicle);
    QVERIFY(LoadListFile(reread, listPath));
    QCOMPARE(reread.rowCount(), 2);
    QCOMPARE(reread.cell(1, ColumnByHeader(reread, "Art")), "Dampflok");
    // Datum is only written when the date was changed in the editor.
    QCOMPARE(reread.cell(1, ColumnByHeader(reread, "Datum")), QString());
}

void TestRecord::storeMissingNumberAppends()
{
    QTemporaryDir dir;
    const QString listPath = dir.filePath("LIST.txt");
    writeList(listPath, Layout::Vehicle, {"0001", "0002"});
    ItemList list = ItemList::empty(Layout::Vehicle);
    Record r = sampleRecord(Layout::Vehicle);
    r.number = "0005";
    const StoreResult result =
        storeRecord(list, listPath, dir.path(), r, false, false, "x", at(13, 0, 0));
    QVERIFY2(result.status, qPrintable(result.status.message()));
    QCOMPARE(result.targetRow, 3);
    QVERIFY(result.notice.contains("0005"));

    ItemList reread(Layout::Vehicle);
    QVERIFY(LoadListFile(reread, listPath));
    QCOMPARE(reread.row(0), layoutHeaders(Layout::Vehicle));
    QCOMPARE(reread.rowCount(), 4);
    QCOMPARE(reread.cell(1, 1), "Art 1");
    QCOMPARE(reread.cell(2, 1), "Art 2");
    QCOMPARE(reread.cell(3, 0), "0005");
}

void TestRecord::storeNonNumberRefuses()
{
    QTemporaryDir dir;
    const QString listPath = dir.filePath("LIST.txt");
    writeList(listPath, Layout::Vehicle, {"0001", "zwei", "0003"});
    const QByteArray before = fileBytes(listPath);
    ItemList list = ItemList::empty(Layout::Vehicle);
    Record r = sampleRecord(Layout::Vehicle);
    r.number = "0001";
    r.descriptionFile.clear();
    const StoreResult result =
        storeRecord(list, listPath, dir.path(), r, false, false, "x", at(14, 0, 0));
    QVERIFY(!result.status);
    QVERIFY(result.status.message().startsWith("\"zwei\" ist keine gültige Datensatznummer."));
    QCOMPARE(fileBytes(listPath), before);
    QCOMPARE(QDir(dir.path()).entryList({"DESC-*", "CFG-*"}, QDir::Files), QStringList());

    r.number = "x1";
    QVERIFY(!storeRecord(list, listPath, dir.path(), r, false, false, "x", at(14, 0, 0)).status);
    QCOMPARE(fileBytes(listPath), before);
}

void TestRecord::storeSameSecondGetsDistinctNames()
{
    QTemporaryDir dir;
    const QString listPath = dir.filePath("LIST.txt");
    // Another record's settings file already uses the first time stamp.
    QVERIFY(writeFileAtomically(dir.filePath("CFG-20240301-150000.txt"), "[Digital]\r\n"));
    ItemList list = ItemList::empty(Layout::Vehicle);
    QStringList names;
    for (int i = 0; i < 2; ++i) {
        Record r = sampleRecord(Layout::Vehicle);
        r.number.clear();
        r.descriptionFile.clear();
        QVERIFY(storeRecord(list, listPath, dir.path(), r, true, false, QByteArray::number(i),
                            at(15, 0, 0))
                    .status);
        names << r.descriptionFile;
    }
    QCOMPARE(names, QStringList({"DESC-20240301-150001.txt", "DESC-20240301-150002.txt"}));
    QCOMPARE(fileBytes(dir.filePath(names[0])), "0");
    QCOMPARE(fileBytes(dir.filePath("CFG-20240301-150000.txt")), "[Digital]\r\n");
}

void TestRecord::storeRefusesUnsafeDescriptionName()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("DATA"));
    const QString data = dir.filePath("DATA");
    const QString listPath = data + "/LIST.txt";
    ItemList list = ItemList::empty(Layout::Vehicle);
    Record r = sampleRecord(Layout::Vehicle);
    r.descriptionFile = "../DESC-evil.txt";
    QVERIFY(!storeRecord(list, listPath, data, r, true, false, "x", at(16, 0, 0)).status);
    QVERIFY(!QFileInfo::exists(dir.filePath("DESC-evil.txt")));
    QVERIFY(!QFileInfo::exists(listPath));
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
