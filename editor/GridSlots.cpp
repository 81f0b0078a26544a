#include "editor/GridSlots.h"

#include "text/CellText.h"

#include <QCoreApplication>

namespace korvelt {

QString DayCellText(bool on)
{
    //: The text of a day cell whose day is on; keep it short
    return on ? QCoreApplication::translate("GridSlots", "On", "day cell")
              //: The text of a day cell whose day is off; keep it short
              : QCoreApplication::translate("GridSlots", "Off", "day cell");
}

bool DayCellIsOn(const QString &text)
{
    return text == DayCellText(true);
}

void ShowSlot(GridOps &grid, int row, const TimeSlot &slot, bool withDays)
{
    grid.SetCell(StartColumn, row, TimeToCellText(slot.Start));
    grid.SetCell(EndColumn, row, TimeToCellText(slot.End));
    if (withDays) {
        for (int d = 0; d < DayCount; ++d) {
            grid.SetCell(FirstDayColumn + d, row, DayCellText(slot.Days.at(static_cast<std::size_t>(d)) != 0));
        }
    }
}

void StoreSlotDays(const GridOps &grid, int row, TimeSlot &slot)
{
    for (int d = 0; d < DayCount; ++d) {
        slot.Days.at(static_cast<std::size_t>(d)) = DayCellIsOn(grid.Cell(FirstDayColumn + d, row)) ? 1 : 0;
    }
}

void ShowSlots(GridOps &grid, const OutputSlots &outputSlots, bool withDays)
{
    for (int s = 0; s < SlotCount; ++s) {
        ShowSlot(grid, s + 1, outputSlots.at(static_cast<std::size_t>(s)), withDays);
    }
}

void StoreSlots(const GridOps &grid, OutputSlots &outputSlots, bool withDays)
{
    for (int s = 0; s < SlotCount; ++s) {
        TimeSlot &slot = outputSlots.at(static_cast<std::size_t>(s));
        StoreCellText(grid.Cell(StartColumn, s + 1), slot.Start);
        StoreCellText(grid.Cell(EndColumn, s + 1), slot.End);
        if (withDays) {
            StoreSlotDays(grid, s + 1, slot);
        }
    }
}

} // namespace korvelt
