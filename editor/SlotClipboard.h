#pragma once

#include "editor/GridOps.h"
#include "core/ScheduleModel.h"

#include <QString>

#include <array>

namespace korvelt {

// What a paste did: how many slot rows it wrote and how many copied slots found no row.
struct PasteResult {
    int Written = 0;
    int LeftOut = 0;
    bool IntoSelection = false; // into several selected slots, rather than from one slot down
    int FirstRow = 0;           // the first row written

    bool operator==(const PasteResult &) const = default;
};

// The note for a paste that left slots out ("The clipboard holds 5 slots; 3 were pasted into
// the selected slots."); empty when every slot was pasted.
[[nodiscard]] QString PasteLeftOutText(const PasteResult &result);

// The slot clipboard: whole slots as values (start and end parsed from the cells, days as
// flags), one clipboard for both grids and every output. It is never emptied once filled.
class SlotClipboard {
public:
    // Copies the selected slots, from the top down (gaps in the selection are left out). From
    // the normal grid the days come along; from the special grid they do not. A Start or End
    // text that is no time ends the copy with std::runtime_error and leaves the clipboard as
    // it was, every slot of it.
    void Copy(const GridOps &grid, bool fromNormalGrid);
    // Writes the slots into the rows the user chose and nowhere else. With several slots
    // selected they go into those, in order: one copied slot into each of them, more
    // slots one to a selected slot until either runs out. With one slot (or one cell)
    // selected they go from there down, as far as the grid reaches. Day cells are written
    // only into the normal grid and only when the slots have days.
    PasteResult Paste(GridOps &grid, bool intoNormalGrid) const;

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
