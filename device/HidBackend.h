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
    // What tells one attachment from another at the same path (the path of a device unplugged
    // is given to the next one plugged in): empty where the platform does not say.
    std::string Instance;
};

// An exclusive claim on one device for the length of a command: while it is held, no other
// program (and no other command of this one) that claims the device talks to it. Released
// when destroyed.
class HidClaim {
public:
    HidClaim() = default;
    HidClaim(const HidClaim &) = delete;
    HidClaim &operator=(const HidClaim &) = delete;
    HidClaim(HidClaim &&) = delete;
    HidClaim &operator=(HidClaim &&) = delete;
    virtual ~HidClaim() = default;
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

    // Claims the device at `path` for one command; null when another holds it. A platform
    // without a way to claim gives a claim that holds nothing.
    [[nodiscard]] virtual std::unique_ptr<HidClaim> Claim(const std::string & /*path*/)
    {
        return std::make_unique<HidClaim>();
    }
};

} // namespace korvelt
