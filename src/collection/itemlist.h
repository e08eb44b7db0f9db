#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vm {

// The two column layouts: vehicles (locomotives, wagons, wish list, sales:
// 25 columns) and accessories (17 columns).
enum class Layout { Vehicle, Accessory };

constexpr int kVehicleColumnCount = 25;
constexpr int kAccessoryColumnCount = 17;

int layoutColumnCount(Layout layout);
// The full header row of a layout, "#" first.
const QStringList& layoutHeaders(Layout layout);
// Columns kept at width 0 in the grid: "Attach", and for accessories "Bahnver.".
QList<int> hiddenColumns(Layout layout);

// One item list: a table of text cells. Row 0 is the header row, every further
// row one record; column 0 holds the record number. A list without records has
// one empty row. Every row has the same number of cells.
//
// A list whose file exists but could not be read is marked write-blocked, so
// that an empty or partial list in memory is never written over the file.
class ItemList {
public:
    explicit ItemList(Layout layout = Layout::Vehicle);

    // Header row of the layout and one empty record row.
    static ItemList empty(Layout layout);

    Layout layout() const { return m_layout; }
    bool isAccessoryLayout() const { return m_layout == Layout::Accessory; }

    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columnCount; }
    // Number of record rows (all rows but the header row).
    int recordCount() const { return rowCount() > 0 ? rowCount() - 1 : 0; }

    // Cells outside the table read as empty.
    const QString& cell(int row, int column) const;
    // Writing outside the table grows it as needed.
    void setCell(int row, int column, const QString& text);
    const QStringList& row(int row) const { return m_rows[row]; }
    void setRow(int row, const QStringList& cells);

    void setRowCount(int rows);
    void setColumnCount(int columns);
    void insertRow(int at);
    void removeRow(int row);
    void appendRow() { insertRow(rowCount()); }

    bool isWriteBlocked() const { return !m_blockReason.isEmpty(); }
    const QString& writeBlockReason() const { return m_blockReason; }
    void blockWrites(const QString& reason) { m_blockReason = reason; }
    void allowWrites() { m_blockReason.clear(); }

private:
    Layout m_layout;
    int m_columnCount = 0;
    QList<QStringList> m_rows;
    QString m_blockReason;
};

} // namespace vm
