#pragma once

#include <QString>

#include <vector>

namespace korvelt {

// A cell rectangle in grid coordinates: row 0 is the header row, column 0 the slot column.
struct GridRect {
    int Left = 1;
    int Top = 1;
    int Right = 1;
    int Bottom = 1;
};

// The few grid operations that the clipboard and the day presets use, so that their logic
// can be read and tested without a widget.
class GridOps {
public:
    GridOps() = default;
    GridOps(const GridOps &) = delete;
    GridOps &operator=(const GridOps &) = delete;
    GridOps(GridOps &&) = delete;
    GridOps &operator=(GridOps &&) = delete;
    virtual ~GridOps() = default;

    [[nodiscard]] virtual QString Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const QString &text) = 0;
    // The number of rows and columns in grid coordinates, the header row and the slot column
    // included.
    [[nodiscard]] virtual int GridRowCount() const = 0;
    [[nodiscard]] virtual int GridColCount() const = 0;
    // The rectangle around the selected cells; it lies within the slot rows and covers at
    // least the current cell. Its top and bottom are the first and last of SelectedSlots().
    [[nodiscard]] virtual GridRect Selection() const = 0;
    // The slot rows that hold a selected cell, from the top down; at least the current cell's
    // row. A grid whose selection has no gaps has the rows of Selection().
    [[nodiscard]] virtual std::vector<int> SelectedSlots() const
    {
        const GridRect rect = Selection();
        std::vector<int> rows;
        for (int r = rect.Top; r <= rect.Bottom; ++r) {
            rows.push_back(r);
        }
        return rows;
    }
};

} // namespace korvelt
