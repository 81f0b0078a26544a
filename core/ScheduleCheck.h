#pragma once

#include "core/ScheduleModel.h"
#include "core/SendCheck.h"

#include <vector>

namespace korvelt {

// One thing the schedule check found: a likely mistake, or a note that needs no action.
struct ScheduleFinding {
    enum class Kind {
        // Mistakes
        EndBeforeStart,      // a slot with days whose end is before its start
        StartEqualsEnd,      // a slot with days whose start and end are the same
        TimesWithoutDays,    // a normal slot with times but no day ticked
        Overlap,             // two slots of one output on the same day overlap (Other: the other slot)
        Duplicate,           // a slot the same as an earlier one of its output (Other: that slot)
        NotWholeSeconds,     // a time with fractions of a second (Value: which time); a date part is Unsendable
        Unsendable,          // a value the device cannot hold (Value says which)
        SpecialDateWithTime, // a special date that carries a time of day (Slot: the entry, Date: it)
        // Notes
        PastSpecialDate,               // a special date before today (Slot: the entry)
        RepeatedSpecialDate,           // a special date already given (Slot: the entry, Other: the first)
        SpecialSlotsWithoutFutureDate, // special slots set while no special date is today or later
    };
    Kind What = Kind::Unsendable;
    bool Special = false; // the slot is one of the Special Times table
    int Output = -1;      // 0-based; -1 where the finding names no output
    int Slot = -1;        // 0-based slot, or special-date entry; -1 where it names none
    int Other = -1;       // the second slot or entry a finding names; -1 where it names none
    UnsendableValue Value{};
    // What the texts show: the slot's times, the days an overlap is on (bit d for day d,
    // 0 = Sunday), the special date a note is about.
    TDateTime Start = 0;
    TDateTime End = 0;
    int Days = 0;
    TDateTime Date = 0;
    bool operator==(const ScheduleFinding &) const = default;
};

// A mistake makes the window ask before writing; a note never does.
[[nodiscard]] bool IsMistake(const ScheduleFinding &finding);

// A normal slot is in use when a day is ticked, a special slot when its start and end differ;
// a slot not in use switches nothing (a normal one with times but no day is still a mistake).
[[nodiscard]] bool SlotInUse(const TimeSlot &slot, bool special);

// Every finding of the model, mistakes first, each in the order of the tables. `today` is the
// date the notes on special dates are judged against (whole days).
[[nodiscard]] std::vector<ScheduleFinding> CheckSchedule(const ScheduleModel &model, TDateTime today);

} // namespace korvelt
