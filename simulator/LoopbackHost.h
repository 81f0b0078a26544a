#pragma once

#include "core/DeviceClock.h"
#include "core/DeviceExchange.h"
#include "core/ExchangeHost.h"
#include "simulator/SimulatedKorvelt.h"

#include <optional>
#include <string>
#include <vector>

namespace korvelt {

// Runs exchanges against a simulated KORVELT on one thread, without a window: requests go
// straight to the device, and Pump hands its replies to the exchange one at a time. Records
// each result of the exchange as an event: "Identified: <version> | <serial>",
// "DownloadDone", "ReadDone", "Clock", "Failed: not a KORVELT" and
// "Failed: invalid schedule data, block <n>".
class LoopbackHost final : public ExchangeHost {
public:
    explicit LoopbackHost(SimulatedKorvelt &device) : device_(device) {}

    void SendReport(const Report &request) override;
    [[nodiscard]] TDateTime ClockValueToSet() override { return clockValue_; }
    void Identified(const DeviceIdentity &identity) override;
    void DownloadDone() override;
    void ReadDone(const ScheduleModel &read) override;
    void ClockRead(TDateTime date, TDateTime time) override;
    void Failed(ExchangeFailure reason, int detail) override;

    // Delivers the device's pending replies until there are none, or at most `maxReplies`
    // of them; returns how many.
    int Pump(DeviceExchange &exchange, int maxReplies = -1);

    ScheduleModel &Schedule() { return model_; }
    void SetClockValue(TDateTime value) { clockValue_ = value; }
    void SetRecording(bool on) { recording_ = on; }
    void ClearRecords();

    [[nodiscard]] const std::vector<Report> &Requests() const { return requests_; }
    [[nodiscard]] const std::vector<std::string> &Events() const { return events_; }
    [[nodiscard]] const std::optional<DeviceIdentity> &LastIdentity() const { return lastIdentity_; }
    [[nodiscard]] const std::optional<DeviceClockReading> &LastClock() const { return lastClock_; }

private:
    void Record(std::string event);

    SimulatedKorvelt &device_;
    ScheduleModel model_;
    TDateTime clockValue_ = 0;
    bool recording_ = true;
    std::vector<Report> requests_;
    std::vector<std::string> events_;
    std::optional<DeviceIdentity> lastIdentity_;
    std::optional<DeviceClockReading> lastClock_;
};

} // namespace korvelt
