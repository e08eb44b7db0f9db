#include "collection/itemlistmodel.h"

namespace vm {

ItemListModel::ItemListModel(ItemList& list, QObject* parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{}

int ItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.recordCount();
}

int ItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_list.columnCount() - 1);
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) {
        return {};
    }
    const QString& text = m_list.cell(listRow(index.row()), listColumn(index.column()));
    if (role == Qt::ToolTipRole && text.size() < 40) {
        return {};
    }
    return text;
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return m_list.cell(0, listColumn(section));
    }
    return m_list.cell(listRow(section), 0);
}

void ItemListModel::reload()
{
    beginResetModel();
    endResetModel();
}

} // namespace vm
