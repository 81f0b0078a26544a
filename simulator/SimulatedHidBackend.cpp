#include "simulator/SimulatedHidBackend.h"

#include "simulator/SimulatedHidDevice.h"

#include <algorithm>

namespace korvelt {

namespace {

std::string PathOf(std::size_t index)
{
    return "sim:" + std::to_string(index);
}

} // namespace

std::shared_ptr<SimulatedKorvelt> SimulatedHidBackend::AddKorvelt(std::uint16_t release)
{
    auto device = std::make_shared<SimulatedKorvelt>(release);
    entries_.push_back(Entry{device, {KorveltVendorId, KorveltProductId, release, PathOf(entries_.size())}, false});
    return device;
}

void SimulatedHidBackend::AddOtherInterface(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t release)
{
    entries_.push_back(Entry{nullptr, {vendorId, productId, release, PathOf(entries_.size())}, false});
}

void SimulatedHidBackend::SetOpenFails(const SimulatedKorvelt &device, bool fails)
{
    for (Entry &entry : entries_) {
        if (entry.Device.get() == &device) {
            entry.OpenFails = fails;
        }
    }
}

std::vector<HidInterfaceInfo> SimulatedHidBackend::Enumerate()
{
    std::vector<HidInterfaceInfo> present;
    for (const Entry &entry : entries_) {
        if (!entry.Device || entry.Device->PluggedIn()) {
            present.push_back(entry.Interface);
        }
    }
    return present;
}

HidOpenResult SimulatedHidBackend::Open(const std::string &path)
{
    const auto entry =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry &e) { return e.Interface.Path == path; });
    if (entry == entries_.end() || (entry->Device && !entry->Device->PluggedIn())) {
        return {nullptr, "No such device: " + path};
    }
    if (!entry->Device || entry->OpenFails) {
        return {nullptr, "Access denied: " + path};
    }
    ++openCount_;
    entry->Device->DropArrivedReplies();
    return {std::make_unique<SimulatedHidDevice>(entry->Device, handedOver_), {}};
}

} // namespace korvelt
