#pragma once

#include "HidDevice.h"
#include "SimulatedKorvelt.h"

#include <cstdint>
#include <memory>

namespace korvelt {

// A handle on a simulated KORVELT. It works for the connection it was opened on: once the
// device has been unplugged, writes fail and reads report Gone, even after it is plugged in
// again.
class SimulatedHidDevice final : public HidDevice {
public:
    explicit SimulatedHidDevice(std::shared_ptr<SimulatedKorvelt> device)
        : device_(std::move(device)), connection_(device_->Connection())
    {
    }

    bool Write(const Report &report) override
    {
        // Byte 0 is the report ID; this device has unnumbered reports only.
        return report[0] == 0 && device_->Receive(report, connection_);
    }

    ReadStatus Read(Report &report, int timeoutMs) override
    {
        return device_->WaitReply(report, timeoutMs, connection_);
    }

private:
    std::shared_ptr<SimulatedKorvelt> device_;
    std::uint32_t connection_;
};

} // namespace korvelt
