#pragma once

#include "editor/GridOps.h"
#include "core/ScheduleModel.h"

#include <QString>

namespace korvelt {

// The columns of both time grids: column 0 the slot number, then Start and End, and in the
// normal grid the seven days Sunday..Saturday. Row 0 is the header row; slot k is row k + 1.
inline constexpr int StartColumn = 1;
inline constexpr int EndColumn = 2;
inline constexpr int FirstDayColumn = 3;

// The two texts of a day cell, "On" and "Off" in the program's language; a day is on exactly
// when its cell says the translated "On". This is the one place that knows both texts.
[[nodiscard]] QString DayCellText(bool on);
[[nodiscard]] bool DayCellIsOn(const QString &text);

// Shows one slot in a slot row: its Start and End texts and, with days, its day cells.
void ShowSlot(GridOps &grid, int row, const TimeSlot &slot, bool withDays);
// Takes the day cells of a slot row into the slot's days.
void StoreSlotDays(const GridOps &grid, int row, TimeSlot &slot);

// Shows an output's slots in the slot rows, and stores the slot rows back into them. A Start
// or End text that is no time leaves its value as it was.
void ShowSlots(GridOps &grid, const OutputSlots &outputSlots, bool withDays);
void StoreSlots(const GridOps &grid, OutputSlots &outputSlots, bool withDays);

} // namespace korvelt
