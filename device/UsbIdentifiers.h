#pragma once

#include <cstdint>
#include <optional>

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

    [[nodiscard]] constexpr bool Matches(std::uint16_t vendorId, std::uint16_t productId,
                                         std::uint16_t release) const
    {
        return vendorId == VendorId && productId == ProductId && (!Release || *Release == release);
    }
};

// The searches, tried in this order: the normal firmware, program mode, any release.
inline constexpr UsbMatch NormalFirmware{KorveltVendorId, KorveltProductId, NormalRelease};
inline constexpr UsbMatch ProgramMode{KorveltVendorId, KorveltProductId, ProgramModeRelease};
inline constexpr UsbMatch AnyRelease{KorveltVendorId, KorveltProductId, std::nullopt};

} // namespace korvelt
