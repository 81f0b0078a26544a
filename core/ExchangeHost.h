#pragma once

#include "core/DateTime.h"
#include "core/Report.h"
#include "core/ScheduleModel.h"

#include <cstdint>
#include <string>

namespace korvelt {

// Why an exchange ended before it completed.
enum class ExchangeFailure {
    NotAKorvelt,         // the identity reply is not a KORVELT time controller's
    InvalidScheduleData, // a read found values that are not times or dates; detail: the block
};

// What an Identify reply tells: the firmware's version text (the device's single-byte
// characters) and the serial number.
struct DeviceIdentity {
    std::string Version;
    std::int32_t SerialNumber = 0;
};

// Everything an exchange needs from the rest of the program, and where its results go. The
// window implements it over the HID link and turns the results into what the user sees; tests
// and the benchmark implement it over the simulated device. Calls come from the thread that
// runs DeviceExchange; replies reach DeviceExchange::ReportReceived later, never from inside
// SendReport. Every result is reported after the exchange has moved to its next state, so a
// command started from a result's handler is not overwritten afterwards.
class ExchangeHost {
public:
    ExchangeHost() = default;
    ExchangeHost(const ExchangeHost &) = delete;
    ExchangeHost &operator=(const ExchangeHost &) = delete;
    ExchangeHost(ExchangeHost &&) = delete;
    ExchangeHost &operator=(ExchangeHost &&) = delete;
    virtual ~ExchangeHost() = default;

    // Writes one 65-byte request (byte 0 = 0) to the device; failures are not reported.
    virtual void SendReport(const Report &request) = 0;

    // The value "Set Time" sends, asked when the identity reply arrives.
    [[nodiscard]] virtual TDateTime ClockValueToSet() = 0;

    // The identity of the device, from the Identify reply of a download, a read or a clock
    // setting (a clock reading does not report it).
    virtual void Identified(const DeviceIdentity &identity) = 0;
    // Requests sent so far out of the exchange's whole count.
    virtual void Progress(int /*step*/, int /*total*/) {}
    // The reply to the last request of a download has arrived.
    virtual void DownloadDone() = 0;
    // A read has arrived whole: the schedule that was read.
    virtual void ReadDone(const ScheduleModel &read) = 0;
    // The device's clock, after a clock setting or reading.
    virtual void ClockRead(TDateTime date, TDateTime time) = 0;
    // The exchange ended without completing; `detail` is the block for invalid data.
    virtual void Failed(ExchangeFailure reason, int detail) = 0;
};

} // namespace korvelt
