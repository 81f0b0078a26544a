#include "DeviceClock.h"

#include <cmath>

namespace korvelt {

namespace {

constexpr int YearBase = 2000;

} // namespace

TDateTime ClockValueFromPickers(TDateTime pickerDate, TDateTime pickerTime)
{
    const TDateTime day = DatePart(pickerDate);
    const TDateTime timeOfDay = std::isfinite(pickerTime) ? std::fabs(pickerTime - std::trunc(pickerTime)) : 0.0;
    // Before the origin the time of day counts away from it, as DecodeTime reads it.
    return day < 0 ? day - timeOfDay : day + timeOfDay;
}

Report ClockWriteRequest(TDateTime value)
{
    Report request = MakeRequest(Command::Clock);
    request[2] = ToByte(ClockCommand::Write);
    const TimeParts time = DecodeTime(value);
    const DateParts date = DecodeDate(value);
    request[3] = static_cast<std::uint8_t>(time.Hour);
    request[4] = static_cast<std::uint8_t>(time.Minute);
    request[5] = static_cast<std::uint8_t>(time.Second);
    request[6] = static_cast<std::uint8_t>(date.Day);
    request[7] = static_cast<std::uint8_t>(date.Month);
    request[8] = static_cast<std::uint8_t>(date.Year - YearBase); // wraps modulo 256
    return request;
}

Report ClockReadRequest()
{
    Report request = MakeRequest(Command::Clock);
    request[2] = ToByte(ClockCommand::Read);
    return request;
}

DeviceClockReading DecodeClockReply(const Report &reply)
{
    DeviceClockReading reading;
    if (!TryEncodeDate(YearBase + reply[7], reply[6], reply[5], reading.Date)) {
        return reading;
    }
    // A failed time keeps the converted date and leaves the time at midnight.
    (void)TryEncodeTime(reply[2], reply[3], reply[4], 0, reading.Time);
    return reading;
}

} // namespace korvelt
