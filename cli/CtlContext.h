#pragma once

#include "cli/CtlSupport.h"
#include "cli/DeviceFleet.h"
#include "cli/Korveltctl.h"

#include <QIODevice>
#include <QTextStream>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvelt {

// One device in the --json document.
[[nodiscard]] QJsonObject DeviceJson(const std::string &path, const std::optional<DeviceIdentity> &identity,
                                     DeviceResult result, int exit, const QString &message);
// The --json document: every device, and the command's exit status (and, for a command that
// failed as a whole, why).
[[nodiscard]] QByteArray ResultDocument(const QJsonArray &devices, int exit, const QString &message = {});

// The summary of a command run on several devices, "5 of 8 written and verified", for the
// number that went through and the number of devices.
using SummaryText = std::function<QString(int done, int all)>;

// What a command runs in: where it prints and says what failed, the devices, and what was
// asked of them already. The device commands share the choice of devices (--device, --all),
// the dry run, the run on every device at once and the report of each device's outcome.
class CtlContext {
public:
    CtlContext(HidBackend &backend, QIODevice &out, QTextStream &err, const CtlOptions &options);

    // --quiet and --json, as the command line gave them.
    void SetModes(bool quiet, bool json)
    {
        quiet_ = quiet;
        json_ = json;
    }
    [[nodiscard]] bool Quiet() const { return quiet_; }
    [[nodiscard]] bool Json() const { return json_; }
    [[nodiscard]] HidBackend &Backend() const { return backend_; }
    [[nodiscard]] QTextStream &Err() const { return err_; }
    [[nodiscard]] const CtlOptions &Options() const { return options_; }
    // Identities asked before a command that does not ask who the device is.
    [[nodiscard]] std::map<std::string, DeviceIdentity> &Known() { return known_; }
    // The result of a clock read that went through: ClockRead or ClockSet.
    void SetClockResult(DeviceResult result) { clockResult_ = result; }

    // Standard output; a write that fails is remembered, and the rest is not written.
    void Print(const QByteArray &bytes);
    void Print(const QString &text) { Print(text.toUtf8()); }
    // What went well, which --quiet leaves out.
    void Say(const QString &text);
    // `bytes` to the file `name`, or to standard output for "-".
    void Deliver(const QString &name, const QByteArray &bytes);
    // Everything printed reached standard output; else why not.
    [[nodiscard]] std::optional<QString> OutputFailure() const { return outputFailure_; }

    // The paths of the devices a command is for: --all, --device SERIAL or PATH, or the one
    // attached.
    std::vector<std::string> Targets(const Arguments &a);
    // What a --dry-run says of each device: `what` (and `result`, WouldWrite or WouldSetClock)
    // for one that would take the command, else why it would fail, as far as asking the
    // KORVELT who it is tells. Nothing else is sent.
    std::vector<DeviceOutcome> DryRun(const std::vector<std::string> &paths, const QString &what, DeviceResult result);
    // A device that did not say who it is, as its outcome says it: false when it did.
    static bool ProbeFailure(const ProbedDevice &probed, DeviceOutcome &o);
    // The command `start` begins, on every device at once.
    std::vector<DeviceOutcome> RunOn(const std::vector<std::string> &paths, const SessionStart &start);
    // One line per device, on standard output when it went through, else on standard error,
    // and with several devices a summary, "5 of 8 written and verified; 3 failed" (`done` says
    // what went through); the exit status is the gravest of them, and a signal's above all.
    int Report(const std::vector<DeviceOutcome> &outcomes, const SummaryText &done);

private:
    std::vector<std::string> Wanted(const std::vector<HidInterfaceInfo> &devices, const QString &wanted);

    HidBackend &backend_;
    QIODevice &out_;
    QTextStream &err_;
    const CtlOptions &options_;
    std::map<std::string, DeviceIdentity> known_;
    std::map<std::string, ProbedDevice> probed_; // asked once for every --device
    std::optional<QString> outputFailure_;
    bool quiet_ = false; // --quiet: errors only
    bool json_ = false;  // --json: one document on standard output
    DeviceResult clockResult_ = DeviceResult::ClockRead;
};

} // namespace korvelt
