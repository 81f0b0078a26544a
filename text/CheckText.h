#pragma once

#include "core/ScheduleCheck.h"

#include <QLocale>
#include <QString>

#include <array>

namespace korvelt {

// What is wrong with a value the KORVELT cannot hold, with its place:
//   "Output 3, Normal Times slot 5: the Start time is not a time of day."
[[nodiscard]] QString UnsendableText(const UnsendableValue &value);

// One line for a finding of the schedule check: where it is and what it found, with times
// and dates as the window's controls show them, e.g.
//   "Output 2, Normal Times slot 3: ends at 06:00:00, before it starts at 22:00:00."
//   "Output 2, Normal Times slot 4 (09:00:00 to 12:00:00) overlaps slot 1 on Mon Tue."
//   "Special date 2 (01/11/2009) is the same as special date 1."
[[nodiscard]] QString FindingText(const ScheduleFinding &finding);

// The seven days in the order the user's locale starts its week with, as indices of
// TimeSlot::Days (0 = Sunday).
[[nodiscard]] std::array<int, DayCount> LocaleDayOrder(const QLocale &locale = QLocale());

// The days of a day mask (bit d for day d, 0 = Sunday) as the grid's headings, in the
// locale's order, three or more in a row as a range: "Mon Tue Sat", "Mon to Fri Sun".
[[nodiscard]] QString DayMaskText(int days);

} // namespace korvelt
