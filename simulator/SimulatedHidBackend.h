#pragma once

#include "device/HidBackend.h"
#include "simulator/SimulatedKorvelt.h"

#include <atomic>
#include <memory>
#include <string>
#include <utility>
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
    // The KORVELT added at `index` (counting other interfaces too); null for another device's.
    [[nodiscard]] std::shared_ptr<SimulatedKorvelt> Korvelt(std::size_t index) const;
    // Makes every open of that device fail (or succeed again).
    void SetOpenFails(const SimulatedKorvelt &device, bool fails);
    // Gives device `to` (by the order they were added) the path of device `from`, as Linux gives
    // the next device plugged in the /dev/hidrawN of one unplugged. Its instance stays its own.
    void ReusePath(std::size_t from, std::size_t to);
    // Claims go through lock files in `folder`, one per path, so that programs of their own
    // (each with a simulator of its own) contend for the device as for a real one; empty (the
    // default): claims within this backend only.
    void SetClaimFolder(std::string folder) { claimFolder_ = std::move(folder); }

    [[nodiscard]] std::vector<HidInterfaceInfo> Enumerate() override;
    [[nodiscard]] HidOpenResult Open(const std::string &path) override;
    [[nodiscard]] std::unique_ptr<HidClaim> Claim(const std::string &path) override;
    // The lock file of `path` in the claim folder.
    [[nodiscard]] std::string ClaimFileOf(const std::string &path) const;

    [[nodiscard]] int OpenCount() const { return openCount_; }
    // How many paths are claimed within this backend now.
    [[nodiscard]] std::size_t ClaimsHeld() const { return claimed_->size(); }
    // How many reports the readers of this backend's handles have handed over and come back
    // from: a reader reads again only once the report it read has been handled.
    [[nodiscard]] int ReportsHandedOver() const { return *handedOver_; }

private:
    struct Entry {
        std::shared_ptr<SimulatedKorvelt> Device; // null for another device's interface
        HidInterfaceInfo Interface;               // what Enumerate lists
        bool OpenFails = false;
        std::size_t Index = 0;
    };
    [[nodiscard]] const Entry *Present(const std::string &path) const;

    std::vector<Entry> entries_;
    std::string claimFolder_;
    std::shared_ptr<std::vector<std::string>> claimed_ = std::make_shared<std::vector<std::string>>();
    int openCount_ = 0;
    std::shared_ptr<std::atomic<int>> handedOver_ = std::make_shared<std::atomic<int>>(0);
};

} // namespace korvelt
