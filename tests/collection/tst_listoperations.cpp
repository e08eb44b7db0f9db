#include "collection/listfile.h"
#include "collection/listoperations.h"
#include "common/atomicfile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vm;

namespace {

const QDateTime kNow(QDate(2024, 5, 1), QTime(9, 0, 0));

ItemList listWithNumbers(const QStringList& numbers)
{
    ItemList list = ItemList::empty(Layout::Vehicle);
    for (int i = 0; i < numbers.size(); ++i) {
        list.setCell(i + 1, 0, numbers[i]);
        list.setCell(i + 1, 1, QStringLiteral("Art %1").arg(i + 1));
    }
    return list;
}

int attachColumn(const ItemList& list)
{
    return ColumnByHeader(list, "Attach");
}

void touch(const QDir& dir, const QString& name, const QByteArray& content)
{
    QVERIFY(writeFileAtomically(dir.filePath(name), content));
}

QByteArray fileBytes(const QString& path)
{
    QByteArray content;
    readWholeFile(path, content);
    return content;
}

} // namespace

class TestListOperations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copyMakesOwnFiles();
    void copySharesPicturesAndDeleteKeepsThem();
    void deleteSkipsUnsafeAndSpareParts();
    void removeRowCases();
    void sortOrder();
    void renumber();
};

void TestListOperations::copyMakesOwnFiles()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ItemList list = listWithNumbers({"0012", "0007", "0003"});
    list.setCell(2, attachColumn(list),
                 "DESC-20230101-080000.txt,lok_20230101-080000.jpg,missing.png,@C:\\t.pdf");
    touch(dir, "DESC-20230101-080000.txt", "desc");
    touch(dir, "CFG-20230101-080000.txt", "cfg");
    touch(dir, "lok_20230101-080000.jpg", "pic");
    // The first time stamp is taken by another record's picture name.
    touch(dir, "lok_20240501-090000.jpg", "other");

    const CopyResult copy = copyRecordRow(list, 2, dir.path(), kNow);
    QCOMPARE(copy.row, 4);
    QCOMPARE(list.cell(4, 0), "0013");
    QCOMPARE(list.cell(4, 1), "Art 2");
    QCOMPARE(list.cell(4, attachColumn(list)),
             "DESC-20240501-090000.txt,lok_20240501-090001.jpg,missing_20240501-090000.png,"
             "@C:\\t.pdf");
    QCOMPARE(fileBytes(dir.filePath("DESC-20240501-090000.txt")), "desc");
    QCOMPARE(fileBytes(dir.filePath("CFG-20240501-090000.txt")), "cfg");
    QCOMPARE(fileBytes(dir.filePath("lok_20240501-090001.jpg")), "pic");
    QCOMPARE(fileBytes(dir.filePath("lok_20240501-090000.jpg")), "other");
    QVERIFY(!QFileInfo::exists(dir.filePath("missing_20240501-090000.png")));
    QCOMPARE(fileBytes(dir.filePath("DESC-20230101-080000.txt")), "desc");
    QCOMPARE(fileBytes(dir.filePath("lok_20230101-080000.jpg")), "pic");

    // A second copy in the same second never overwrites the first one's files.
    copyRecordRow(list, 2, dir.path(), kNow);
    QVERIFY(list.cell(5, attachColumn(list)).startsWith("DESC-20240501-090001.txt,"));
}

void TestListOperations::copySharesPicturesAndDeleteKeepsThem()
{
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ItemList list = listWithNumbers({"0001"});
    list.setCell(1, attachColumn(list), ",a.jpg,b.jpg");
    touch(dir, "a.jpg", "a");
    touch(dir, "b.jpg", "b");
    const CopyResult copy = copyRecordRow(list, 1, dir.path(), kNow);
    QCOMPARE(copy.row, 2);
    QCOMPARE(list.cell(2, attachColumn(list)), ",a.jpg,b.jpg");

    QCOMPARE(deleteRecordFiles(list, 2, dir.path()), QStringList());
    QCOMPARE(deleteRecordFiles(list, 1, dir.path()), QStringList());
    QVERIFY(QFileInfo::exists(dir.filePath("a.jpg")));
    QVERIFY(QFileInfo::exists(dir.filePath("b.jpg")));

    // Once the other row is gone the files of the remaining record go too.
    QCOMPARE(removeRow(list, 2), 1);
    QCOMPARE(deleteRecordFiles(list, 1, dir.path()).size(), 2);
    QVERIFY(!QFileInfo::exists(dir.filePath("a.jpg")));
}

void TestListOperations::deleteSkipsUnsafeAndSpareParts()
{
    QTemporaryDir tmp;
    QDir dir(tmp.path());
    QVERIFY(dir.mkdir("DATA"));
    touch(dir, "outside.jpg", "keep");
    touch(dir, "DATA/DESC-1.txt", "d");
    touch(dir, "DATA/CFG-1.txt", "c");
    touch(dir, "DATA/p.jpg", "p");
    ItemList list = listWithNumbers({"0001"});
    list.setCell(1, attachColumn(list), "DESC-1.txt,../outside.jpg,p.jpg,@p.jpg");
    const QString data = dir.filePath("DATA");
    const QStringList deleted = deleteRecordFiles(list, 1, data);
    QCOMPARE(deleted.size(), 3);
    QVERIFY(QFileInfo::exists(dir.filePath("outside.jpg")));
    QCOMPARE(QDir(data).entryList(QDir::Files), QStringList());
}

void TestListOperations::removeRowCases()
{
    ItemList single = listWithNumbers({"0001"});
    QCOMPARE(removeRow(single, 1), 1);
    QCOMPARE(single.rowCount(), 2);
    QCOMPARE(single.row(1), QStringList(QList<QString>(single.columnCount())));

    ItemList three = listWithNumbers({"0001", "0002", "0003"});
    QCOMPARE(removeRow(three, 2), 2);
    QCOMPARE(three.cell(2, 0), "0003");
    QCOMPARE(removeRow(three, 2), 1); // the last row: the new last row follows
    QCOMPARE(three.rowCount(), 2);
    QCOMPARE(three.cell(1, 0), "0001");
    QCOMPARE(three.cell(0, 0), "#");
}

void TestListOperations::sortOrder()
{
    ItemList list = listWithNumbers({"10000", "b", "0010", "1001", "B", "0002", "1000", "ä", "z"});
    list.setCell(3, 1, "first 0010");
    list.setCell(10, 0, "0010");
    list.setCell(10, 1, "second 0010");
    sortByColumn(list, 0);
    QStringList order;
    for (int r = 1; r < list.rowCount(); ++r) {
        order << list.cell(r, 0);
    }
    QCOMPARE(order,
             QStringList({"0002", "0010", "0010", "1000", "10000", "1001", "B", "b", "z", "ä"}));
    QCOMPARE(list.cell(2, 1), "first 0010"); // stable
    QCOMPARE(list.cell(3, 1), "second 0010");
    QCOMPARE(list.cell(0, 0), "#");
}

void TestListOperations::renumber()
{
    ItemList list = listWithNumbers({"0009", "", "abc"});
    renumberList(list);
    QCOMPARE(list.cell(1, 0), "0001");
    QCOMPARE(list.cell(2, 0), "0002");
    QCOMPARE(list.cell(3, 0), "0003");
    QCOMPARE(list.cell(0, 0), "#");
}

QTEST_GUILESS_MAIN(TestListOperations)
#include "tst_listoperations.moc"
