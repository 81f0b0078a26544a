#pragma once

#include "device/HidBackend.h"

namespace korvelt {

// The present HID devices through the Windows device set-up interface, opened and read with
// the file interface. Each interface's hardware identifier (HID\VID_04D8&PID_FD37&REV_0005)
// gives its vendor, product and release numbers.
class WindowsHidBackend final : public HidBackend {
public:
    WindowsHidBackend() = default;
    WindowsHidBackend(const WindowsHidBackend &) = delete;
    WindowsHidBackend &operator=(const WindowsHidBackend &) = delete;
    WindowsHidBackend(WindowsHidBackend &&) = delete;
    WindowsHidBackend &operator=(WindowsHidBackend &&) = delete;
    ~WindowsHidBackend() override = default;

    [[nodiscard]] std::vector<HidInterfaceInfo> Enumerate() override;
    [[nodiscard]] HidOpenResult Open(const std::string &path) override;
    // A lock file in the temporary folder, named after the interface's path, which korveltctl
    // and the window both take.
    [[nodiscard]] std::unique_ptr<HidClaim> Claim(const std::string &path) override;
};

} // namespace korvelt
