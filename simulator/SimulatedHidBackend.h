#pragma once

#include "device/HidBackend.h"
#include "simulator/SimulatedKorvelt.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace korvelt {

// The present HID interfaces as a list of simulated KORVELTs (each with its release number)
// and, if wanted, interfaces of other devices. A KORVELT that is unplugged is not listed. A
// handle gets the replies that arrive after it was opened.
// Set the list up before use; the devices themselves may be used from any thread.
class SimulatedHidBackend final : public HidBackend {
public:
    // Adds a device at the end of the enumeration order; returns it for the test to control.
    std::shared_ptr<SimulatedKorvelt> AddKorvelt(std::uint16_t release = NormalRelease);
    // Adds an interface of some other device, which is listed but cannot be opened.
    void AddOtherInterface(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t release);
    // Makes every open of that device fail (or succeed again).
    void SetOpenFails(const SimulatedKorvelt &device, bool fails);

    [[nodiscard]] std::vector<HidInterfaceInfo> Enumerate() override;
    [[nodiscard]] HidOpenResult Open(const std::string &path) override;

    [[nodiscard]] int OpenCount() const { return openCount_; }
    // How many reports the readers of this backend's handles have handed over and come back
    // from: a reader reads again only once the report it read has been handled.
    [[nodiscard]] int ReportsHandedOver() const { return *handedOver_; }

private:
    struct Entry {
        std::shared_ptr<SimulatedKorvelt> Device; // null for another device's interface
        HidInterfaceInfo Interface;               // what Enumerate lists
        bool OpenFails = false;
    };

    std::vector<Entry> entries_;
    int openCount_ = 0;
    std::shared_ptr<std::atomic<int>> handedOver_ = std::make_shared<std::atomic<int>>(0);
};

} // namespace korvelt
