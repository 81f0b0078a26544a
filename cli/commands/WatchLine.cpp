#include "cli/commands/WatchLine.h"

#include "text/QtDateTime.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QFile>
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

// One KORVELT of the watch written, verified and its clock set as asked.
DeviceOutcome WatchedWrite(CtlContext &c, const std::string &path, const ProbedDevice &probed, const ScheduleModel &model,
                           bool verify, bool setClock, HandOn &handOn)
{
    DeviceOutcome o;
    o.Path = path;
    o.Identity = probed.Identity;
    if (CtlContext::ProbeFailure(probed, o)) {
        return o;
    }
    FleetOptions fleet;
    fleet.ReplyTimeoutMs = c.Options().ReplyTimeoutMs;
    fleet.Interrupts = &handOn;
    o = RunOnDevices(
            c.Backend(), {path}, [&](DeviceSession &s) { return s.StartDownload(model, verify); }, fleet)
            .front();
    if (!o.Identity) {
        o.Identity = probed.Identity;
    }
    if (o.Exit != ExitOk || !setClock) {
        return o;
    }
    const QDateTime now = c.Options().Now();
    const TDateTime value = FromQDate(now.date()) + FromQTime(now.time());
    const DeviceOutcome clock =
        RunOnDevices(
            c.Backend(), {path}, [value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); },
            fleet)
            .front();
    if (clock.Exit != ExitOk) {
        o.Exit = clock.Exit;
        o.Result = clock.Result;
        o.Message += QStringLiteral("; the clock was not set: ") + clock.Message;
        return o;
    }
    o.ClockSet = true;
    o.Message += QStringLiteral("; clock set to ") + ClockText(value, value);
    return o;
}

} // namespace

int WatchAndWrite(CtlContext &c, const Arguments &a, const QString &name, const LoadedSchedule &loaded, bool verify)
{
    const ScheduleModel &model = loaded.Model;
    if (c.Json() || a.Flags.contains(QLatin1String("--all")) || a.Values.contains(QStringLiteral("--device")) ||
        a.Flags.contains(QLatin1String("--dry-run"))) {
        throw UsageError(
            QStringLiteral("--watch writes each KORVELT plugged in: no --all, --device, --dry-run or --json"));
    }
    const bool setClock = a.Flags.contains(QLatin1String("--set-clock"));
    // The file's own bytes, as sha256sum prints them, whether it is a data file or JSON.
    const QString checksum =
        QString::fromLatin1(QCryptographicHash::hash(loaded.Bytes, QCryptographicHash::Sha256).toHex());
    const QString logName = a.Values.value(QStringLiteral("--log"));
    QFile log(logName);
    if (!logName.isEmpty()) {
        if (IsStandardStream(logName) ||
            !log.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
            throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2")
                                             .arg(logName, IsStandardStream(logName) ? QStringLiteral("not a file")
                                                                                     : log.errorString()));
        }
        // A header for a new log; a row an earlier run left cut short is ended, so that this
        // run's rows start on a line of their own.
        const QByteArray start = log.size() == 0 ? QByteArray("time,serial,version,sha256,result\n")
                                 : EndsLine(log)  ? QByteArray()
                                                  : QByteArray("\n");
        if (const std::optional<QString> problem = AppendWhole(log, start)) {
            throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2").arg(logName, *problem));
        }
    }
    std::map<std::string, std::string> seen; // attached at the last look: path and instance
    int stopSignal = 0;
    bool inHand = false;
    HandOn handOn;
    QEventLoop wait;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setInterval(std::max(1, c.Options().WatchIntervalMs));
    QObject::connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    if (c.Options().Interrupts != nullptr) {
        c.Options().Interrupts->Watch([&](int signal) {
            if (!inHand) {
                stopSignal = signal;
                wait.quit();
            } else if (stopSignal == 0) {
                stopSignal = signal;
                c.Options().Interrupts->Handled();
                if (!c.Quiet()) {
                    c.Err() << Tool << ": ending after this KORVELT (Ctrl+C again stops it at once)\n" << Qt::flush;
                }
            } else if (handOn.Stop) {
                handOn.Stop(signal);
            }
        });
    }
    if (!c.Quiet()) {
        c.Err() << Tool << ": waiting for KORVELTs to write " << Shown(name) << " to (Ctrl+C ends)\n" << Qt::flush;
    }
    int exit = ExitOk;
    int programmed = 0;
    int failed = 0;
    bool logFailed = false;
    for (int poll = 0; stopSignal == 0 && !logFailed; ++poll) {
        if (c.Options().WatchPolled) {
            c.Options().WatchPolled(poll);
        }
        const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(c.Backend());
        // A path that holds another attachment than at the last look (Linux gives a new
        // device the /dev/hidrawN of one just unplugged) holds a new unit.
        std::erase_if(seen, [&devices](const auto &entry) {
            return std::ranges::none_of(devices, [&entry](const HidInterfaceInfo &d) {
                return d.Path == entry.first && d.Instance == entry.second;
            });
        });
        for (const HidInterfaceInfo &listed : devices) {
            if (stopSignal != 0 || logFailed) {
                break;
            }
            if (seen.contains(listed.Path)) {
                continue;
            }
            // As it is now: a unit at this path may have been swapped while another was written.
            const std::optional<HidInterfaceInfo> now = Attached(c.Backend(), listed.Path);
            if (!now) {
                continue; // gone: the next look sees what took its place
            }
            const HidInterfaceInfo &device = *now;
            inHand = true;
            const ProbedDevice probed = ProbeDevice(c.Backend(), device, c.Options().ReplyTimeoutMs);
            // A unit with the serial number of another is another unit all the same: written.
            seen.insert({device.Path, device.Instance});
            DeviceOutcome o = WatchedWrite(c, device.Path, probed, model, verify, setClock, handOn);
            inHand = false;
            const QString deviceName = DeviceName(o.Path, o.Identity);
            if (o.Exit == ExitOk) {
                ++programmed;
                c.Say(deviceName + QStringLiteral(": ") + o.Message + QLatin1Char('\n'));
            } else {
                ++failed;
                c.Err() << Tool << ": " << deviceName << ": " << o.Message << '\n' << Qt::flush;
            }
            exit = std::max(exit, o.Exit);
            if (log.isOpen()) {
                const QDateTime time = c.Options().Now();
                const QStringList fields{TimeStamp(time),
                                         o.Identity ? SerialText(o.Identity->SerialNumber) : QString(),
                                         o.Identity ? CsvField(QString::fromLatin1(o.Identity->Version.c_str()))
                                                    : QString(),
                                         checksum, ResultName(o.Result) + (o.ClockSet ? QStringLiteral("-clock-set") : QString())};
                const QByteArray line = (fields.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8();
                // No unit is programmed without its row: a log that cannot take one ends the line.
                if (const std::optional<QString> problem = AppendWhole(log, line)) {
                    c.Err() << Tool << ": " << logName << ": cannot be written: " << *problem
                         << "; no more KORVELTs are taken\n"
                         << Qt::flush;
                    exit = std::max<int>(exit, ExitFileError);
                    logFailed = true;
                }
            }
        }
        if (stopSignal == 0 && !logFailed) {
            timer.start();
            wait.exec();
        }
    }
    if (c.Options().Interrupts != nullptr) {
        c.Options().Interrupts->Unwatch();
    }
    c.Say(QStringLiteral("%1 programmed; %2 failed\n").arg(programmed).arg(failed));
    return exit;
}

} // namespace korvelt
