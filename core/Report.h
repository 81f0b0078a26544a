#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvelt {

// One HID report as it travels: byte 0 is the report ID (always 0 here), byte 1 the command.
inline constexpr std::size_t ReportSize = 65;
using Report = std::array<std::uint8_t, ReportSize>;

// The device's configuration memory: 65 blocks of 96 bytes, each moved in two halves of 48.
inline constexpr int BlockCount = 65;
inline constexpr std::size_t BlockSize = 96;
inline constexpr std::size_t HalfSize = BlockSize / 2;
using BlockHalf = std::array<std::uint8_t, HalfSize>;
using BlockImage = std::array<std::uint8_t, BlockSize>;

// Where a block half sits in a write request and in a read reply.
inline constexpr std::size_t RequestDataOffset = 3;
inline constexpr std::size_t ReplyDataOffset = 2;

// Request commands (byte 1).
enum class Command : std::uint8_t {
    Identify = 0x53,        // 'S'
    BeginDownload = 0x45,   // 'E'
    WriteFirstHalf = 0x64,  // 'd'
    WriteSecondHalf = 0x44, // 'D'
    EndDownload = 0x5A,     // 'Z'
    ReadFirstHalf = 0x72,   // 'r'
    ReadSecondHalf = 0x52,  // 'R'
    Clock = 0x54,           // 'T'
};

// Sub-commands of Clock (byte 2).
enum class ClockCommand : std::uint8_t {
    Write = 0x57, // 'W'
    Read = 0x52,  // 'R'
};

constexpr std::uint8_t ToByte(Command command)
{
    return static_cast<std::uint8_t>(command);
}
constexpr std::uint8_t ToByte(ClockCommand command)
{
    return static_cast<std::uint8_t>(command);
}

// A device running this program's firmware answers Identify with these bytes at 2, 3 and 4.
inline constexpr std::array<std::uint8_t, 3> IdentityBytes{0x00, 0x04, 0x01};
inline constexpr std::size_t IdentityOffset = 2;
inline constexpr std::size_t SerialNumberOffset = 6;
inline constexpr std::size_t VersionTextOffset = 10;

// A clean request: report ID 0, the command in byte 1, every other byte 0.
constexpr Report MakeRequest(Command command)
{
    Report request{};
    request[1] = ToByte(command);
    return request;
}

} // namespace korvelt
