#pragma once

#include "ScheduleCheck.h"

#include <QString>

namespace korvelt {

// What is wrong with a value the KORVELT cannot hold, with its place:
//   "Output 3, Normal Times slot 5: the Start time is not a time of day."
[[nodiscard]] QString UnsendableText(const UnsendableValue &value);

// One line for a finding of the schedule check: where it is and what it found.
[[nodiscard]] QString FindingText(const ScheduleFinding &finding);

} // namespace korvelt
