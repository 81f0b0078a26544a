#pragma once

#include "DateTime.h"
#include "Report.h"

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
// month, year - 2000 at bytes 2..7).
struct DeviceClockReading {
    TDateTime Date = 0; // whole days; 0 (30 December 1899) when the bytes form no date
    TDateTime Time = 0; // time of day; 0 when the date or the time cannot be formed

    bool operator==(const DeviceClockReading &) const = default;
};

// The date is converted first; when it fails nothing else is, and both values stay 0.
DeviceClockReading DecodeClockReply(const Report &reply);

} // namespace korvelt
