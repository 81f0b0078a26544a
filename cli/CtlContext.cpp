#include "cli/CtlContext.h"

#include "core/DeviceClock.h"
#include "text/ClockText.h"

#include <QJsonDocument>

#include <algorithm>

namespace korvelt {

CtlContext::CtlContext(HidBackend &backend, QIODevice &out, QTextStream &err, const CtlOptions &options)
    : backend_(backend), out_(out), err_(err), options_(options)
{
}

// One device in the --json document.
QJsonObject DeviceJson(const std::string &path, const std::optional<DeviceIdentity> &identity, DeviceResult result,
                       int exit, const QString &message)
{
    QJsonObject device{{QStringLiteral("path"), QString::fromStdString(path)},
                       {QStringLiteral("serial"), QJsonValue::Null},
                       {QStringLiteral("version"), QJsonValue::Null},
                       {QStringLiteral("result"), ResultName(result)},
                       {QStringLiteral("exit"), exit},
                       {QStringLiteral("message"), message},
                       {QStringLiteral("differences"), QJsonArray()}};
    if (identity) {
        device.insert(QStringLiteral("serial"),
                      static_cast<qint64>(static_cast<std::uint32_t>(identity->SerialNumber)));
        device.insert(QStringLiteral("version"), QString::fromLatin1(identity->Version.c_str()));
    }
    return device;
}

// The --json document: every device, and the command's exit status (and, for a command that
// failed as a whole, why).
QByteArray ResultDocument(const QJsonArray &devices, int exit, const QString &message)
{
    QJsonObject document{{QStringLiteral("devices"), devices}, {QStringLiteral("exit"), exit}};
    if (!message.isEmpty()) {
        document.insert(QStringLiteral("message"), message);
    }
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

void CtlContext::Print(const QByteArray &bytes)
{
    if (!outputFailure_ && out_.write(bytes) != bytes.size()) {
        outputFailure_ = out_.errorString();
    }
}
// What went well, which --quiet leaves out.
void CtlContext::Say(const QString &text)
{
    if (!quiet_) {
        Print(text);
    }
}

// `bytes` to the file `name`, or to standard output for "-".
void CtlContext::Deliver(const QString &name, const QByteArray &bytes)
{
    if (IsStandardStream(name)) {
        Print(bytes);
    } else {
        SaveBytes(name, bytes);
    }
}

// The paths of the devices a command is for: --all, --device SERIAL or PATH, or the one
// the window would take.
std::vector<std::string> CtlContext::Targets(const Arguments &a)
{
    const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
    const bool all = a.Has(QStringLiteral("--all"));
    if (all && a.Has(QStringLiteral("--device"))) {
        throw UsageError(CtlText::tr("--device or --all, not both"));
    }
    if (devices.empty()) {
        throw Failure(ExitNoDevice, CtlText::tr("no KORVELT is attached"));
    }
    std::vector<std::string> paths;
    for (const QString &wanted : a.All(QStringLiteral("--device"))) {
        for (const std::string &path : Wanted(devices, wanted)) {
            if (std::ranges::find(paths, path) == paths.end()) {
                paths.push_back(path);
            }
        }
    }
    if (!paths.empty()) {
        return paths;
    }
    // Taking the first of several would write (or read) a KORVELT the script did not choose.
    if (!all && devices.size() > 1) {
        QStringList names;
        for (const HidInterfaceInfo &device : devices) {
            names.append(QString::fromStdString(device.Path));
        }
        throw UsageError(CtlText::tr("%1 KORVELTs are attached (%2): name one with --device, or --all")
                             .arg(QString::number(devices.size()), names.join(QStringLiteral(", "))));
    }
    for (const HidInterfaceInfo &device : devices) {
        paths.push_back(device.Path);
        if (!all) {
            break;
        }
    }
    return paths;
}

// What a --dry-run says of each device: `what` for one that would take the command, else
// why it would fail, as far as asking the KORVELT who it is tells. Nothing else is sent.
std::vector<DeviceOutcome> CtlContext::DryRun(const std::vector<std::string> &paths, const QString &what,
                                              DeviceResult result)
{
    std::vector<DeviceOutcome> outcomes;
    const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
    for (const std::string &path : paths) { // in the order --device gave them
        const auto found = std::ranges::find(devices, path, &HidInterfaceInfo::Path);
        if (found == devices.end()) {
            continue;
        }
        const HidInterfaceInfo &device = *found;
        const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs, BusyWaitMs);
        DeviceOutcome o;
        o.Path = device.Path;
        o.Identity = probed.Identity;
        o.Message = what;
        o.Result = result;
        ProbeFailure(probed, o);
        outcomes.push_back(std::move(o));
    }
    return outcomes;
}

// A device that did not say who it is, as its outcome says it: false when it did.
bool CtlContext::ProbeFailure(const ProbedDevice &probed, DeviceOutcome &o)
{
    switch (probed.Problem) {
    case ProbeProblem::None:
        return false;
    case ProbeProblem::Busy:
        o.Result = DeviceResult::Busy;
        o.Exit = ExitBusy;
        o.Message = probed.ProblemText();
        break;
    case ProbeProblem::ProgramMode:
        o.Result = DeviceResult::ProgramMode;
        o.Exit = ExitNoDevice;
        o.Message = CtlText::tr("the KORVELT is in program mode");
        break;
    case ProbeProblem::NotAKorvelt:
        o.Result = DeviceResult::NotAKorvelt;
        o.Exit = ExitNoDevice;
        o.Message = CtlText::tr("not a KORVELT time controller");
        break;
    case ProbeProblem::NoAnswer:
        o.Result = DeviceResult::TimedOut;
        o.Exit = ExitDeviceLost;
        o.Message = CtlText::tr("the KORVELT stopped answering");
        break;
    case ProbeProblem::CannotOpen:
        o.Result = DeviceResult::CannotOpen;
        o.Exit = ExitNoDevice;
        o.Message = probed.ProblemText();
        break;
    }
    return true;
}

// The KORVELT that --device names: the one at that path, or the one with that serial number.
std::vector<std::string> CtlContext::Wanted(const std::vector<HidInterfaceInfo> &devices, const QString &wanted)
{
    for (const HidInterfaceInfo &device : devices) {
        if (device.Path == wanted.toStdString()) {
            return {device.Path};
        }
    }
    bool number = false;
    const std::uint32_t serial = wanted.toUInt(&number, 10);
    if (!number) {
        // A path, as a script names a device it saw attached: gone is no usage error.
        throw Failure(ExitNoDevice, CtlText::tr("no KORVELT is attached at %1").arg(wanted));
    }
    std::vector<std::string> paths;
    QStringList matching;
    bool busy = false;
    for (const HidInterfaceInfo &device : devices) {
        if (!probed_.contains(device.Path)) {
            probed_.insert({device.Path, ProbeDevice(backend_, device, options_.ReplyTimeoutMs, BusyWaitMs)});
        }
        const ProbedDevice &probed = probed_.at(device.Path);
        busy = busy || probed.Problem == ProbeProblem::Busy;
        if (probed.Identity && static_cast<std::uint32_t>(probed.Identity->SerialNumber) == serial) {
            paths.push_back(device.Path);
            matching.append(QString::fromStdString(device.Path));
            known_.insert({device.Path, *probed.Identity});
        }
    }
    // A KORVELT another program holds cannot say its serial number: it may be the one wanted.
    if (paths.empty() && busy) {
        throw Failure(ExitBusy, ProbeProblemText(ProbeProblem::Busy, {}));
    }
    if (paths.empty()) {
        throw Failure(ExitNoDevice, CtlText::tr("no KORVELT with serial number %1 is attached").arg(serial));
    }
    // Two KORVELTs with one serial number: taking either would be a guess.
    if (paths.size() > 1) {
        throw Failure(ExitNoDevice, CtlText::tr("%1 KORVELTs have serial number %2: %3; name one by its path")
                                        .arg(QString::number(paths.size()), QString::number(serial),
                                             matching.join(QStringLiteral(", "))));
    }
    return paths;
}

std::vector<DeviceOutcome> CtlContext::RunOn(const std::vector<std::string> &paths, const SessionStart &start)
{
    FleetOptions fleet;
    fleet.ReplyTimeoutMs = options_.ReplyTimeoutMs;
    fleet.Progress = options_.ProgressBar ? &err_ : nullptr;
    fleet.Width = options_.TerminalWidth;
    fleet.Interrupts = options_.Interrupts;
    return RunOnDevices(backend_, paths, start, fleet);
}

namespace {

// "5 of 8 written and verified; 1 differs; 2 failed"
QString Summary(int all, int succeeded, int differing, const SummaryText &done)
{
    QString summary = done(succeeded, all);
    if (differing > 0) {
        //: Of the summary of several KORVELTs, after what went through
        summary += differing == 1 ? CtlText::tr("; 1 differs") : CtlText::tr("; %n differ", nullptr, differing);
    }
    if (const int failed = all - succeeded - differing; failed > 0) {
        //: Of the summary of several KORVELTs, after what went through
        summary += failed == 1 ? CtlText::tr("; 1 failed") : CtlText::tr("; %n failed", nullptr, failed);
    }
    return summary + QLatin1Char('\n');
}

} // namespace

// One line per device, on standard output when it went through, else on standard error,
// and with several devices a summary, "5 of 8 written and verified; 3 failed" (`done` says
// what went through); the exit status is the gravest of them, and a signal's above all.
int CtlContext::Report(const std::vector<DeviceOutcome> &outcomes, const SummaryText &done)
{
    int exit = ExitOk;
    int succeeded = 0;
    int differing = 0;
    QJsonArray devices;
    for (const DeviceOutcome &o : outcomes) {
        std::optional<DeviceIdentity> identity = o.Identity;
        if (const auto known = known_.find(o.Path); !identity && known != known_.end()) {
            identity = known->second;
        }
        const QString name = DeviceName(o.Path, identity);
        int deviceExit = o.Exit;
        DeviceResult result = o.Result;
        QString message = o.Message;
        QString clock;
        if (o.Exit == ExitOk && o.Result == DeviceResult::Clock) {
            if (const auto unreadable = UnreadableClockBytes(o.ClockDate, o.ClockTime)) {
                deviceExit = ExitDifference;
                result = DeviceResult::InvalidClock;
                message = UnreadableClockText(*unreadable);
            } else {
                clock = ClockText(o.ClockDate, o.ClockTime);
                result = clockResult_;
                message = CtlText::tr("clock %1").arg(clock);
            }
        }
        if (!o.Differences.isEmpty()) {
            // What a verify found is its result, on standard output with the lines it found.
            ++differing;
            if (!json_) {
                Print(name + QStringLiteral(": ") + message + QLatin1Char('\n'));
                for (const QString &line : o.Differences) {
                    Print(QStringLiteral("  ") + line + QLatin1Char('\n'));
                }
            }
        } else if (deviceExit != ExitOk) {
            // Before the summary on standard output, where both go to one terminal.
            err_ << Tool << ": " << name << ": " << message << '\n' << Qt::flush;
        } else if (!message.isEmpty() && !json_) {
            Say(name + QStringLiteral(": ") + message + QLatin1Char('\n'));
        }
        QJsonObject device = DeviceJson(o.Path, identity, result, deviceExit, message);
        device.insert(QStringLiteral("differences"), QJsonArray::fromStringList(o.Differences));
        if (!clock.isEmpty()) {
            device.insert(QStringLiteral("clock"), clock);
        }
        if (!o.File.isEmpty()) {
            device.insert(QStringLiteral("file"), o.File);
        }
        devices.append(device);
        succeeded += deviceExit == ExitOk ? 1 : 0;
        exit = std::max(exit, deviceExit); // a signal's 130 or 143 above all
    }
    if (json_) {
        Print(ResultDocument(devices, exit));
    } else if (outcomes.size() > 1) {
        Say(Summary(static_cast<int>(outcomes.size()), succeeded, differing, done));
    }
    return exit;
}

} // namespace korvelt
