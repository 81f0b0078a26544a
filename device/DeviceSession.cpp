#include "device/DeviceSession.h"

#include <algorithm>

namespace korvelt {

namespace {

const int WriteRequests = DeviceExchange::RequestCount(ProtocolState::WriteIdentify);
const int ReadRequests = DeviceExchange::RequestCount(ProtocolState::ReadIdentify);
const int ClockRequests = DeviceExchange::RequestCount(ProtocolState::ReadClockIdentify);

} // namespace

DeviceSession::DeviceSession(HidBackend &backend, QObject *parent)
    : QObject(parent),
      link_(
          backend, *this, [this](const Report &report) { ReportReceived(report); }, [this] { DeviceGone(); })
{
    replyTimer_.setSingleShot(true);
    replyTimer_.setInterval(DefaultReplyTimeoutMs);
    connect(&replyTimer_, &QTimer::timeout, this, &DeviceSession::ReplyTimedOut);
}

DeviceSession::~DeviceSession()
{
    Close();
}

void DeviceSession::Close()
{
    exchange_.Abandon();
    readBackDue_ = false;
    replyTimer_.stop();
    busy_ = false;
    CloseLink();
}

void DeviceSession::SetDevicePath(std::string path)
{
    if (path != link_.DevicePath()) {
        CloseLink();
        link_.SetDevicePath(std::move(path));
    }
}

void DeviceSession::CloseLink()
{
    relinking_ = true;
    link_.Close();
    relinking_ = false;
}

bool DeviceSession::Start(SessionCommand command, int total)
{
    exchange_.Abandon();
    replyTimer_.stop();
    command_ = command;
    verifying_ = false;
    readBackDue_ = false;
    readBacks_ = 0;
    total_ = total;
    waitingBlock_ = -1;
    relinking_ = true;
    const LinkResult link = link_.OpenDeviceLink();
    relinking_ = false;
    if (link.Outcome != LinkOutcome::Open) {
        SessionError error =
            Error(link.Outcome == LinkOutcome::ProgramMode ? SessionFailure::ProgramMode : SessionFailure::NotFound);
        error.Block = 0;
        if (link.Outcome == LinkOutcome::NotFound) {
            error.Detail = link.OpenError;
        }
        if (link.Outcome == LinkOutcome::Busy) {
            // Shown where the window shows why a KORVELT could not be opened.
            error.Detail = "busy: in use by another program";
            error.Busy = true;
        }
        if (busy_) {
            Conclude(false);
        }
        emit Failed(error);
        return false;
    }
    if (!busy_) {
        busy_ = true;
        emit BusyChanged(true);
        if (!busy_) {
            return true; // cancelled at once
        }
    }
    switch (command) {
    case SessionCommand::Write:
        exchange_.StartDownload(model_);
        break;
    case SessionCommand::Read:
        exchange_.StartRead();
        break;
    case SessionCommand::SetClock:
        exchange_.StartSetClock();
        break;
    case SessionCommand::ReadClock:
        exchange_.StartReadClock();
        break;
    }
    return true;
}

bool DeviceSession::StartDownload(const ScheduleModel &model, bool verify)
{
    model_ = model;
    verify_ = verify;
    return Start(SessionCommand::Write, WriteRequests + (verify ? ReadRequests : 0));
}

bool DeviceSession::StartRead()
{
    return Start(SessionCommand::Read, ReadRequests);
}

bool DeviceSession::StartSetClock(std::function<TDateTime()> clockValue)
{
    clockValue_ = std::move(clockValue);
    return Start(SessionCommand::SetClock, ClockRequests);
}

bool DeviceSession::StartReadClock()
{
    return Start(SessionCommand::ReadClock, ClockRequests);
}

void DeviceSession::StartReadBack()
{
    // Read back into the exchange's own copy; the caller's schedule is not touched.
    readBackDue_ = false;
    verifying_ = true;
    if (++readBacks_ > 1) {
        // Read on a link opened again: the reports waiting on the old one are dropped.
        total_ += ReadRequests;
        relinking_ = true;
        link_.Close();
        const bool open = link_.OpenDeviceLink().Outcome == LinkOutcome::Open;
        relinking_ = false;
        if (!open) {
            SessionError error = Error(SessionFailure::NotVerified);
            error.Differences = CompareSchedules(model_, firstReadBack_);
            Conclude(true);
            emit Failed(error);
            return;
        }
    }
    exchange_.StartRead();
}

void DeviceSession::Cancel()
{
    if (!busy_) {
        return;
    }
    Conclude(true);
    emit Cancelled();
}

void DeviceSession::Conclude(bool closeLink)
{
    exchange_.Abandon();
    readBackDue_ = false;
    replyTimer_.stop();
    // Idle before the link closes: closing handles events, a late time-out or unplug among them.
    busy_ = false;
    link_.ReleaseClaim(); // the next command, of this program or another, may claim it
    if (closeLink) {
        CloseLink();
    }
    emit BusyChanged(false);
}

SessionError DeviceSession::Error(SessionFailure reason) const
{
    return SessionError{reason, waitingBlock_, {}, command_, verifying_, {}};
}

void DeviceSession::RequestSent(const Report &request)
{
    link_.SendReport(request);
    waitingBlock_ = RequestedBlock(request);
    replyTimer_.start();
}

void DeviceSession::ReportReceived(const Report &report)
{
    // The read-back's identity request follows a write to a device that answered as a KORVELT
    // on this link. A report there without the identity is the reply to the write's last
    // request, come late because a stray report (a duplicate reply) took its place: it is
    // dropped, and the identity reply waited for as ever. The read-back then shows whether the
    // device holds what was sent.
    const bool trailing = verifying_ && exchange_.State() == ProtocolState::ReadIdentify &&
                          !std::equal(IdentityBytes.begin(), IdentityBytes.end(), report.begin() + IdentityOffset);
    if (!relinking_ && !trailing) {
        waitingBlock_ = -1; // answered; the next request, if any, names its own
        lastReply_ = report;
        exchange_.ReportReceived(report);
        if (readBackDue_) {
            StartReadBack();
        }
    }
}

void DeviceSession::ReplyTimedOut()
{
    if (!busy_) {
        return;
    }
    const SessionError error = Error(SessionFailure::TimedOut);
    Conclude(true);
    emit Failed(error);
}

void DeviceSession::DeviceGone()
{
    // A reader of a link closed since, or one that found the device gone while idle, says
    // nothing: the next command searches afresh.
    if (!busy_ || relinking_ || link_.DeviceOpen()) {
        return;
    }
    const SessionError error = Error(SessionFailure::Unplugged);
    Conclude(true);
    emit Failed(error);
}

TDateTime DeviceSession::Host::ClockValueToSet()
{
    return session_.clockValue_ ? session_.clockValue_() : 0.0;
}

void DeviceSession::Host::Identified(const DeviceIdentity &identity)
{
    // The read-back asks the device who it is again; that was said when the write began.
    if (!session_.verifying_) {
        emit session_.Identified(identity);
    }
}

void DeviceSession::Host::Progress(int step, int /*total*/)
{
    const int done = session_.verifying_ ? WriteRequests + (session_.readBacks_ - 1) * ReadRequests : 0;
    emit session_.Progress(
        SessionProgress{session_.command_, session_.verifying_, done + step, session_.total_, session_.waitingBlock_});
}

void DeviceSession::Host::DownloadDone()
{
    if (session_.verify_ && !session_.verifying_) {
        // The read-back starts when the exchange has finished with this reply.
        session_.readBackDue_ = true;
        return;
    }
    session_.Conclude(false);
    emit session_.DownloadDone(false);
}

void DeviceSession::Host::ReadDone(const ScheduleModel &read)
{
    if (!session_.verifying_) {
        session_.Conclude(false);
        emit session_.ReadDone(read);
        return;
    }
    SessionError error = session_.Error(SessionFailure::NotVerified);
    error.Differences = CompareSchedules(session_.model_, read);
    if (!error.Differences.empty() && session_.secondReadBack_ && session_.readBacks_ == 1) {
        // Read once more when the exchange has finished with this reply.
        session_.firstReadBack_ = read;
        session_.readBackDue_ = true;
        return;
    }
    error.ReadsDisagree = session_.readBacks_ > 1 && !CompareSchedules(session_.firstReadBack_, read).empty();
    session_.Conclude(false);
    if (error.Differences.empty()) {
        emit session_.DownloadDone(true);
    } else {
        emit session_.Failed(error);
    }
}

void DeviceSession::Host::ClockRead(TDateTime date, TDateTime time)
{
    session_.Conclude(false);
    emit session_.ClockRead(date, time);
}

void DeviceSession::Host::Failed(ExchangeFailure reason, int detail)
{
    SessionError error = session_.Error(reason == ExchangeFailure::NotAKorvelt ? SessionFailure::NotAKorvelt
                                                                               : SessionFailure::InvalidScheduleData);
    error.Block = detail;
    if (reason == ExchangeFailure::InvalidScheduleData) {
        const auto *data = session_.lastReply_.begin() + ReplyDataOffset;
        error.Erased = std::all_of(data, data + HalfSize, [](std::uint8_t byte) { return byte == 0xFF; });
    }
    session_.Conclude(false);
    emit session_.Failed(error);
}

} // namespace korvelt
