#include "collection/collection.h"
#include "collection/listfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/testfiles.h"

using namespace vm;
using vm::test::readBytes;

class TestCollection : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingFilesGiveEmptyLists();
    void unreadableListIsReportedAndKeptSafe();
};

void TestCollection::missingFilesGiveEmptyLists()
{
    QTemporaryDir dir;
    Collection collection(ProgramPaths::fromExecutable(dir.filePath(QStringLiteral("Velmarotte"))));
    collection.createDataFolder();
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("DATA"))).isDir());
    QVERIFY(collection.loadAll().isEmpty());
    for (int i = 0; i < kListCount; ++i) {
        const ItemList& list = collection.list(i);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.columnCount(), i == ListSupplies ? 17 : 25);
        QCOMPARE(list.row(0), layoutHeaders(list.layout()));
    }
    // Reading writes nothing.
    QVERIFY(QDir(dir.filePath(QStringLiteral("DATA"))).isEmpty());
}

void TestCollection::unreadableListIsReportedAndKeptSafe()
{
    QTemporaryDir dir;
    const ProgramPaths paths =
        ProgramPaths::fromExecutable(dir.filePath(QStringLiteral("Velmarotte")));
    Collection collection(paths);
    collection.createDataFolder();

    // Locomotives readable, wagons unreadable (a folder under the file's name),
    // accessories after it readable.
    ItemList locos = ItemList::empty(Layout::Vehicle);
    locos.setCell(1, 0, QStringLiteral("0001"));
    locos.setCell(1, 2, QStringLiteral("BR 01"));
    QVERIFY(SaveListFile(locos, collection.listFilePath(ListLok)).ok());
    QVERIFY(QDir().mkpath(collection.listFilePath(ListWag)));
    ItemList supplies = ItemList::empty(Layout::Accessory);
    supplies.setCell(1, 2, QStringLiteral("Stellwerk"));
    QVERIFY(SaveListFile(supplies, collection.listFilePath(ListSupplies)).ok());
    const QByteArray lokBytes = readBytes(collection.listFilePath(ListLok));

    const QStringList errors = collection.loadAll();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains(QStringLiteral("WAGGONS.CSV")));
    QCOMPARE(collection.list(ListLok).cell(1, 2), QStringLiteral("BR 01"));
    QCOMPARE(collection.list(ListSupplies).cell(1, 2), QStringLiteral("Stellwerk"));

    QVERIFY(collection.list(ListWag).isWriteBlocked());
    const Status refused = collection.save(ListWag);
    QVERIFY(!refused.ok());
    QVERIFY(refused.message().contains(QStringLiteral("WAGGONS.CSV")));
    QVERIFY(QFileInfo(collection.listFilePath(ListWag)).isDir());

    QVERIFY(collection.save(ListLok).ok());
    QCOMPARE(readBytes(collection.listFilePath(ListLok)), lokBytes);
}

QTEST_GUILESS_MAIN(TestCollection)
#include "tst_collection.moc"
