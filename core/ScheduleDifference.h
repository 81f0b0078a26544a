#pragma once

#include "core/ScheduleModel.h"

#include <vector>

namespace korvelt {

// One place where two schedules differ in what the device would hold.
struct ScheduleDifference {
    enum class Part {
        DaylightSaving, // the rule: enabled, weeks and months
        SpecialDate,    // Index is the entry (0-based)
        NormalSlot,     // Output and Index (the slot) are 0-based
        SpecialSlot,
    };

    Part Where = Part::DaylightSaving;
    int Output = -1; // -1 where the part belongs to no output
    int Index = -1;  // -1 for the rule

    bool operator==(const ScheduleDifference &) const = default;
};

// Every place where `a` and `b` differ as a download packs them for the device, in the order
// a download sends them: the rule, the special dates, the normal slots output by output, then
// the special slots. What the device cannot tell apart (milliseconds, the date part of a
// time) is no difference.
[[nodiscard]] std::vector<ScheduleDifference> CompareSchedules(const ScheduleModel &a, const ScheduleModel &b);

} // namespace korvelt
