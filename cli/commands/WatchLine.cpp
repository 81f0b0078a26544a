#include "cli/commands/WatchLine.h"

#include "text/QtDateTime.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

namespace korvelt {

namespace {

// Hands a signal that comes while a KORVELT is being written to the run on it, once the
// watch has seen one already: the first ends the watch after that KORVELT, a second cuts
// it off.
class HandOn final : public CtlInterrupts {
public:
    void Watch(std::function<void(int signal)> stop) override { Stop = std::move(stop); }
    void Unwatch() override { Stop = nullptr; }
    std::function<void(int)> Stop;
};

// The KORVELT interface at `path` as the system lists it now.
std::optional<HidInterfaceInfo> Attached(HidBackend &backend, const std::string &path)
{
    for (const HidInterfaceInfo &device : KorveltInterfaces(backend)) {
        if (device.Path == path) {
            return device;
        }
    }
    return std::nullopt;
}

// Whether the file ends with a line break (or is empty).
bool EndsLine(QFile &file)
{
    if (file.size() == 0) {
        return true;
    }
    const qint64 end = file.size();
    char last = 0;
    const bool read = file.seek(end - 1) && file.getChar(&last);
    (void)file.seek(end);
    return read && last == '\n';
}

// Appends `bytes` in one write, or nothing at all: what a failed write left (part of a
// row on a full disk) is cut off again, so that the next row starts where this one would
// have. The system's reason when it failed.
std::optional<QString> AppendWhole(QFile &file, const QByteArray &bytes)
{
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    const qint64 before = file.size();
    errno = 0;
    if (file.write(bytes) == bytes.size()) {
        return std::nullopt;
    }
    const int cause = errno;
    const QString reason = cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : file.errorString();
    (void)file.resize(before);
    return reason;
}

// The clocks of the units written set to this computer's time, all at once.
void SetClocks(CtlContext &c, std::vector<DeviceOutcome> &outcomes, const FleetOptions &fleet)
{
    std::vector<std::string> paths;
    for (const DeviceOutcome &o : outcomes) {
        if (o.Exit == ExitOk) {
            paths.push_back(o.Path);
        }
    }
    if (paths.empty()) {
        return;
    }
    const QDateTime now = c.Options().Now();
    const TDateTime value = FromQDate(now.date()) + FromQTime(now.time());
    const std::vector<DeviceOutcome> clocks = RunOnDevices(
        c.Backend(), paths, [value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); }, fleet);
    std::size_t k = 0;
    for (DeviceOutcome &o : outcomes) {
        if (o.Exit != ExitOk) {
            continue;
        }
        const DeviceOutcome &clock = clocks.at(k++);
        if (clock.Exit != ExitOk) {
            o.Exit = clock.Exit;
            o.Result = clock.Result;
            o.Signal = clock.Signal;
            //: After "written and verified": %1 is why the clock was not set
            o.Message += CtlText::tr("; the clock was not set: %1").arg(clock.Message);
        } else {
            o.ClockSet = true;
            //: After "written and verified": %1 is the time the clock was set to
            o.Message += CtlText::tr("; clock set to %1").arg(ClockText(value, value));
        }
    }
}

// What the line does to each unit: the schedule, whether it is verified, and its clock set.
struct LineWrite {
    const ScheduleModel *Model = nullptr;
    bool Verify = true;
    bool SetClock = false;
};

// The units written at once, verified and their clocks set as asked; each session asks its
// unit who it is first, and a unit that fails does not hold up the others beyond its own
// time-out. The outcomes in the order of `units`.
std::vector<DeviceOutcome> WriteUnits(CtlContext &c, const std::vector<HidInterfaceInfo> &units, const LineWrite &what,
                                      HandOn &handOn)
{
    std::vector<std::string> paths;
    paths.reserve(units.size());
    for (const HidInterfaceInfo &unit : units) {
        paths.push_back(unit.Path);
    }
    FleetOptions fleet;
    fleet.ReplyTimeoutMs = c.Options().ReplyTimeoutMs;
    fleet.Interrupts = &handOn;
    const ScheduleModel &model = *what.Model;
    const bool verify = what.Verify;
    std::vector<DeviceOutcome> outcomes = RunOnDevices(
        c.Backend(), paths, [&](DeviceSession &s) { return s.StartDownload(model, verify); }, fleet);
    if (what.SetClock) {
        SetClocks(c, outcomes, fleet);
    }
    return outcomes;
}

// The line's settings as the command line gives them.
struct LineSettings {
    const ScheduleModel *Model = nullptr;
    bool Verify = true;
    bool SetClock = false;
    QString Checksum; // of the file's own bytes, as sha256sum prints them
    QString LogName;
    int Count = 0; // units to take before the watch ends; 0: until a signal
    int Retries = 0;
};

// A new log starts with this header; columns are only ever added at the end, so that a log an
// older version began stays readable.
const QByteArray LogHeader = "time,serial,version,sha256,result,path,message,korveltctl\n";

// The watch of the production line: every look at the KORVELTs attached, each unit taken as
// it arrives, its line (or JSON object) and its log row.
class WatchLine {
public:
    WatchLine(CtlContext &c, LineSettings settings) : c_(c), s_(std::move(settings)), log_(s_.LogName) {}

    int Run(const QString &name)
    {
        OpenLog();
        WatchSignals();
        if (!c_.Quiet() && !c_.Json()) {
            c_.Err() << Tool << ": "
                     << CtlText::tr("waiting for KORVELTs to write %1 to (Ctrl+C ends)").arg(Shown(name)) << '\n'
                     << Qt::flush;
        }
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(std::max(1, c_.Options().WatchIntervalMs));
        QObject::connect(&timer, &QTimer::timeout, &wait_, &QEventLoop::quit);
        for (int poll = 0; Going(); ++poll) {
            if (c_.Options().WatchPolled) {
                c_.Options().WatchPolled(poll);
            }
            Look();
            if (Going()) {
                timer.start();
                wait_.exec();
            }
        }
        if (c_.Options().Interrupts != nullptr) {
            c_.Options().Interrupts->Unwatch();
        }
        if (!c_.Json()) {
            //: The line's summary: KORVELTs programmed, and those that failed
            c_.Say(CtlText::tr("%1 programmed; %2 failed").arg(programmed_).arg(failed_) + QLatin1Char('\n'));
        }
        return exit_;
    }

private:
    [[nodiscard]] bool Going() const
    {
        return stopSignal_ == 0 && !logFailed_ && (s_.Count == 0 || programmed_ + failed_ < s_.Count);
    }

    void OpenLog()
    {
        if (s_.LogName.isEmpty()) {
            return;
        }
        if (IsStandardStream(s_.LogName) ||
            !log_.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
            throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2")
                                             .arg(s_.LogName, IsStandardStream(s_.LogName) ? CtlText::tr("not a file")
                                                                                           : log_.errorString()));
        }
        // A header for a new log; a row an earlier run left cut short is ended, so that this
        // run's rows start on a line of their own.
        const QByteArray start = log_.size() == 0 ? LogHeader : EndsLine(log_) ? QByteArray() : QByteArray("\n");
        if (const std::optional<QString> problem = AppendWhole(log_, start)) {
            throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2").arg(s_.LogName, *problem));
        }
    }

    // The first signal ends the watch between units, or after the unit in hand; a second one
    // during a unit stops it at once.
    void WatchSignals()
    {
        CtlInterrupts *interrupts = c_.Options().Interrupts;
        if (interrupts == nullptr) {
            return;
        }
        interrupts->Watch([this, interrupts](int signal) {
            if (!inHand_) {
                stopSignal_ = signal;
                wait_.quit();
            } else if (stopSignal_ == 0) {
                stopSignal_ = signal;
                interrupts->Handled();
                if (!c_.Quiet()) {
                    c_.Err() << Tool << ": " << CtlText::tr("ending after this KORVELT (Ctrl+C again stops it at once)")
                             << '\n'
                             << Qt::flush;
                }
            } else if (handOn_.Stop) {
                handOn_.Stop(signal);
            }
        });
    }

    // One look at the KORVELTs attached: each unit not yet seen there is taken.
    void Look()
    {
        const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(c_.Backend());
        // A path that holds another attachment than at the last look (Linux gives a new
        // device the /dev/hidrawN of one just unplugged) holds a new unit.
        std::erase_if(seen_, [&devices](const auto &entry) {
            return std::ranges::none_of(devices, [&entry](const HidInterfaceInfo &d) {
                return d.Path == entry.first && d.Instance == entry.second;
            });
        });
        std::vector<HidInterfaceInfo> arrived;
        for (const HidInterfaceInfo &listed : devices) {
            const int room = s_.Count == 0 ? static_cast<int>(devices.size()) : s_.Count - programmed_ - failed_;
            if (seen_.contains(listed.Path) || static_cast<int>(arrived.size()) >= room) {
                continue;
            }
            // As it is now: a unit at this path may have been swapped while another was written.
            if (const std::optional<HidInterfaceInfo> now = Attached(c_.Backend(), listed.Path)) {
                seen_.insert({now->Path, now->Instance});
                arrived.push_back(*now);
            }
        }
        if (!arrived.empty()) {
            Take(arrived);
        }
    }

    // The units that arrived together written at once (each failed one tried again as --retry
    // allows), then each one's line and log row. A unit with the serial number of another is
    // another unit all the same.
    void Take(std::vector<HidInterfaceInfo> units)
    {
        inHand_ = true;
        const LineWrite what{s_.Model, s_.Verify, s_.SetClock};
        std::vector<DeviceOutcome> done;
        for (int attempt = 0; !units.empty(); ++attempt) {
            std::vector<DeviceOutcome> outcomes = WriteUnits(c_, units, what, handOn_);
            std::vector<HidInterfaceInfo> again;
            for (std::size_t i = 0; i < outcomes.size(); ++i) {
                const bool retry =
                    outcomes[i].Exit != ExitOk && outcomes[i].Signal == 0 && stopSignal_ == 0 && attempt < s_.Retries;
                if (retry) {
                    again.push_back(units[i]);
                } else {
                    done.push_back(std::move(outcomes[i]));
                }
            }
            units = std::move(again);
        }
        inHand_ = false;
        for (const DeviceOutcome &o : done) {
            (o.Exit == ExitOk ? programmed_ : failed_) += 1;
            exit_ = std::max(exit_, o.Exit);
            Tell(o);
            Record(o);
        }
    }

    // The unit's line, or with --json its object (a devices entry and the time) on a line.
    void Tell(const DeviceOutcome &o)
    {
        const QString result = ResultName(o.Result) + (o.ClockSet ? QStringLiteral("-clock-set") : QString());
        if (c_.Json()) {
            QJsonObject line = DeviceJson(o.Path, o.Identity, o.Result, o.Exit, o.Message);
            line.insert(QStringLiteral("result"), result);
            line.insert(QStringLiteral("time"), TimeStamp(c_.Options().Now()));
            c_.Print(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
            if (o.Exit != ExitOk) {
                c_.Err() << Tool << ": " << DeviceName(o.Path, o.Identity) << ": " << o.Message << '\n' << Qt::flush;
            }
            return;
        }
        if (o.Exit == ExitOk) {
            c_.Say(DeviceName(o.Path, o.Identity) + QStringLiteral(": ") + o.Message + QLatin1Char('\n'));
        } else {
            c_.Err() << Tool << ": " << DeviceName(o.Path, o.Identity) << ": " << o.Message << '\n' << Qt::flush;
        }
    }

    // No unit is programmed without its row: a log that cannot take one ends the line.
    void Record(const DeviceOutcome &o)
    {
        if (!log_.isOpen()) {
            return;
        }
        const QStringList fields{TimeStamp(c_.Options().Now()),
                                 o.Identity ? SerialText(o.Identity->SerialNumber) : QString(),
                                 o.Identity ? CsvField(QString::fromLatin1(o.Identity->Version.c_str())) : QString(),
                                 s_.Checksum,
                                 ResultName(o.Result) + (o.ClockSet ? QStringLiteral("-clock-set") : QString()),
                                 CsvField(QString::fromStdString(o.Path)),
                                 CsvField(o.Message),
                                 QStringLiteral(KORVELT_VERSION)};
        const QByteArray line = (fields.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8();
        if (const std::optional<QString> problem = AppendWhole(log_, line)) {
            c_.Err() << Tool << ": "
                     << CtlText::tr("%1: cannot be written: %2; no more KORVELTs are taken").arg(s_.LogName, *problem)
                     << '\n'
                     << Qt::flush;
            exit_ = std::max<int>(exit_, ExitFileError);
            logFailed_ = true;
        }
    }

    CtlContext &c_;
    LineSettings s_;
    QFile log_;
    std::map<std::string, std::string> seen_; // attached at the last look: path and instance
    HandOn handOn_;
    QEventLoop wait_;
    int stopSignal_ = 0;
    bool inHand_ = false;
    bool logFailed_ = false;
    int exit_ = ExitOk;
    int programmed_ = 0;
    int failed_ = 0;
};

// A whole number from 1 for --count or from 0 for --retry.
int Number(const Arguments &a, const QString &option, int least)
{
    if (!a.Has(option)) {
        return 0;
    }
    bool ok = false;
    const int value = a.Value(option).toInt(&ok);
    if (!ok || value < least) {
        throw UsageError(CtlText::tr("%1 is a whole number from %2").arg(option).arg(least));
    }
    return value;
}

} // namespace

int WatchAndWrite(CtlContext &c, const Arguments &a, const QString &name, const LoadedSchedule &loaded, bool verify)
{
    if (a.Has(QStringLiteral("--all")) || a.Has(QStringLiteral("--device")) || a.Has(QStringLiteral("--dry-run"))) {
        throw UsageError(CtlText::tr("--watch writes each KORVELT plugged in: no --all, --device or --dry-run"));
    }
    LineSettings settings;
    settings.Model = &loaded.Model;
    settings.Verify = verify;
    settings.SetClock = a.Has(QStringLiteral("--set-clock"));
    settings.Checksum = QString::fromLatin1(QCryptographicHash::hash(loaded.Bytes, QCryptographicHash::Sha256).toHex());
    settings.LogName = a.Value(QStringLiteral("--log"));
    settings.Count = Number(a, QStringLiteral("--count"), 1);
    settings.Retries = Number(a, QStringLiteral("--retry"), 0);
    WatchLine line(c, settings);
    return line.Run(name);
}

} // namespace korvelt
