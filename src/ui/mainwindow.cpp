#include "ui/mainwindow.h"

#include "collection/itemlistmodel.h"
#include "collection/totals.h"
#include "platform/prompts.h"
#include "ui/itemgrid.h"
#include "ui/statuspanels.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace vm {

namespace {

QToolBar* makeToolBar(const char* name, QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(20, 20));
    bar->setMovable(false);
    return bar;
}

QWidget* makePage(const char* name, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

} // namespace

TFrmMain::TFrmMain(const ProgramPaths& paths, QWidget* parent)
    : QMainWindow(parent)
    , m_paths(paths)
    , m_collection(paths)
    , m_referenceTables(paths.dataFolder())
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Velmarotte Version 3.1   Modellbahn-Verwaltung"));
    setProperty("helpFile", QStringLiteral("Velmarotte.hlp"));
    resize(1200, 760);

    for (int i = 0; i < kListCount; ++i) {
        m_models[i] = new ItemListModel(m_collection.list(i), this);
    }

    m_splitter1 = new QSplitter(Qt::Horizontal, this);
    m_splitter1->setObjectName(QStringLiteral("Splitter1"));
    m_splitter1->addWidget(buildListPanel());
    m_splitter1->addWidget(buildEditorSide());
    m_splitter1->setStretchFactor(0, 3);
    m_splitter1->setStretchFactor(1, 2);
    m_splitter1->setSizes({700, 500});
    setCentralWidget(m_splitter1);

    m_startTimer = new QTimer(this);
    m_startTimer->setObjectName(QStringLiteral("StartTimer"));
    m_startTimer->setSingleShot(true);
    m_startTimer->setInterval(10);
    connect(m_startTimer, &QTimer::timeout, this, &TFrmMain::StartTimerTimer);

    FormCreate();
}

TFrmMain::~TFrmMain()
{
    // FormDestroy: release the picture list and the function-name list.
    m_pictureList.clear();
    m_functionNames.clear();
}

QWidget* TFrmMain::buildListPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelITEMS"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    layout->addWidget(makeToolBar("SpeedBar1", panel));

    m_pgCtrlItems = new QTabWidget(panel);
    m_pgCtrlItems->setObjectName(QStringLiteral("PgCtrlITEMS"));
    m_pgCtrlItems->setTabPosition(QTabWidget::North);
    m_pgCtrlItems->setDocumentMode(true);
    for (int i = 0; i < kListCount; ++i) {
        const ListInfo& info = listInfo(i);
        QWidget* sheet = makePage(info.sheetName, m_pgCtrlItems);
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        m_grids[i] = new ItemGrid(m_models[i], info.layout, sheet);
        m_grids[i]->setObjectName(QString::fromLatin1(info.gridName));
        sheetLayout->addWidget(m_grids[i]);
        m_pgCtrlItems->addTab(sheet, QString::fromUtf16(info.caption));
        connect(m_grids[i], &QAbstractItemView::clicked, this, [this] { ShowRecord(); });
    }
    connect(m_pgCtrlItems, &QTabWidget::currentChanged, this, &TFrmMain::PgCtrlITEMSChange);
    layout->addWidget(m_pgCtrlItems, 1);

    m_stBarItems = new StatusPanels("StBarItems", 1, panel);
    layout->addWidget(m_stBarItems);
    return panel;
}

QWidget* TFrmMain::buildEditorSide()
{
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("PanelOneLine"));
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QToolBar* bar = makeToolBar("SpeedBarOneLine", side);
    bar->setToolTip(QStringLiteral("Kurz- /Lang-Ansicht"));
    layout->addWidget(bar);

    auto* info = new QFrame(side);
    info->setObjectName(QStringLiteral("PanelInfo"));
    info->setFrameShape(QFrame::StyledPanel);
    info->setMinimumHeight(64);
    layout->addWidget(info);

    m_splitter2 = new QSplitter(Qt::Vertical, side);
    m_splitter2->setObjectName(QStringLiteral("Splitter2"));
    m_pgCtrlModel = new QTabWidget(m_splitter2);
    m_pgCtrlModel->setObjectName(QStringLiteral("PgCtrlModel"));
    m_pgCtrlModel->setTabPosition(QTabWidget::East);
    m_pgCtrlModel->addTab(makePage("ShModel", m_pgCtrlModel), QStringLiteral("Modell"));
    m_pgCtrlModel->addTab(makePage("ShOriginal", m_pgCtrlModel), QStringLiteral("Vorbild"));
    m_pgCtrlModel->addTab(makePage("ShSpare", m_pgCtrlModel), QStringLiteral("Ersatzteile"));
    auto* image = new QFrame(m_splitter2);
    image->setObjectName(QStringLiteral("PanelImage"));
    image->setFrameShape(QFrame::StyledPanel);
    m_splitter2->addWidget(m_pgCtrlModel);
    m_splitter2->addWidget(image);
    m_splitter2->setStretchFactor(0, 3);
    m_splitter2->setStretchFactor(1, 2);
    layout->addWidget(m_splitter2, 1);

    m_stBarOneLine = new StatusPanels("StBarOneLine", 2, side);
    m_stBarOneLine->panel(1)->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_stBarOneLine);
    return side;
}

void TFrmMain::FormCreate()
{
    m_suppressShow = true;
    m_dateChanged = false;
    m_pictureList.clear();
    m_functionNames.clear();
    m_descriptionFile.clear();
}

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_startupDone && !m_startTimer->isActive()) {
        m_startTimer->start();
    }
}

void TFrmMain::StartTimerTimer()
{
    m_startTimer->stop();
    if (m_startupDone) {
        return;
    }

    m_collection.createDataFolder();

    // Every list is read, even when an earlier one fails: a list whose file
    // could not be read stays empty and refuses to be written.
    QStringList errors = m_collection.loadAll();
    errors += m_referenceTables.LoadReferenceTables();
    for (ItemListModel* model : m_models) {
        model->reload();
    }
    for (ItemGrid* grid : m_grids) {
        grid->applyLayoutWidths();
        grid->selectListRow(1);
    }
    if (!errors.isEmpty()) {
        Prompts::instance().error(this, errors.join(QStringLiteral("\n\n")));
    }

    m_suppressShow = false;
    ShowListTotals(activeList());
    ShowRecord();

    m_startupDone = true;
    Q_EMIT startupFinished();
}

int TFrmMain::activeList() const
{
    return m_pgCtrlItems->currentIndex();
}

void TFrmMain::setActiveList(int listIndex)
{
    m_pgCtrlItems->setCurrentIndex(listIndex);
}

void TFrmMain::PgCtrlITEMSChange(int index)
{
    if (!m_suppressShow) {
        ShowListTotals(index);
    }
    ShowRecord();
}

void TFrmMain::ShowListTotals(int listIndex)
{
    ItemGrid* grid = m_grids[listIndex];
    const ItemList& list = m_collection.list(listIndex);
    QList<bool> hidden(list.rowCount(), false);
    for (int r = 1; r < list.rowCount(); ++r) {
        hidden[r] = grid->isRowHidden(ItemListModel::modelRow(r));
    }
    m_stBarItems->setPanelText(0, totalsText(computeTotals(list, hidden), QLocale()));
}

QString TFrmMain::totalsLine() const
{
    return m_stBarItems->panelText(0);
}

void TFrmMain::ShowRecord()
{
    if (m_suppressShow) {
        return;
    }
    const int index = activeList();
    ItemGrid* grid = m_grids[index];
    int row = grid->currentListRow();
    if (row < 1) {
        grid->selectListRow(1);
        row = grid->currentListRow();
    }
    m_stBarOneLine->setPanelText(1, m_collection.list(index).cell(row, 0));
}

void TFrmMain::FormClose()
{
    if (m_displayWindow) {
        m_displayWindow->close();
    }
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

} // namespace vm
