#pragma once

#include "device/HidDevice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvelt {

// One present HID interface: its USB numbers and the path Open takes.
struct HidInterfaceInfo {
    std::uint16_t VendorId = 0;
    std::uint16_t ProductId = 0;
    std::uint16_t Release = 0;
    std::string Path;
};

struct HidOpenResult {
    std::unique_ptr<HidDevice> Device; // null when the open failed
    std::string Error;                 // why, when it failed
};

// Access to the present HID devices: hidapi in the program, the simulator in tests.
class HidBackend {
public:
    HidBackend() = default;
    HidBackend(const HidBackend &) = delete;
    HidBackend &operator=(const HidBackend &) = delete;
    HidBackend(HidBackend &&) = delete;
    HidBackend &operator=(HidBackend &&) = delete;
    virtual ~HidBackend() = default;

    // The present interfaces in the platform's order.
    [[nodiscard]] virtual std::vector<HidInterfaceInfo> Enumerate() = 0;

    // Opens one handle on an interface; call twice for separate read and write handles.
    [[nodiscard]] virtual HidOpenResult Open(const std::string &path) = 0;
};

} // namespace korvelt
