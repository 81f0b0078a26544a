#include "cli/DeviceFleet.h"

#include "cli/CtlExit.h"
#include "cli/CtlSupport.h"
#include "device/FileClaim.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <memory>

namespace korvelt {

namespace {

// The cause of a failed command: the exit status it gives, its word for --json, its text.
struct FailureCause {
    int Exit;
    DeviceResult Result;
    QString Text;
};

// What a write that ended at `block` (-1: before the schedule was sent) left in the device.
QString HeldAfterWrite(bool verifying, int block)
{
    const int last = BlockCount - 1;
    if (verifying) {
        return CtlText::tr("while verifying, at block %1 of %2: the KORVELT holds the new schedule, not verified")
            .arg(std::max(block, 0))
            .arg(last);
    }
    if (block < 0) {
        return CtlText::tr("before the schedule was sent: the KORVELT holds its old schedule");
    }
    return CtlText::tr("at block %1 of %2: the KORVELT holds part of the old and part of the new schedule")
        .arg(block)
        .arg(last);
}

FailureCause FailureText(const SessionError &error)
{
    const bool write = error.Command == SessionCommand::Write;
    switch (error.Reason) {
    case SessionFailure::NotFound:
        if (error.Busy) {
            return {ExitBusy, DeviceResult::Busy, ProbeProblemText(ProbeProblem::Busy, {})};
        }
        return {ExitNoDevice, error.Detail.empty() ? DeviceResult::NotFound : DeviceResult::CannotOpen,
                error.Detail.empty()
                    ? CtlText::tr("no KORVELT is attached there")
                    : CtlText::tr("cannot be opened: %1").arg(QString::fromLocal8Bit(error.Detail.c_str()))};
    case SessionFailure::ProgramMode:
        return {ExitNoDevice, DeviceResult::ProgramMode, CtlText::tr("the KORVELT is in program mode")};
    case SessionFailure::NotAKorvelt:
        return {ExitNoDevice, DeviceResult::NotAKorvelt, CtlText::tr("not a KORVELT time controller")};
    case SessionFailure::InvalidScheduleData:
        return {ExitDifference, DeviceResult::InvalidData,
                CtlText::tr("the KORVELT's block %1 holds values that are not times or dates").arg(error.Block)};
    case SessionFailure::TimedOut:
        if (write) {
            return {ExitDeviceLost, DeviceResult::TimedOut,
                    //: %1 says where the write was and what the KORVELT holds
                    CtlText::tr("stopped answering %1").arg(HeldAfterWrite(error.Verifying, error.Block))};
        }
        return {ExitDeviceLost, DeviceResult::TimedOut,
                error.Block >= 0 ? CtlText::tr("the KORVELT stopped answering at block %1").arg(error.Block)
                                 : CtlText::tr("the KORVELT stopped answering")};
    case SessionFailure::Unplugged:
        if (write) {
            return {ExitDeviceLost, DeviceResult::Unplugged,
                    //: %1 says where the write was and what the KORVELT holds
                    CtlText::tr("unplugged %1").arg(HeldAfterWrite(error.Verifying, error.Block))};
        }
        return {ExitDeviceLost, DeviceResult::Unplugged, CtlText::tr("the KORVELT was unplugged")};
    case SessionFailure::NotVerified:
        return {ExitDifference, DeviceResult::Differs,
                DifferingReads(error.ReadsDisagree,
                               error.Differences.size() == 1
                                   ? CtlText::tr("the schedule read back differs from the one written in 1 place")
                                   : CtlText::tr("the schedule read back differs from the one written in %n places",
                                                 nullptr, static_cast<int>(error.Differences.size())))};
    }
    return {ExitDeviceLost, DeviceResult::Failed, {}};
}

// What a device holds after its command was stopped where `r` had come.
QString InterruptedText(const SessionProgress &at, int lastBlock)
{
    const int last = BlockCount - 1;
    if (at.Step == 0) {
        return CtlText::tr("interrupted before anything was sent: the KORVELT is as it was");
    }
    switch (at.Command) {
    case SessionCommand::Write:
        if (at.Verifying) {
            return CtlText::tr("interrupted while verifying, at block %1 of %2: the KORVELT holds the new schedule, "
                               "not verified")
                .arg(std::max(lastBlock, 0))
                .arg(last);
        }
        if (lastBlock < 0) {
            return CtlText::tr("interrupted before the schedule was sent: the KORVELT holds its old schedule");
        }
        return CtlText::tr(
                   "interrupted at block %1 of %2: the KORVELT holds part of the old and part of the new schedule")
            .arg(lastBlock)
            .arg(last);
    case SessionCommand::Read:
        return CtlText::tr("interrupted at block %1 of %2: nothing was saved").arg(std::max(lastBlock, 0)).arg(last);
    case SessionCommand::SetClock:
        return at.Step < at.Total ? CtlText::tr("interrupted before the clock was set")
                                  : CtlText::tr("interrupted: the clock may or may not have been set");
    case SessionCommand::ReadClock:
        break;
    }
    return CtlText::tr("interrupted");
}

// The bar's width of `#`s for a terminal `columns` wide: "[####    ] 100%" fits on the line,
// so that nothing wraps and leaves stale lines behind.
int BarWidth(int columns)
{
    constexpr int MostWidth = 40;
    constexpr int AroundBar = 8; // "[", "] 100%" and the last column, which would wrap
    return std::clamp(columns - AroundBar, 0, MostWidth);
}

// Redrawn only when the percentage changes.
void DrawBar(QTextStream &err, const std::vector<std::unique_ptr<DeviceRun>> &running, int &shown, int columns)
{
    const int Width = BarWidth(columns);
    double done = 0;
    for (const auto &r : running) {
        done += r->Share();
    }
    const double share = done / static_cast<double>(running.size());
    const auto filled = static_cast<int>(share * Width);
    if (static_cast<int>(share * 100) == shown) {
        return;
    }
    shown = static_cast<int>(share * 100);
    err << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(Width - filled, QLatin1Char(' ')) << "] "
        << static_cast<int>(share * 100) << '%' << Qt::flush;
}

} // namespace

QString DifferingReads(bool readsDisagree, const QString &differs)
{
    //: %1 says where the KORVELT differs; this adds why the tool cannot tell a stray report from a KORVELT that differs
    return readsDisagree ? CtlText::tr("%1; the two reads disagreed, so a stray report from another program may be the "
                                       "cause: try again")
                               .arg(differs)
                         : differs;
}

QString SerialText(std::int32_t serial)
{
    return QString::number(static_cast<std::uint32_t>(serial));
}

QString DeviceName(const std::string &path, const std::optional<DeviceIdentity> &identity)
{
    const QString name = QString::fromStdString(path);
    //: A KORVELT as a line names it: its path and serial number
    return identity ? CtlText::tr("%1 (serial %2)").arg(name, SerialText(identity->SerialNumber)) : name;
}

ProbedDevice ProbeDevice(HidBackend &backend, const HidInterfaceInfo &device, int timeoutMs, int claimWaitMs)
{
    ProbedDevice probed{device, std::nullopt, ProbeProblem::None, {}};
    if (device.Release == ProgramModeRelease) {
        probed.Problem = ProbeProblem::ProgramMode;
        return probed;
    }
    // A device another program talks to is asked nothing: a request would upset its exchange.
    const std::unique_ptr<HidClaim> claim = ClaimWithin(backend, device.Path, claimWaitMs);
    if (!claim) {
        probed.Problem = ProbeProblem::Busy;
        return probed;
    }
    const HidOpenResult open = backend.Open(device.Path);
    if (!open.Device) {
        probed.Problem = ProbeProblem::CannotOpen;
        probed.Detail = QString::fromLocal8Bit(open.Error.c_str());
        return probed;
    }
    const IdentityAnswer answer = AskIdentity(*open.Device, timeoutMs);
    if (answer.Answered && !answer.IsKorvelt) {
        probed.Problem = ProbeProblem::NotAKorvelt;
        return probed;
    }
    if (answer.IsKorvelt) {
        probed.Identity = answer.Identity;
        return probed;
    }
    probed.Problem = ProbeProblem::NoAnswer;
    return probed;
}

DeviceRun::DeviceRun(HidBackend &backend, const std::string &path, int replyTimeoutMs, Calls calls)
    : backend_(backend), session_(std::make_unique<DeviceSession>(backend)), calls_(std::move(calls))
{
    outcome_.Path = path;
    session_->SetDevicePath(path);
    session_->SetSecondReadBack(true);
    session_->SetReplyTimeout(replyTimeoutMs);
    session_->SetClaimWait(BusyWaitMs);
    Connect();
}

DeviceRun::~DeviceRun() = default;

void DeviceRun::Start(const SessionStart &start)
{
    if (!ended_) {
        start_ = start;
        start(*session_); // one that cannot start has said Failed already
    }
}

bool DeviceRun::AskAgain()
{
    if (askedAgain_ || !start_) {
        return false;
    }
    const std::vector<HidInterfaceInfo> present = backend_.Enumerate();
    askedAgain_ = std::ranges::any_of(present, [this](const HidInterfaceInfo &info) {
        return info.Path == outcome_.Path && NormalFirmware.Matches(info.VendorId, info.ProductId, info.Release);
    });
    return askedAgain_;
}

void DeviceRun::Interrupt(int signal)
{
    if (ended_) {
        return;
    }
    session_->Cancel();
    outcome_.Signal = signal;
    End(InterruptedExit(signal), DeviceResult::Interrupted, InterruptedText(last_, lastBlock_));
}

double DeviceRun::Share() const
{
    return ended_ ? 1.0 : static_cast<double>(last_.Step) / std::max(1, last_.Total);
}

void DeviceRun::End(int exit, DeviceResult result, const QString &message)
{
    if (ended_) {
        return;
    }
    outcome_.Exit = exit;
    outcome_.Result = result;
    outcome_.Message = message;
    ended_ = true;
    // Closed at once: from the hand-over of the last reply the reader is only told to stop,
    // whereas a close after the loop would wait for each reader's read to time out in turn.
    session_->Close();
    if (calls_.Ended) {
        calls_.Ended();
    }
}

void DeviceRun::Connect()
{
    DeviceSession &session = *session_;
    QObject::connect(&session, &DeviceSession::Identified,
                     [this](const DeviceIdentity &identity) { outcome_.Identity = identity; });
    QObject::connect(&session, &DeviceSession::Progress, [this](const SessionProgress &p) {
        last_ = p;
        lastBlock_ = p.Block >= 0 ? p.Block : lastBlock_;
        if (calls_.Changed) {
            calls_.Changed();
        }
    });
    QObject::connect(&session, &DeviceSession::DownloadDone, [this](bool verified) {
        End(ExitOk, verified ? DeviceResult::WrittenVerified : DeviceResult::Written,
            verified ? CtlText::tr("written and verified") : CtlText::tr("written"));
    });
    QObject::connect(&session, &DeviceSession::ReadDone, [this](const ScheduleModel &model) {
        outcome_.Read = model;
        //: A KORVELT's schedule was read
        End(ExitOk, DeviceResult::Read, CtlText::tr("read"));
    });
    QObject::connect(&session, &DeviceSession::ClockRead, [this](double date, double time) {
        outcome_.ClockDate = date;
        outcome_.ClockTime = time;
        End(ExitOk, DeviceResult::Clock, QStringLiteral("clock"));
    });
    QObject::connect(&session, &DeviceSession::Failed, [this](const SessionError &error) {
        // A stray report that came before the identity reply was taken for it. The command
        // starts again on a link opened anew, which drops the identity reply come since: a
        // KORVELT answers the second time.
        if (error.Reason == SessionFailure::NotAKorvelt && AskAgain()) {
            start_(*session_);
            return;
        }
        const FailureCause cause = FailureText(error);
        End(cause.Exit, cause.Result, cause.Text);
    });
}

namespace {

// The sessions of one run on several devices, on this thread's event loop.
class FleetRun {
public:
    FleetRun(HidBackend &backend, const std::vector<std::string> &paths, const FleetOptions &options)
        : options_(options)
    {
        DeviceRun::Calls calls;
        calls.Changed = [this] {
            if (options_.Progress != nullptr) {
                DrawBar(*options_.Progress, running_, shown_, options_.Width());
            }
        };
        calls.Ended = [this] {
            if (++ended_ == running_.size()) {
                loop_.quit();
            }
        };
        for (const std::string &path : paths) {
            running_.push_back(std::make_unique<DeviceRun>(backend, path, options.ReplyTimeoutMs, calls));
        }
    }

    std::vector<DeviceOutcome> Run(const SessionStart &start)
    {
        WatchSignals();
        for (const auto &r : running_) {
            r->Start(start);
        }
        if (ended_ < running_.size()) {
            loop_.exec();
        }
        if (options_.Interrupts != nullptr) {
            options_.Interrupts->Unwatch();
        }
        if (options_.Progress != nullptr && shown_ >= 0) {
            *options_.Progress << '\r' << QString(BarWidth(options_.Width()) + 7, QLatin1Char(' ')) << '\r'
                               << Qt::flush;
        }
        std::vector<DeviceOutcome> outcomes;
        for (auto &r : running_) {
            outcomes.push_back(std::move(r->Outcome()));
        }
        return outcomes;
    }

private:
    // A signal cancels what is under way: no request follows, and each device says where it was.
    void WatchSignals()
    {
        if (options_.Interrupts == nullptr) {
            return;
        }
        options_.Interrupts->Watch([this](int signal) {
            for (const auto &r : running_) {
                r->Interrupt(signal);
            }
        });
    }

    const FleetOptions &options_;
    QEventLoop loop_;
    std::vector<std::unique_ptr<DeviceRun>> running_;
    std::size_t ended_ = 0;
    int shown_ = -1; // the percentage the bar shows
};

} // namespace

std::vector<DeviceOutcome> RunOnDevices(HidBackend &backend, const std::vector<std::string> &paths,
                                        const SessionStart &start, const FleetOptions &options)
{
    FleetRun run(backend, paths, options);
    return run.Run(start);
}

} // namespace korvelt
