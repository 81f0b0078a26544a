#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace korvelt {

// Where an exchange with the device stands: which reply the next input report answers.
enum class ProtocolState : std::int32_t {
    Idle = 0,
    WriteIdentify = 1,
    WriteSettings = 2,
    WriteSpecialDates = 3,
    WriteNormalFirstHalf = 4,
    WriteNormalSecondHalf = 5,
    WriteSpecialFirstHalf = 6,
    WriteSpecialSecondHalf = 7,
    WriteEnd = 8,
    WriteDone = 9,
    SetClockIdentify = 10,
    ReadClockIdentify = 11,
    ClockReply = 12,
    ReadIdentify = 13,
    ReadSettings = 14,
    ReadSpecialDates = 15,
    ReadNormalFirstHalf = 16,
    ReadNormalSecondHalf = 17,
    ReadSpecialFirstHalf = 18,
    ReadSpecialSecondHalf = 19,
};

inline constexpr int ProtocolStateCount = 20;

constexpr std::string_view ProtocolStateName(ProtocolState state)
{
    constexpr std::array<std::string_view, ProtocolStateCount> names{
        "Idle",
        "WriteIdentify",
        "WriteSettings",
        "WriteSpecialDates",
        "WriteNormalFirstHalf",
        "WriteNormalSecondHalf",
        "WriteSpecialFirstHalf",
        "WriteSpecialSecondHalf",
        "WriteEnd",
        "WriteDone",
        "SetClockIdentify",
        "ReadClockIdentify",
        "ClockReply",
        "ReadIdentify",
        "ReadSettings",
        "ReadSpecialDates",
        "ReadNormalFirstHalf",
        "ReadNormalSecondHalf",
        "ReadSpecialFirstHalf",
        "ReadSpecialSecondHalf",
    };
    const auto index = static_cast<std::int32_t>(state);
    return index >= 0 && index < ProtocolStateCount ? names.at(static_cast<std::size_t>(index)) : std::string_view{};
}

} // namespace korvelt
