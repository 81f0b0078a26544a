#include "core/DeviceClock.h"

#include "core/BytePacking.h"

#include <cmath>
#include <limits>
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
    if (UnpackDeviceDate(std::span(reply).subspan<5, 3>(), reading.Date) &&
        UnpackDeviceTime(std::span(reply).subspan<2, 3>(), reading.Time)) {
        return reading;
    }
    double bytes = 0;
    for (std::size_t i = 2; i < 8; ++i) {
        bytes = bytes * 256 + reply.at(i); // 48 bits: exact in a double
    }
    return {std::numeric_limits<double>::quiet_NaN(), bytes};
}

std::optional<std::array<std::uint8_t, 6>> UnreadableClockBytes(TDateTime date, TDateTime time)
{
    if (!std::isnan(date)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 6> bytes{};
    if (!std::isfinite(time) || time < 0 || time >= 281474976710656.0) { // 2^48: six bytes
        return bytes;
    }
    const auto value = static_cast<std::uint64_t>(time);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes.at(i) = static_cast<std::uint8_t>((value >> (8U * (bytes.size() - 1 - i))) & 0xFFU);
    }
    return bytes;
}

} // namespace korvelt
