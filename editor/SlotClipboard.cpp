#include "editor/SlotClipboard.h"

#include "text/CellText.h"
#include "editor/GridSlots.h"

#include <stdexcept>

namespace korvelt {

namespace {

TDateTime TimeOfCell(const GridOps &grid, int col, int row)
{
    const QString text = grid.Cell(col, row);
    const auto value = CellTextToTime(text);
    if (!value) {
        throw std::runtime_error(QStringLiteral("'%1' is not a valid time").arg(text).toStdString());
    }
    return *value;
}

} // namespace

void SlotClipboard::Copy(const GridOps &grid, bool fromNormalGrid)
{
    // Every row is converted before the clipboard changes, so that a row that is no time
    // leaves the clipboard as it was.
    const GridRect selection = grid.Selection();
    std::array<TimeSlot, SlotCount> copied = slots_;
    for (int r = selection.Top; r <= selection.Bottom; ++r) {
        TimeSlot &slot = copied.at(static_cast<std::size_t>(r - selection.Top));
        slot.Start = TimeOfCell(grid, StartColumn, r);
        slot.End = TimeOfCell(grid, EndColumn, r);
        if (fromNormalGrid) {
            StoreSlotDays(grid, r, slot);
        }
    }
    slots_ = copied;
    count_ = selection.Bottom - selection.Top + 1;
    hasDays_ = fromNormalGrid;
}

void SlotClipboard::Paste(GridOps &grid, bool intoNormalGrid) const
{
    if (count_ == 0) {
        return;
    }
    const int top = grid.Selection().Top;
    const int end = top + count_ < grid.GridRowCount() ? top + count_ : grid.GridRowCount();
    for (int r = top; r < end; ++r) {
        ShowSlot(grid, r, slots_.at(static_cast<std::size_t>(r - top)), intoNormalGrid && hasDays_);
    }
}

void ApplyDayPreset(GridOps &grid, int row, DayPreset preset)
{
    if (row < 1 || row >= grid.GridRowCount()) {
        return;
    }
    for (int d = 0; d < DayCount; ++d) {
        const bool weekend = d == 0 || d == DayCount - 1;
        bool on = false;
        switch (preset) {
        case DayPreset::All:
            on = true;
            break;
        case DayPreset::None:
            on = false;
            break;
        case DayPreset::Weekdays:
            on = !weekend;
            break;
        case DayPreset::Weekends:
            on = weekend;
            break;
        }
        grid.SetCell(FirstDayColumn + d, row, DayCellText(on));
    }
}

} // namespace korvelt
