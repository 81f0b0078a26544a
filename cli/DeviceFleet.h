#pragma once

#include "cli/CtlExit.h"
#include "cli/CtlResult.h"
#include "device/DeviceProbe.h"
#include "device/DeviceSession.h"
#include "device/HidBackend.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvelt {

// A KORVELT interface as `list` shows it: its identity asked straight through the backend,
// or why it has none.
struct ProbedDevice {
    HidInterfaceInfo Interface;
    std::optional<DeviceIdentity> Identity;
    ProbeProblem Problem = ProbeProblem::None;
    QString Detail; // CannotOpen: the system's reason
    [[nodiscard]] QString ProblemText() const { return ProbeProblemText(Problem, Detail); }
};

// Sends one Identify through a handle of its own and waits up to `timeoutMs` for the reply.
[[nodiscard]] ProbedDevice ProbeDevice(HidBackend &backend, const HidInterfaceInfo &device, int timeoutMs);

// What one device's command came to.
struct DeviceOutcome {
    int Signal = 0; // the signal that stopped it; 0 when it ran to its end
    std::string Path;
    std::optional<DeviceIdentity> Identity;
    int Exit = 0;    // CtlExit
    QString Message; // what happened: "written and verified", or the cause of the failure
    DeviceResult Result = DeviceResult::Failed;
    bool ClockSet = false;   // the watch set its clock too
    QString File;            // where a read was saved
    QStringList Differences; // a verify's, one line each, as the window's Compare words them
    ScheduleModel Read{};
    TDateTime ClockDate = 0;
    TDateTime ClockTime = 0;
};


// How RunOnDevices runs: with `Progress` a bar of the whole on it, no wider than `Width`
// says the terminal is; with `Interrupts` a signal stops every device's command at once.
struct FleetOptions {
    int ReplyTimeoutMs = DeviceSession::DefaultReplyTimeoutMs;
    QTextStream *Progress = nullptr;
    std::function<int()> Width = [] { return 80; };
    CtlInterrupts *Interrupts = nullptr;
};

// Runs a command on each device at once, one DeviceSession each on this thread's event loop,
// and returns when every one has ended, outcomes in the order of `paths`. A device that
// fails does not stop the others. A signal cancels every command still under way (nothing
// more is sent) and says in each outcome what the device now holds.
using SessionStart = std::function<bool(DeviceSession &)>;
[[nodiscard]] std::vector<DeviceOutcome> RunOnDevices(HidBackend &backend, const std::vector<std::string> &paths,
                                                      const SessionStart &start, const FleetOptions &options);

// The serial number as the device means it: unsigned, 32 bits.
[[nodiscard]] QString SerialText(std::int32_t serial);

// The device as a message names it: "sim:0 (serial 17)".
[[nodiscard]] QString DeviceName(const std::string &path, const std::optional<DeviceIdentity> &identity);

} // namespace korvelt
