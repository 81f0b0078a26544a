#pragma once

#include "core/DateTime.h"

#include <array>
#include <cstdint>

namespace korvelt {

inline constexpr int DayCount = 7;

// One switching period. Day flags are kept as the bytes they were read as (0 = no,
// anything else = yes) so that a value nobody edits is saved and sent back unchanged.
struct TimeSlot {
    TDateTime Start = 0.5;
    TDateTime End = 0.5;
    std::array<std::uint8_t, DayCount> Days{}; // index 0 = Sunday .. 6 = Saturday

    bool operator==(const TimeSlot &) const = default;
};

} // namespace korvelt
