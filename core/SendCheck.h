#pragma once

#include "core/ScheduleModel.h"

#include <vector>

namespace korvelt {

// A value the device cannot hold as it stands: a time that is not a time of day (not a
// number, infinite, negative, a day or more), a special date outside the years 2000 to 2255,
// or a week or month of the daylight-saving rule that is none of its items. Sent anyway, such
// a value would arrive as whatever its low bits give.
struct UnsendableValue {
    enum class Field {
        NormalStart,
        NormalEnd,
        SpecialStart,
        SpecialEnd,
        SpecialDate,
        AdvanceWeek,
        AdvanceMonth,
        RetardWeek,
        RetardMonth,
    };

    Field What = Field::NormalStart;
    int Output = -1; // 0-based; -1 where the field belongs to no output
    int Index = -1;  // the slot (0-based) of a time, the entry of a special date; else -1

    bool operator==(const UnsendableValue &) const = default;
};

[[nodiscard]] bool IsSendableTime(TDateTime value);
[[nodiscard]] bool IsSendableDate(TDateTime value);

// Every unsendable value of the model, in the order a download sends them: the rule, the
// special dates, the normal slots output by output, then the special slots.
[[nodiscard]] std::vector<UnsendableValue> FindUnsendableValues(const ScheduleModel &model);

} // namespace korvelt
