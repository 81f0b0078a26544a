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
#include <memory>
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

// How long a device command waits for another program (a list in another terminal asking the
// device who it is) to let go of the device before it says "busy". A list itself waits for none.
inline constexpr int BusyWaitMs = 1000;

// Sends one Identify through a handle of its own and waits up to `timeoutMs` for the reply. A
// device another program holds is waited for up to `claimWaitMs`, then asked nothing.
[[nodiscard]] ProbedDevice ProbeDevice(HidBackend &backend, const HidInterfaceInfo &device, int timeoutMs,
                                       int claimWaitMs);

// `differs`, the sentence of where a KORVELT differs; where a second read disagreed with the
// first as well (`readsDisagree`), followed by why the tool cannot tell that KORVELT from a
// stray report.
[[nodiscard]] QString DifferingReads(bool readsDisagree, const QString &differs);

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

using SessionStart = std::function<bool(DeviceSession &)>;

// One device's command on this thread's event loop: its session, how far it has come, and
// its outcome. `Changed` is called after each request has gone out; `Ended` once, when the
// command has ended (done, failed or interrupted) and the device is closed again. Neither
// may destroy the run.
class DeviceRun {
public:
    struct Calls {
        std::function<void()> Changed;
        std::function<void()> Ended;
    };
    DeviceRun(HidBackend &backend, const std::string &path, int replyTimeoutMs, Calls calls);
    DeviceRun(const DeviceRun &) = delete;
    DeviceRun &operator=(const DeviceRun &) = delete;
    DeviceRun(DeviceRun &&) = delete;
    DeviceRun &operator=(DeviceRun &&) = delete;
    ~DeviceRun();

    // Starts the command; one that cannot start has ended already.
    void Start(const SessionStart &start);
    // Stops the command under way: nothing more is sent, and the outcome says what the
    // device now holds.
    void Interrupt(int signal);
    [[nodiscard]] bool Ended() const { return ended_; }
    // How much of the command is done, from 0 to 1.
    [[nodiscard]] double Share() const;
    [[nodiscard]] DeviceOutcome &Outcome() { return outcome_; }

private:
    void Connect();
    void End(int exit, DeviceResult result, const QString &message);
    // Whether an identity reply that was not the KORVELT's is asked for again: once, and only
    // of a device with the USB identity of the KORVELT's normal firmware.
    [[nodiscard]] bool AskAgain();

    HidBackend &backend_;
    std::unique_ptr<DeviceSession> session_;
    SessionStart start_;
    DeviceOutcome outcome_;
    SessionProgress last_;
    Calls calls_;
    int lastBlock_ = -1; // the last block a request named
    bool ended_ = false;
    bool askedAgain_ = false;
};

// Runs a command on each device at once, one DeviceSession each on this thread's event loop,
// and returns when every one has ended, outcomes in the order of `paths`. A device that
// fails does not stop the others. A signal cancels every command still under way (nothing
// more is sent) and says in each outcome what the device now holds.
[[nodiscard]] std::vector<DeviceOutcome> RunOnDevices(HidBackend &backend, const std::vector<std::string> &paths,
                                                      const SessionStart &start, const FleetOptions &options);

// The serial number as the device means it: unsigned, 32 bits.
[[nodiscard]] QString SerialText(std::int32_t serial);

// The device as a message names it: "sim:0 (serial 17)".
[[nodiscard]] QString DeviceName(const std::string &path, const std::optional<DeviceIdentity> &identity);

} // namespace korvelt
