#pragma once

#include "collection/itemlist.h"

#include <QAbstractTableModel>

namespace vm {

// Adapter that shows an ItemList in a table view without copying it. The
// list's header row becomes the horizontal header and its "#" column the
// vertical header, so model row r is list row r + 1 and model column c is list
// column c + 1.
class ItemListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ItemListModel(ItemList& list, QObject* parent = nullptr);

    ItemList& list() { return m_list; }
    static int listRow(int modelRow) { return modelRow + 1; }
    static int listColumn(int modelColumn) { return modelColumn + 1; }
    static int modelRow(int listRow) { return listRow - 1; }
    static int modelColumn(int listColumn) { return listColumn - 1; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Tells the views that the list changed as a whole.
    void reload();

private:
    ItemList& m_list;
};

} // namespace vm
