#pragma once

#include "collection/collection.h"
#include "common/programpaths.h"
#include "reference/referencetables.h"

#include <QMainWindow>
#include <QStringList>
#include <array>

class QLabel;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolBar;

namespace vm {

class ItemGrid;
class ItemListModel;
class StatusPanels;

// The main window: the five item lists on the left, the record editor on the
// right. It owns the lists and the editor state; the real start-up runs from
// the one-shot StartTimer once the window has appeared.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmMain(const ProgramPaths& paths, QWidget* parent = nullptr);
    ~TFrmMain() override;

    void setDisplayWindow(QWidget* window) { m_displayWindow = window; }

    Collection& collection() { return m_collection; }
    ReferenceTables& referenceTables() { return m_referenceTables; }
    ItemGrid* grid(int listIndex) const { return m_grids[listIndex]; }
    int activeList() const;
    void setActiveList(int listIndex);

    bool suppressShow() const { return m_suppressShow; }
    bool startupDone() const { return m_startupDone; }

    // Shows the current row of the active list in the editor; does nothing
    // while SuppressShow is set.
    void ShowRecord();
    // Puts the count and the sums of the rows in view into StBarItems.
    void ShowListTotals(int listIndex);
    QString totalsLine() const;

Q_SIGNALS:
    void startupFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void StartTimerTimer();
    void FormClose();
    void PgCtrlITEMSChange(int index);

    QWidget* buildListPanel();
    QWidget* buildEditorSide();

    ProgramPaths m_paths;
    Collection m_collection;
    ReferenceTables m_referenceTables;
    std::array<ItemListModel*, kListCount> m_models{};
    std::array<ItemGrid*, kListCount> m_grids{};

    QSplitter* m_splitter1 = nullptr;
    QSplitter* m_splitter2 = nullptr;
    QTabWidget* m_pgCtrlItems = nullptr;
    QTabWidget* m_pgCtrlModel = nullptr;
    StatusPanels* m_stBarItems = nullptr;
    StatusPanels* m_stBarOneLine = nullptr;
    QTimer* m_startTimer = nullptr;
    QWidget* m_displayWindow = nullptr;

    // Editor state.
    bool m_suppressShow = false;
    bool m_dateChanged = false;
    QString m_descriptionFile;
    QStringList m_pictureList;
    QStringList m_functionNames;

    bool m_startupDone = false;
};

} // namespace vm
