#pragma once

#include "core/DateTime.h"
#include "core/Report.h"

#include <array>
#include <cstdint>
#include <optional>

namespace korvelt {

// The value "Set Time" sends when the PC clock is not used: the whole days of the date
// picker's value and the time of day of the time picker's value.
TDateTime ClockValueFromPickers(TDateTime pickerDate, TDateTime pickerTime);

// The ClockWrite request for `value`: bytes 3..8 hour, minute, second (milliseconds dropped),
// day, month and year - 2000 (low 8 bits). Every byte from 9 on is 0.
Report ClockWriteRequest(TDateTime value);

// The ClockRead request: bytes 1 and 2 only.
Report ClockReadRequest();

// The time and date that a clock reply carries (byte 1 = 0x54; hour, minute, second, day,
// month, year - 2000 at bytes 2..7). A clock whose bytes form no date and time (30 February,
// hour 25) is not shown as some other moment: Date is then not a number and Time holds the
// six bytes, hour first, as one whole number (see UnreadableClockBytes).
struct DeviceClockReading {
    TDateTime Date = 0; // whole days
    TDateTime Time = 0; // time of day

    bool operator==(const DeviceClockReading &) const = default;
};

DeviceClockReading DecodeClockReply(const Report &reply);

// The bytes of a clock that holds no valid time: hour, minute, second, day, month, year - 2000;
// nothing for a reading that is a real moment.
[[nodiscard]] std::optional<std::array<std::uint8_t, 6>> UnreadableClockBytes(TDateTime date, TDateTime time);

} // namespace korvelt
