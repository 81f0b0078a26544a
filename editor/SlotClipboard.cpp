#include "editor/SlotClipboard.h"

#include "text/CellText.h"
#include "editor/GridSlots.h"

#include <QCoreApplication>

#include <algorithm>
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
    const std::vector<int> rows = grid.SelectedSlots();
    std::array<TimeSlot, SlotCount> copied = slots_;
    const std::size_t count = std::min(rows.size(), copied.size());
    for (std::size_t k = 0; k < count; ++k) {
        TimeSlot &slot = copied.at(k);
        slot.Start = TimeOfCell(grid, StartColumn, rows[k]);
        slot.End = TimeOfCell(grid, EndColumn, rows[k]);
        if (fromNormalGrid) {
            StoreSlotDays(grid, rows[k], slot);
        }
    }
    slots_ = copied;
    count_ = static_cast<int>(count);
    hasDays_ = fromNormalGrid;
}

PasteResult SlotClipboard::Paste(GridOps &grid, bool intoNormalGrid) const
{
    if (count_ == 0) {
        return {};
    }
    const bool withDays = intoNormalGrid && hasDays_;
    const std::vector<int> rows = grid.SelectedSlots();
    PasteResult result;
    result.FirstRow = rows.front();
    if (rows.size() > 1) {
        // Into the selected slots only; one slot fills each of them.
        result.IntoSelection = true;
        const int fits = std::min(static_cast<int>(rows.size()), count_);
        const int written = count_ == 1 ? static_cast<int>(rows.size()) : fits;
        for (int k = 0; k < written; ++k) {
            ShowSlot(grid, rows.at(static_cast<std::size_t>(k)),
                     slots_.at(count_ == 1 ? 0 : static_cast<std::size_t>(k)), withDays);
        }
        result.Written = written;
        result.LeftOut = count_ - fits;
        return result;
    }
    const int top = rows.front();
    const int end = std::min(top + count_, grid.GridRowCount());
    for (int r = top; r < end; ++r) {
        ShowSlot(grid, r, slots_.at(static_cast<std::size_t>(r - top)), withDays);
    }
    result.Written = std::max(end - top, 0);
    result.LeftOut = count_ - result.Written;
    return result;
}

QString PasteLeftOutText(const PasteResult &result)
{
    if (result.LeftOut <= 0) {
        return {};
    }
    const int held = result.Written + result.LeftOut;
    if (result.IntoSelection) {
        // Each selected slot took one, so at least two were pasted.
        //: %1 is how many slots the clipboard holds (at least 3), %n how many were pasted (at least 2)
        return QCoreApplication::translate("SlotClipboard",
                                           "The clipboard holds %1 slots; %n were pasted into the selected slots.",
                                           nullptr, result.Written)
            .arg(held);
    }
    // From one slot down, the grid ended first.
    const int last = result.FirstRow + result.Written - 1;
    //: %1 is how many slots the clipboard holds (at least 2), %2 the number of the grid's last slot
    return result.Written == 1
               ? QCoreApplication::translate("SlotClipboard",
                                             "The clipboard holds %1 slots; 1 was pasted, as slot %2 is the last.")
                     .arg(held)
                     .arg(last)
               //: %1 is how many slots the clipboard holds (at least 3), %n how many were pasted, %2 the number of
               //: the grid's last slot
               : QCoreApplication::translate("SlotClipboard",
                                             "The clipboard holds %1 slots; %n were pasted, as slot %2 is the last.",
                                             nullptr, result.Written)
                     .arg(held)
                     .arg(last);
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
