#include "collection/itemlist.h"

namespace vm {

int layoutColumnCount(Layout layout)
{
    return layout == Layout::Accessory ? kAccessoryColumnCount : kVehicleColumnCount;
}

const QStringList& layoutHeaders(Layout layout)
{
    static const QStringList vehicle = {
        QStringLiteral("#"),           QStringLiteral("Art"),         QStringLiteral("Baureihe"),
        QStringLiteral("Bahnver."),    QStringLiteral("Ep."),         QStringLiteral("Nenn"),
        QStringLiteral("Hersteller"),  QStringLiteral("Artikel-Nr."), QStringLiteral("Antr./Dec."),
        QStringLiteral("Adr."),        QStringLiteral("Licht"),       QStringLiteral("F1"),
        QStringLiteral("F2"),          QStringLiteral("F3"),          QStringLiteral("F4"),
        QStringLiteral("Zust."),       QStringLiteral("OVP"),         QStringLiteral("Attach"),
        QStringLiteral("Preis"),       QStringLiteral("Datum"),       QStringLiteral("Baujahr"),
        QStringLiteral("Katalogwert"), QStringLiteral("Länge"),       QStringLiteral("Anzahl"),
        QStringLiteral("Dig.Fmt."),
    };
    static const QStringList accessory = {
        QStringLiteral("#"),          QStringLiteral("Art"),         QStringLiteral("Bezeichnung"),
        QStringLiteral("Bahnver."),   QStringLiteral("Ep."),         QStringLiteral("Nenn"),
        QStringLiteral("Hersteller"), QStringLiteral("Artikel-Nr."), QStringLiteral("Zust."),
        QStringLiteral("OVP"),        QStringLiteral("Preis"),       QStringLiteral("Datum"),
        QStringLiteral("Baujahr"),    QStringLiteral("Katalogwert"), QStringLiteral("Länge"),
        QStringLiteral("Attach"),     QStringLiteral("Anzahl"),
    };
    return layout == Layout::Accessory ? accessory : vehicle;
}

QList<int> hiddenColumns(Layout layout)
{
    if (layout == Layout::Accessory) {
        return {3, 15};
    }
    return {17};
}

ItemList::ItemList(Layout layout)
    : m_layout(layout)
{}

ItemList ItemList::empty(Layout layout)
{
    ItemList list(layout);
    list.m_columnCount = layoutColumnCount(layout);
    list.m_rows.append(layoutHeaders(layout));
    list.appendRow();
    return list;
}

const QString& ItemList::cell(int row, int column) const
{
    static const QString none;
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount) {
        return none;
    }
    return m_rows[row][column];
}

void ItemList::setCell(int row, int column, const QString& text)
{
    if (row < 0 || column < 0) {
        return;
    }
    if (column >= m_columnCount) {
        setColumnCount(column + 1);
    }
    if (row >= rowCount()) {
        setRowCount(row + 1);
    }
    m_rows[row][column] = text;
}

void ItemList::setRow(int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c) {
        setCell(row, c, cells[c]);
    }
}

void ItemList::setRowCount(int rows)
{
    rows = qMax(rows, 0);
    while (rowCount() > rows) {
        m_rows.removeLast();
    }
    while (rowCount() < rows) {
        appendRow();
    }
}

void ItemList::setColumnCount(int columns)
{
    columns = qMax(columns, 0);
    for (QStringList& cells : m_rows) {
        cells.resize(columns);
    }
    m_columnCount = columns;
}

void ItemList::insertRow(int at)
{
    at = qBound(0, at, rowCount());
    QStringList cells;
    cells.resize(m_columnCount);
    m_rows.insert(at, cells);
}

void ItemList::removeRow(int row)
{
    if (row >= 0 && row < rowCount()) {
        m_rows.removeAt(row);
    }
}

} // namespace vm
