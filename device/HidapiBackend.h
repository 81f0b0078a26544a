#pragma once

#include "device/HidBackend.h"

namespace korvelt {

// The present HID devices through hidapi (the hidraw backend on Linux).
class HidapiBackend final : public HidBackend {
public:
    HidapiBackend();
    HidapiBackend(const HidapiBackend &) = delete;
    HidapiBackend &operator=(const HidapiBackend &) = delete;
    HidapiBackend(HidapiBackend &&) = delete;
    HidapiBackend &operator=(HidapiBackend &&) = delete;
    ~HidapiBackend() override;

    // Every HID interface, with the hardware identifier made from the vendor, product and
    // release numbers that hidapi reports.
    [[nodiscard]] std::vector<HidInterfaceInfo> Enumerate() override;
    [[nodiscard]] HidOpenResult Open(const std::string &path) override;
    // An advisory lock on the device node, which korveltctl and the window both take.
    [[nodiscard]] std::unique_ptr<HidClaim> Claim(const std::string &path) override;
};

} // namespace korvelt
