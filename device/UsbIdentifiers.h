#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvelt {

inline constexpr std::uint16_t KorveltVendorId = 0x04D8;
inline constexpr std::uint16_t KorveltProductId = 0xFD37;
// The USB release number tells the firmware's mode; any other release is still a KORVELT.
inline constexpr std::uint16_t NormalRelease = 0x0005;
inline constexpr std::uint16_t ProgramModeRelease = 0x0001;

// What a search for a device looks for: a vendor and product, and a release number or any.
struct UsbMatch {
    std::uint16_t VendorId = KorveltVendorId;
    std::uint16_t ProductId = KorveltProductId;
    std::optional<std::uint16_t> Release;

    [[nodiscard]] constexpr bool Matches(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t release) const
    {
        return vendorId == VendorId && productId == ProductId && (!Release || *Release == release);
    }
};

// The searches, tried in this order: the normal firmware, program mode, any release.
inline constexpr UsbMatch NormalFirmware{KorveltVendorId, KorveltProductId, NormalRelease};
inline constexpr UsbMatch ProgramMode{KorveltVendorId, KorveltProductId, ProgramModeRelease};
inline constexpr UsbMatch AnyRelease{KorveltVendorId, KorveltProductId, std::nullopt};

// The numbers a hardware identifier names, as Windows reports the first of a device's list:
// HID\VID_04D8&PID_FD37&REV_0005, letter case ignored, perhaps with more parts after it
// ("&MI_00" on one interface of a composite device).
struct HardwareIdNumbers {
    std::uint16_t VendorId = 0;
    std::uint16_t ProductId = 0;
    std::optional<std::uint16_t> Release; // none when the identifier names no release
};

namespace detail {

// The four hexadecimal digits after `key` (such as "VID_") at a part's start; nothing when the
// identifier has no such part.
constexpr std::optional<std::uint16_t> HardwareIdField(std::string_view id, std::string_view key)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    for (std::size_t start = 0; start + key.size() + 4 <= id.size(); ++start) {
        const bool partStart = start == 0 || id[start - 1] == '\\' || id[start - 1] == '&';
        bool keyHere = partStart;
        for (std::size_t k = 0; keyHere && k < key.size(); ++k) {
            keyHere = upper(id[start + k]) == key[k];
        }
        if (!keyHere) {
            continue;
        }
        std::uint16_t value = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = upper(id[start + key.size() + k]);
            int digit = -1;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            }
            if (digit < 0) {
                return std::nullopt;
            }
            value = static_cast<std::uint16_t>(value * 16 + digit);
        }
        const std::size_t end = start + key.size() + 4;
        if (end != id.size() && id[end] != '&' && id[end] != '\\') {
            return std::nullopt;
        }
        return value;
    }
    return std::nullopt;
}

} // namespace detail

// The vendor, product and release of a hardware identifier; nothing when it names no vendor
// or no product. The search then matches the numbers as for every other backend.
constexpr std::optional<HardwareIdNumbers> ParseHardwareId(std::string_view id)
{
    const std::optional<std::uint16_t> vendor = detail::HardwareIdField(id, "VID_");
    const std::optional<std::uint16_t> product = detail::HardwareIdField(id, "PID_");
    if (!vendor || !product) {
        return std::nullopt;
    }
    return HardwareIdNumbers{*vendor, *product, detail::HardwareIdField(id, "REV_")};
}

} // namespace korvelt
