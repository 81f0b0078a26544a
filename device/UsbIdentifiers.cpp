#include "UsbIdentifiers.h"

#include <array>

namespace korvelt {

namespace {

std::string Hex4(std::uint16_t value)
{
    constexpr std::array<char, 16> digits{'0', '1', '2', '3', '4', '5', '6', '7',
                                          '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string text(4, '0');
    for (int i = 3; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = digits.at(value & 0xFU);
        value = static_cast<std::uint16_t>(value >> 4);
    }
    return text;
}

} // namespace

std::string HardwareIdText(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t release)
{
    return "HID\\VID_" + Hex4(vendorId) + "&PID_" + Hex4(productId) + "&REV_" + Hex4(release);
}

} // namespace korvelt
