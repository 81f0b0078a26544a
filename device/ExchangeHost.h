#pragma once

#include "DateTime.h"
#include "Report.h"
#include "ScheduleModel.h"

#include <string>

namespace korvelt {

// Everything an exchange needs from the rest of the program. The window implements it over
// the HID link and its message boxes; tests and the benchmark implement it over the
// simulated device. Calls come from the thread that runs DeviceExchange; replies reach
// DeviceExchange::ReportReceived later, never from inside SendReport.
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

    // An error box / an information box with one OK button. The exchange has already moved
    // to its next state when these are called, so a command started while the box is open
    // is not overwritten afterwards.
    virtual void ShowError(const std::string &text) = 0;
    virtual void ShowInformation(const std::string &text) = 0;

    // Replaces the log with two lines: "Vuradod Version:<text>" and "Serial Number: <n>".
    // The version text is passed on as the device's single-byte characters.
    virtual void LogIdentity(const std::string &versionLine, const std::string &serialLine) = 0;

    // The schedule, copied once when an exchange starts: a download sends that copy, so a
    // load or an output switch during the download does not change what is sent.
    [[nodiscard]] virtual const ScheduleModel &Model() const = 0;

    // The value "Set Time" sends, asked when the identity reply arrives: the PC clock now, or
    // the two pickers (ClockValueFromPickers).
    [[nodiscard]] virtual TDateTime ClockValueToSet() = 0;

    // A read has arrived whole: replace the model with `read` and refresh the controls
    // (normal grid, special grid, special dates, daylight saving). No snapshot is taken. The
    // exchange shows "Read Complete" right after this returns.
    virtual void ReadComplete(const ScheduleModel &read) = 0;

    // Shows the device's clock: "Module Time: <time>\nModule Date: <date>" in the user's
    // long time and short date formats (ClockMessageText).
    virtual void ShowDeviceClock(TDateTime date, TDateTime time) = 0;
};

} // namespace korvelt
