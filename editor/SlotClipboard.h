#pragma once

#include "editor/GridOps.h"
#include "core/ScheduleModel.h"

#include <array>

namespace korvelt {

// The slot clipboard: whole slots as values (start and end parsed from the cells, days as
// flags), one clipboard for both grids and every output. It is never emptied once filled.
class SlotClipboard {
public:
    // Copies the slots of the selected rows. From the normal grid the days come along; from
    // the special grid they do not. A Start or End text that is no time ends the copy with
    // std::runtime_error and leaves the clipboard as it was, every slot of it.
    void Copy(const GridOps &grid, bool fromNormalGrid);
    // Writes the slots from the top row of the selection down, as far as the grid reaches.
    // Day cells are written only into the normal grid and only when the slots have days.
    void Paste(GridOps &grid, bool intoNormalGrid) const;

    [[nodiscard]] int Count() const { return count_; }

private:
    std::array<TimeSlot, SlotCount> slots_{};
    int count_ = 0;
    bool hasDays_ = false;
};

enum class DayPreset { All, None, Weekdays, Weekends };

// Sets the seven day cells of one slot row of the normal grid to a preset; a row that is not
// a slot row (the header, or no cell) changes nothing.
void ApplyDayPreset(GridOps &grid, int row, DayPreset preset);

} // namespace korvelt
