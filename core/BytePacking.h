#pragma once

#include "core/DeviceLimits.h"

#include "core/DateTime.h"

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvelt {

// Numbers in data files and in reports are little-endian: the lowest byte first.
template <std::unsigned_integral T> constexpr void PutLittleEndian(std::span<std::uint8_t, sizeof(T)> dest, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        dest[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

template <std::unsigned_integral T> constexpr T GetLittleEndian(std::span<const std::uint8_t, sizeof(T)> source)
{
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value = static_cast<T>(value | (static_cast<T>(source[i]) << (8 * i)));
    }
    return value;
}

// The device keeps a time of day as hour, minute, second, and a date as day, month and the
// year's offset from 2000 in one byte (so 2000..2255), three bytes each.
inline constexpr int DeviceYearBase = FirstDeviceYear;
using DeviceFieldBytes = std::span<std::uint8_t, 3>;
using ConstDeviceFieldBytes = std::span<const std::uint8_t, 3>;

// The time of day of `value`; milliseconds are dropped, not rounded into the seconds.
inline void PackDeviceTime(TDateTime value, DeviceFieldBytes dest)
{
    const TimeParts parts = DecodeTime(value);
    dest[0] = static_cast<std::uint8_t>(parts.Hour);
    dest[1] = static_cast<std::uint8_t>(parts.Minute);
    dest[2] = static_cast<std::uint8_t>(parts.Second);
}

// The date of `value`; a year outside 2000..2255 wraps modulo 256.
inline void PackDeviceDate(TDateTime value, DeviceFieldBytes dest)
{
    const DateParts parts = DecodeDate(value);
    dest[0] = static_cast<std::uint8_t>(parts.Day);
    dest[1] = static_cast<std::uint8_t>(parts.Month);
    dest[2] = static_cast<std::uint8_t>(parts.Year - DeviceYearBase);
}

// False, with `value` left alone, when the bytes are no time of day (hour above 23, minute
// or second above 59) or no calendar date.
[[nodiscard]] inline bool UnpackDeviceTime(ConstDeviceFieldBytes source, TDateTime &value)
{
    return TryEncodeTime(source[0], source[1], source[2], 0, value);
}

[[nodiscard]] inline bool UnpackDeviceDate(ConstDeviceFieldBytes source, TDateTime &value)
{
    return TryEncodeDate(DeviceYearBase + source[2], source[1], source[0], value);
}

} // namespace korvelt
