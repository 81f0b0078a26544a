#pragma once

#include "HidDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace korvelt {

// One present HID interface.
struct HidInterfaceInfo {
    std::string HardwareId; // HID\VID_vvvv&PID_pppp&REV_rrrr
    std::string Path;       // what Open takes
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
