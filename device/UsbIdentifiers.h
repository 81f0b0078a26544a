#pragma once

#include <cstdint>
#include <string>

namespace korvelt {

inline constexpr std::uint16_t KorveltVendorId = 0x04D8;
inline constexpr std::uint16_t KorveltProductId = 0xFD37;
// The USB release number tells the firmware's mode; any other release is still a KORVELT.
inline constexpr std::uint16_t NormalRelease = 0x0005;
inline constexpr std::uint16_t ProgramModeRelease = 0x0001;

// The hardware identifier of a HID interface, HID\VID_vvvv&PID_pppp&REV_rrrr (upper-case hex).
std::string HardwareIdText(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t release);

} // namespace korvelt
