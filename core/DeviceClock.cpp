#include "DeviceClock.h"

#include "BytePacking.h"

#include <cmath>
#include <span>

namespace korvelt {

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
    PackDeviceTime(value, std::span(request).subspan<3, 3>());
    PackDeviceDate(value, std::span(request).subspan<6, 3>());
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
    // The reply has no sub-command byte: its fields sit one byte lower than in ClockWrite.
    DeviceClockReading reading;
    if (!UnpackDeviceDate(std::span(reply).subspan<5, 3>(), reading.Date)) {
        return reading;
    }
    // A failed time keeps the converted date and leaves the time at midnight.
    (void)UnpackDeviceTime(std::span(reply).subspan<2, 3>(), reading.Time);
    return reading;
}

} // namespace korvelt
