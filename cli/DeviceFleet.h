#pragma once

#include "DeviceSession.h"
#include "HidBackend.h"

#include <QString>
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
    bool ProgramMode = false;
    std::optional<DeviceIdentity> Identity;
    QString Problem; // "program mode", "not a KORVELT", "no answer", or why it could not be opened
};

// Every interface with the KORVELT's vendor and product, in the order the window's search
// tries them: the normal firmware, program mode, any other release.
[[nodiscard]] std::vector<HidInterfaceInfo> KorveltInterfaces(HidBackend &backend);

// Sends one Identify through a handle of its own and waits up to `timeoutMs` for the reply.
[[nodiscard]] ProbedDevice ProbeDevice(HidBackend &backend, const HidInterfaceInfo &device, int timeoutMs);

// What one device's command came to.
struct DeviceOutcome {
    std::string Path;
    std::optional<DeviceIdentity> Identity;
    int Exit = 0;    // CtlExit
    QString Message; // what happened: "written and verified", or the cause of the failure
    ScheduleModel Read{};
    TDateTime ClockDate = 0;
    TDateTime ClockTime = 0;
};

// Runs a command on each device at once, one DeviceSession each on this thread's event loop,
// and returns when every one has ended, outcomes in the order of `paths`. A device that
// fails does not stop the others. With `progress` a bar of the whole on it.
using SessionStart = std::function<bool(DeviceSession &)>;
[[nodiscard]] std::vector<DeviceOutcome> RunOnDevices(HidBackend &backend, const std::vector<std::string> &paths,
                                                      const SessionStart &start, int replyTimeoutMs,
                                                      QTextStream *progress);

// The device as a message names it: "sim:0 (serial 17)".
[[nodiscard]] QString DeviceName(const std::string &path, const std::optional<DeviceIdentity> &identity);

} // namespace korvelt
