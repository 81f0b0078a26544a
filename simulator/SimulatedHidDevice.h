#pragma once

#include "device/HidDevice.h"
#include "simulator/SimulatedKorvelt.h"

#include <atomic>
#include <cstdint>
#include <utility>
#include <memory>

namespace korvelt {

// A handle on a simulated KORVELT. It works for the connection it was opened on: once the
// device has been unplugged, writes fail and reads report Gone, even after it is plugged in
// again.
class SimulatedHidDevice final : public HidDevice {
public:
    SimulatedHidDevice(std::shared_ptr<SimulatedKorvelt> device, std::shared_ptr<std::atomic<int>> handedOver)
        : device_(std::move(device)), connection_(device_->Connection()), handedOver_(std::move(handedOver))
    {
    }
    SimulatedHidDevice(const SimulatedHidDevice &) = delete;
    SimulatedHidDevice &operator=(const SimulatedHidDevice &) = delete;
    SimulatedHidDevice(SimulatedHidDevice &&) = delete;
    SimulatedHidDevice &operator=(SimulatedHidDevice &&) = delete;
    // A handle closed after its last report (one that asked a single question) is done with it.
    ~SimulatedHidDevice() override
    {
        if (delivered_) {
            ++*handedOver_;
        }
    }

    bool Write(const Report &report) override
    {
        // Byte 0 is the report ID; this device has unnumbered reports only.
        return report[0] == 0 && device_->Receive(report, connection_);
    }

    ReadStatus Read(Report &report, int timeoutMs) override
    {
        // A reader reads again only once it has handed the last report over.
        if (delivered_.exchange(false)) {
            ++*handedOver_;
        }
        const ReadStatus status = device_->WaitReply(report, timeoutMs, connection_);
        delivered_ = status == ReadStatus::Report;
        return status;
    }

private:
    std::shared_ptr<SimulatedKorvelt> device_;
    std::uint32_t connection_;
    std::shared_ptr<std::atomic<int>> handedOver_;
    // Written by the reader thread, read again by whoever closes the handle.
    std::atomic<bool> delivered_ = false;
};

} // namespace korvelt
