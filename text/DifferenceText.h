#pragma once

#include "core/ScheduleDifference.h"

#include <QStringList>

#include <vector>

namespace korvelt {

// One line for each difference between the schedule in the window and the one read from a
// KORVELT, in the user's locale: where it is, then what the window holds and what the
// KORVELT holds there, with times and dates as the window's controls show them, e.g.
//   Output 3, Normal Times slot 5: window 06:00:00 to 07:00:00 Mon Wed, KORVELT 06:00:00 to 07:30:00 Mon Wed
//   Special date 5: window 01/11/2009, KORVELT 02/11/2009
//   Daylight Saving: window on, Last Sunday of March to Last Sunday of October; KORVELT off, ...
// Special slots show their days only where the two differ in them: the window does not show
// them, but the KORVELT keeps them. A value the KORVELT cannot hold shows as the window shows
// it: "(empty)" for a time cell with no time, "(not set)" for a special date, "(not chosen)"
// for a week or month.
// Where a slot is, as every message names it: "Output 3, Normal Times slot 5" (both 0-based
// in, counted from 1 in the text).
[[nodiscard]] QString SlotPlaceText(int output, bool special, int slot);

[[nodiscard]] QStringList DifferenceLines(const ScheduleModel &window, const ScheduleModel &device,
                                          const std::vector<ScheduleDifference> &differences);

} // namespace korvelt
