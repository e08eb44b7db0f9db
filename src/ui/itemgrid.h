#pragma once

#include "collection/itemlist.h"

#include <QTableView>

namespace vm {

class ItemListModel;

// The grid of one item list: header row, the "#" numbers as a fixed first
// column, whole-row selection, sizable columns, hidden columns at width 0.
class ItemGrid : public QTableView {
    Q_OBJECT
public:
    ItemGrid(ItemListModel* model, Layout layout, QWidget* parent = nullptr);

    ItemListModel* listModel() const { return m_model; }
    // The list row of the current grid row, or -1.
    int currentListRow() const;
    // Selects the given list row (clamped to the records).
    void selectListRow(int listRow);
    // Width of a list column (the "#" column is the vertical header).
    int listColumnWidth(int listColumn) const;

    // Applies the designed widths and hides the layout's hidden columns.
    void applyLayoutWidths();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ItemListModel* m_model;
    Layout m_layout;
};

} // namespace vm
