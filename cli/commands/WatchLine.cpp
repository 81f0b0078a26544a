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
#include <memory>

namespace korvelt {

namespace {

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

// The time a unit's clock is set to: this computer's, when the unit's write has ended.
TDateTime ClockValue(const CtlContext &c)
{
    const QDateTime now = c.Options().Now();
    return FromQDate(now.date()) + FromQTime(now.time());
}

// One unit on the line, from the look that found it to its line and log row: its write
// (tried again as --retry allows), then its clock when asked.
struct Unit {
    HidInterfaceInfo Interface;
    std::unique_ptr<DeviceRun> Run; // the command under way, or the last one
    DeviceOutcome Outcome;          // the write's, once it has ended
    TDateTime Clock = 0;            // what its clock is set to
    bool SettingClock = false;
    int Attempt = 0; // the writes tried again so far
};

// The clock's outcome joined to the write's `o`.
void AddClock(DeviceOutcome &o, const DeviceOutcome &clock, TDateTime value)
{
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
// older version began stays readable. Its lines end with CR LF, as every CSV the tool writes.
const QByteArray LogHeader = "time,serial,version,sha256,result,path,message,korveltctl\r\n";

// The watch of the production line: a look at the KORVELTs attached every interval, each
// unit started as soon as a look finds it and finished on its own, so that a unit that
// fails holds up nobody but itself; its line (or JSON object) and its log row as it ends.
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
        timer_.setSingleShot(true);
        timer_.setInterval(std::max(1, c_.Options().WatchIntervalMs));
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        Poll();
        if (!over_) {
            wait_.exec();
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
    // Whether a look may take another unit: no signal came, the log takes rows, and --count
    // leaves room beside the units done and those in hand.
    [[nodiscard]] bool Taking() const
    {
        const auto taken = static_cast<std::size_t>(programmed_ + failed_) + units_.size();
        return stopSignal_ == 0 && !logFailed_ && (s_.Count == 0 || taken < static_cast<std::size_t>(s_.Count));
    }

    // The watch is over once it takes no more and every unit in hand has ended.
    void EndWhenDone()
    {
        if (!Taking() && units_.empty() && !over_) {
            over_ = true;
            timer_.stop();
            wait_.quit();
        }
    }

    void Poll()
    {
        retired_.clear();
        if (c_.Options().WatchPolled) {
            c_.Options().WatchPolled(poll_++);
        }
        Look();
        if (Taking()) {
            timer_.start();
        }
        EndWhenDone();
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
        const QByteArray start = log_.size() == 0 ? LogHeader : EndsLine(log_) ? QByteArray() : QByteArray("\r\n");
        if (const std::optional<QString> problem = AppendWhole(log_, start)) {
            throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2").arg(s_.LogName, *problem));
        }
    }

    // The first signal ends the watch at once when no unit is in hand, else after the units
    // in hand; a second one stops those at once.
    void WatchSignals()
    {
        CtlInterrupts *interrupts = c_.Options().Interrupts;
        if (interrupts == nullptr) {
            return;
        }
        interrupts->Watch([this, interrupts](int signal) {
            if (stopSignal_ == 0) {
                stopSignal_ = signal;
                timer_.stop();
                if (!units_.empty()) {
                    interrupts->Handled();
                    if (!c_.Quiet()) {
                        c_.Err() << Tool << ": "
                                 << CtlText::tr("ending after this KORVELT (Ctrl+C again stops it at once)") << '\n'
                                 << Qt::flush;
                    }
                }
                EndWhenDone();
                return;
            }
            std::vector<DeviceRun *> runs; // a unit that ends leaves units_
            for (const auto &unit : units_) {
                runs.push_back(unit->Run.get());
            }
            for (DeviceRun *run : runs) {
                run->Interrupt(signal);
            }
        });
    }

    // One look at the KORVELTs attached: each unit not yet seen there is started.
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
        for (const HidInterfaceInfo &listed : devices) {
            if (seen_.contains(listed.Path) || !Taking()) {
                continue;
            }
            // As it is now: the unit at this path may have been swapped since the listing.
            if (const std::optional<HidInterfaceInfo> now = Attached(c_.Backend(), listed.Path)) {
                seen_.insert({now->Path, now->Instance});
                auto unit = std::make_unique<Unit>();
                unit->Interface = *now;
                units_.push_back(std::move(unit));
                Begin(*units_.back(), false);
            }
        }
    }

    // Starts the unit's write, or its clock. A run that ended is let go at the next look, not
    // in the handler of its session's last signal.
    void Begin(Unit &unit, bool clock)
    {
        unit.SettingClock = clock;
        DeviceRun::Calls calls;
        calls.Ended = [this, &unit] { Ended(unit); };
        if (unit.Run) {
            retired_.push_back(std::move(unit.Run));
        }
        unit.Run = std::make_unique<DeviceRun>(c_.Backend(), unit.Interface.Path, c_.Options().ReplyTimeoutMs, calls);
        if (clock) {
            const TDateTime value = unit.Clock = ClockValue(c_);
            unit.Run->Start([value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); });
        } else {
            const ScheduleModel &model = *s_.Model;
            const bool verify = s_.Verify;
            unit.Run->Start([&model, verify](DeviceSession &s) { return s.StartDownload(model, verify); });
        }
    }

    // A unit's run has ended: a failed write is tried again as --retry allows, a write that
    // went through has its clock set when asked, and otherwise the unit is done.
    void Ended(Unit &unit)
    {
        DeviceOutcome &o = unit.Run->Outcome();
        if (unit.SettingClock) {
            AddClock(unit.Outcome, o, unit.Clock);
        } else if (o.Exit != ExitOk && o.Signal == 0 && stopSignal_ == 0 && unit.Attempt < s_.Retries) {
            ++unit.Attempt;
            Begin(unit, false);
            return;
        } else {
            unit.Outcome = std::move(o);
            if (unit.Outcome.Exit == ExitOk && s_.SetClock) {
                Begin(unit, true);
                return;
            }
        }
        Finish(unit);
    }

    // The unit is done: counted, its line and its log row, and let go.
    void Finish(Unit &unit)
    {
        const DeviceOutcome o = std::move(unit.Outcome);
        retired_.push_back(std::move(unit.Run));
        std::erase_if(units_, [&unit](const std::unique_ptr<Unit> &u) { return u.get() == &unit; });
        (o.Exit == ExitOk ? programmed_ : failed_) += 1;
        exit_ = std::max(exit_, o.Exit);
        Tell(o);
        Record(o);
        EndWhenDone();
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
        const QByteArray line = (fields.join(QLatin1Char(',')) + QLatin1String("\r\n")).toUtf8();
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
    std::map<std::string, std::string> seen_;         // attached at the last look: path and instance
    std::vector<std::unique_ptr<Unit>> units_;        // in hand
    std::vector<std::unique_ptr<DeviceRun>> retired_; // ended, let go at the next look
    QTimer timer_;                                    // the next look
    QEventLoop wait_;
    int poll_ = 0;
    int stopSignal_ = 0;
    bool over_ = false;
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
