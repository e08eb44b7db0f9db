#include "collection/listfile.h"
#include "platform/prompts.h"
#include "reference/referencetables.h"
#include "reference/vocabularies.h"
#include "ui/appwindows.h"
#include "ui/itemgrid.h"
#include "ui/mainwindow.h"
#include "ui/secondarywindows.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QMap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vm;

namespace {

// Name and bytes of every file below folder.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        files.insert(path, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return files;
}

ProgramPaths pathsIn(const QTemporaryDir& dir)
{
    return ProgramPaths::fromExecutable(dir.filePath(QStringLiteral("Velmarotte")));
}

// A data folder as an earlier run leaves it: the producer table exists.
void prepareDataFolder(const ProgramPaths& paths)
{
    QVERIFY(QDir().mkpath(paths.dataFolder()));
    QVERIFY(writeReferenceFile(paths.dataFile(QStringLiteral("PRODUCER.CSV")), builtInProducers())
                .ok());
}

void startAndWait(TFrmMain& main)
{
    main.show();
    QTRY_VERIFY(main.startupDone());
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartInEmptyFolder();
    void windowsAreCreatedOnceAndHideOnClose();
    void listsAreReadFromTheirFiles();
    void unreadableListIsReportedAndNeverWritten();
};

void TestMainWindow::firstStartInEmptyFolder()
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    AppWindows windows = createAppWindows(pathsIn(dir));
    TFrmMain& main = *windows.main;
    QVERIFY(main.suppressShow());
    startAndWait(main);
    QVERIFY(!main.suppressShow());

    QCOMPARE(main.windowTitle(), QStringLiteral("Velmarotte Version 3.1   Modellbahn-Verwaltung"));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("DATA"))).isDir());
    QVERIFY(prompts.asked().isEmpty());

    auto* tabs = main.findChild<QTabWidget*>(QStringLiteral("PgCtrlITEMS"));
    QVERIFY(tabs);
    const QStringList captions = {"Lokomotiven", "Waggons", QStringLiteral("Zubehör"),
                                  "Wunschliste", QStringLiteral("Verkäufe")};
    const QStringList grids = {"GridLOK", "GridWAG", "GridSUPPLIES", "GridWANTED", "GridSALES"};
    QCOMPARE(tabs->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(tabs->tabText(i), captions[i]);
        auto* grid = main.findChild<ItemGrid*>(grids[i]);
        QVERIFY(grid);
        const ItemList& list = main.collection().list(i);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.columnCount(), i == 2 ? 17 : 25);
        // The grid: one empty record row, the header row, hidden columns at width 0.
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->columnCount(), list.columnCount() - 1);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Art"));
        QCOMPARE(grid->listColumnWidth(ColumnByHeader(list, QStringLiteral("Attach"))), 0);
        QVERIFY(grid->listColumnWidth(ColumnByHeader(list, QStringLiteral("Art"))) > 0);
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    }
    auto* supplies = main.findChild<ItemGrid*>(QStringLiteral("GridSUPPLIES"));
    QCOMPARE(supplies->listColumnWidth(3), 0); // "Bahnver." of accessories

    main.close();
    // The producer table is the only file the first start writes.
    QCOMPARE(QDir(dir.filePath(QStringLiteral("DATA"))).entryList(QDir::Files),
             QStringList{QStringLiteral("PRODUCER.CSV")});
    QCOMPARE(main.referenceTables().producers.size(), 36);
}

void TestMainWindow::windowsAreCreatedOnceAndHideOnClose()
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    AppWindows windows = createAppWindows(pathsIn(dir));
    const QList<QPair<QWidget*, QString>> expected = {
        {windows.aboutBox, "Informationen"},     {windows.searchCsv, "Produkt suchen"},
        {windows.settings, "Einstellungen"},     {windows.collection, "Zugzusammenstellung"},
        {windows.filter, "Art filtern"},         {windows.stat, "Velmarotte Statistik"},
        {windows.webBrowser, "Anzeige"},         {windows.backup, "Datensicherung"},
        {windows.zugz, "Zugzusammenstellungen"},
    };
    // Created in this order, after the main window, which owns them.
    const QList<QDialog*> children =
        windows.main->findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(children[i], expected[i].first);
        QCOMPARE(expected[i].first->windowTitle(), expected[i].second);
        QVERIFY(!expected[i].first->isVisible());
    }
    QCOMPARE(windows.searchCsv->objectName(), QStringLiteral("FrmSearchCSV"));

    startAndWait(*windows.main);
    windows.webBrowser->show();
    QVERIFY(windows.webBrowser->isVisible());
    QPointer<QWidget> display = windows.webBrowser;
    windows.main->close();
    QVERIFY(display); // hidden, not destroyed
    QVERIFY(!display->isVisible());
}

void TestMainWindow::listsAreReadFromTheirFiles()
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    const ProgramPaths paths = pathsIn(dir);
    prepareDataFolder(paths);
    ItemList wagons = ItemList::empty(Layout::Vehicle);
    for (int r = 1; r <= 3; ++r) {
        wagons.setCell(r, 0, FormatRecordNumber(r));
        wagons.setCell(r, 18, QStringLiteral("10,5")); // Preis
        wagons.setCell(r, 2, QStringLiteral("Güterwagen %1").arg(r));
    }
    QVERIFY(SaveListFile(wagons, paths.dataFile(QStringLiteral("WAGGONS.CSV"))).ok());
    const auto before = snapshot(dir.path());

    AppWindows windows = createAppWindows(paths);
    startAndWait(*windows.main);
    TFrmMain& main = *windows.main;
    QCOMPARE(main.collection().list(ListWag).rowCount(), 4);
    ItemGrid* grid = main.grid(ListWag);
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->model()->data(grid->model()->index(2, 1)).toString(),
             QStringLiteral("Güterwagen 3"));
    QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("0001"));

    QVERIFY(main.totalsLine().startsWith(QStringLiteral(" Anzahl Artikel: 0   ")));
    main.setActiveList(ListWag);
    QCOMPARE(grid->currentListRow(), 1);
    QVERIFY2(main.totalsLine().startsWith(QStringLiteral(" Anzahl Artikel: 3   ")),
             qPrintable(main.totalsLine()));
    QVERIFY2(main.totalsLine().contains(QStringLiteral("Preis: 31")),
             qPrintable(main.totalsLine()));
    main.close();
    QCOMPARE(snapshot(dir.path()), before);
}

void TestMainWindow::unreadableListIsReportedAndNeverWritten()
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    const ProgramPaths paths = pathsIn(dir);
    prepareDataFolder(paths);
    QVERIFY(QDir().mkpath(paths.dataFile(QStringLiteral("SUPPLIES.CSV"))));
    ItemList sales = ItemList::empty(Layout::Vehicle);
    sales.setCell(1, 2, QStringLiteral("verkauft"));
    QVERIFY(SaveListFile(sales, paths.dataFile(QStringLiteral("SALES.CSV"))).ok());
    const auto before = snapshot(dir.path());

    AppWindows windows = createAppWindows(paths);
    startAndWait(*windows.main);
    const QStringList errors = prompts.texts(PromptKind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains(QStringLiteral("SUPPLIES.CSV")));
    // The lists after the unreadable one are still read.
    QCOMPARE(windows.main->collection().list(ListSales).cell(1, 2), QStringLiteral("verkauft"));
    QVERIFY(!windows.main->collection().save(ListSupplies).ok());
    windows.main->close();
    QCOMPARE(snapshot(dir.path()), before);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
