#pragma once

#include "HidBackend.h"
#include "SimulatedKorvelt.h"

#include <memory>
#include <string>
#include <vector>

namespace korvelt {

// The present HID interfaces as a list of simulated KORVELTs (each with its release number)
// and, if wanted, interfaces of other devices. A KORVELT that is unplugged is not listed.
// Set the list up before use; the devices themselves may be used from any thread.
class SimulatedHidBackend final : public HidBackend {
public:
    // Adds a device at the end of the enumeration order; returns it for the test to control.
    std::shared_ptr<SimulatedKorvelt> AddKorvelt(std::uint16_t release = NormalRelease);
    // Adds an interface of some other device, which is listed but cannot be opened.
    void AddOtherInterface(const std::string &hardwareId);
    // Makes every open of that device fail (or succeed again).
    void SetOpenFails(const SimulatedKorvelt &device, bool fails);

    [[nodiscard]] std::vector<HidInterfaceInfo> Enumerate() override;
    [[nodiscard]] HidOpenResult Open(const std::string &path) override;

    [[nodiscard]] int OpenCount() const { return openCount_; }

private:
    struct Entry {
        std::shared_ptr<SimulatedKorvelt> Device; // null for another device's interface
        std::string HardwareId;                    // for another device's interface
        std::string Path;
        bool OpenFails = false;
    };

    std::vector<Entry> entries_;
    int openCount_ = 0;
};

} // namespace korvelt
