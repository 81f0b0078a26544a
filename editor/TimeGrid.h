#pragma once

#include <QLabel>
#include <QString>
#include <QTableWidget>

namespace korvelt {

// A cell rectangle in grid coordinates: row 0 is the header row, column 0 the slot column.
struct GridRect {
    int Left = 1;
    int Top = 1;
    int Right = 1;
    int Bottom = 1;
};

// A time grid: a header row ("Slot", "Start", ...) and a slot column ("1" .. "16") that are
// fixed, and the editable cells. All grid logic addresses it in grid coordinates, with the
// header row as row 0 and the slot column as column 0, so the headers count in RowCount()
// and ColCount(). The fixed row and column are the view's own headers: they stay in place
// when the cells scroll and can be neither selected nor edited.
class TimeGrid : public QTableWidget {
    Q_OBJECT

public:
    TimeGrid(int colCount, int rowCount, QWidget *parent = nullptr);

    static constexpr int RowHeight = 17;

    [[nodiscard]] QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString &text);
    [[nodiscard]] int RowCount() const { return rowCount() + 1; }
    [[nodiscard]] int ColCount() const { return columnCount() + 1; }
    void SetColWidth(int col, int width);
    [[nodiscard]] int ColWidth(int col) const;
    // The selected rectangle; it always covers at least the current cell.
    [[nodiscard]] GridRect Selection() const;
    void SelectCells(const GridRect &rect);
    // The (column, row) under a point in the grid's own coordinates; (-1, -1) on no cell.
    [[nodiscard]] QPoint MouseToCell(const QPoint &pos) const;
    // The point in grid coordinates at the centre of a cell (for tests and tools).
    [[nodiscard]] QPoint CellCentre(int col, int row) const;

protected:
    void updateGeometries() override;

private:
    QLabel corner_;
};

} // namespace korvelt
