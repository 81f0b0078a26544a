#include "simulator/SimulatedHidBackend.h"

#include "device/FileClaim.h"
#include "simulator/SimulatedHidDevice.h"

#include <algorithm>

namespace korvelt {

namespace {

std::string PathOf(std::size_t index)
{
    return "sim:" + std::to_string(index);
}

// A claim within one backend: the path is in the list while it is held.
class ListedClaim final : public HidClaim {
public:
    ListedClaim(std::shared_ptr<std::vector<std::string>> claimed, std::string path)
        : claimed_(std::move(claimed)), path_(std::move(path))
    {
        claimed_->push_back(path_);
    }
    ListedClaim(const ListedClaim &) = delete;
    ListedClaim &operator=(const ListedClaim &) = delete;
    ListedClaim(ListedClaim &&) = delete;
    ListedClaim &operator=(ListedClaim &&) = delete;
    ~ListedClaim() override { std::erase(*claimed_, path_); }

private:
    std::shared_ptr<std::vector<std::string>> claimed_;
    std::string path_;
};

} // namespace

std::shared_ptr<SimulatedKorvelt> SimulatedHidBackend::AddKorvelt(std::uint16_t release)
{
    auto device = std::make_shared<SimulatedKorvelt>(release);
    const std::size_t index = entries_.size();
    entries_.push_back(Entry{device, {KorveltVendorId, KorveltProductId, release, PathOf(index), {}}, false, index});
    return device;
}

void SimulatedHidBackend::AddOtherInterface(std::uint16_t vendorId, std::uint16_t productId, std::uint16_t release)
{
    const std::size_t index = entries_.size();
    entries_.push_back(Entry{nullptr, {vendorId, productId, release, PathOf(index), {}}, false, index});
}

std::shared_ptr<SimulatedKorvelt> SimulatedHidBackend::Korvelt(std::size_t index) const
{
    return index < entries_.size() ? entries_.at(index).Device : nullptr;
}

void SimulatedHidBackend::SetOpenFails(const SimulatedKorvelt &device, bool fails)
{
    for (Entry &entry : entries_) {
        if (entry.Device.get() == &device) {
            entry.OpenFails = fails;
        }
    }
}

void SimulatedHidBackend::ReusePath(std::size_t from, std::size_t to)
{
    entries_.at(to).Interface.Path = entries_.at(from).Interface.Path;
}

std::vector<HidInterfaceInfo> SimulatedHidBackend::Enumerate()
{
    std::vector<HidInterfaceInfo> present;
    for (const Entry &entry : entries_) {
        if (!entry.Device || entry.Device->PluggedIn()) {
            HidInterfaceInfo info = entry.Interface;
            // Another device, or the same one plugged in again, is another attachment.
            info.Instance =
                std::to_string(entry.Index) + "." + std::to_string(entry.Device ? entry.Device->Connection() : 0U);
            present.push_back(info);
        }
    }
    return present;
}

const SimulatedHidBackend::Entry *SimulatedHidBackend::Present(const std::string &path) const
{
    // Of the devices that had the path, the one plugged in now.
    const auto entry = std::ranges::find_if(
        entries_, [&](const Entry &e) { return e.Interface.Path == path && (!e.Device || e.Device->PluggedIn()); });
    return entry == entries_.end() ? nullptr : &*entry;
}

std::string SimulatedHidBackend::ClaimFileOf(const std::string &path) const
{
    std::string name = path;
    std::ranges::replace(name, ':', '-');
    return claimFolder_ + "/" + name + ".lock";
}

std::unique_ptr<HidClaim> SimulatedHidBackend::Claim(const std::string &path)
{
    if (!claimFolder_.empty()) {
        return ClaimFile(ClaimFileOf(path), true);
    }
    if (std::ranges::find(*claimed_, path) != claimed_->end()) {
        return nullptr;
    }
    return std::make_unique<ListedClaim>(claimed_, path);
}

HidOpenResult SimulatedHidBackend::Open(const std::string &path)
{
    const Entry *entry = Present(path);
    if (entry == nullptr) {
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
