#include "ui/itemgrid.h"

#include "collection/itemlistmodel.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

namespace vm {

namespace {

int designedWidth(Layout layout, int listColumn)
{
    const QString& header = layoutHeaders(layout).value(listColumn);
    if (header == u"Art" || header == u"Baureihe" || header == u"Bezeichnung") {
        return 120;
    }
    if (header == u"Hersteller" || header == u"Bahnver." || header == u"Antr./Dec.") {
        return 90;
    }
    if (header == u"Artikel-Nr." || header == u"Katalogwert" || header == u"Datum" ||
        header == u"Baujahr") {
        return 80;
    }
    if (header == u"Ep." || header == u"Nenn" || header == u"OVP" || header == u"Zust.") {
        return 45;
    }
    return 60;
}

} // namespace

ItemGrid::ItemGrid(ItemListModel* model, Layout layout, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
    , m_layout(layout)
{
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setHighlightSections(true);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setMinimumSectionSize(0);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setSectionsMovable(layout == Layout::Accessory);

    // The corner above the "#" numbers names the column.
    if (auto* corner = findChild<QAbstractButton*>()) {
        corner->installEventFilter(this);
    }
    applyLayoutWidths();
}

void ItemGrid::applyLayoutWidths()
{
    const QList<int> hidden = hiddenColumns(m_layout);
    for (int c = 1; c < layoutColumnCount(m_layout); ++c) {
        setColumnWidth(ItemListModel::modelColumn(c),
                       hidden.contains(c) ? 0 : designedWidth(m_layout, c));
    }
}

bool ItemGrid::eventFilter(QObject* watched, QEvent* event)
{
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint) {
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = m_model->list().cell(0, 0);
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(corner);
        corner->style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

int ItemGrid::currentListRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? ItemListModel::listRow(index.row()) : -1;
}

void ItemGrid::selectListRow(int listRow)
{
    const int rows = m_model->rowCount();
    if (rows == 0) {
        return;
    }
    const int modelRow = qBound(0, ItemListModel::modelRow(listRow), rows - 1);
    selectRow(modelRow);
    setCurrentIndex(m_model->index(modelRow, qMax(0, currentIndex().column())));
}

int ItemGrid::listColumnWidth(int listColumn) const
{
    if (listColumn == 0) {
        return verticalHeader()->width();
    }
    return columnWidth(ItemListModel::modelColumn(listColumn));
}

} // namespace vm
