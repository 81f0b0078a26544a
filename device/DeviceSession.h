#pragma once

#include "core/DeviceExchange.h"
#include "device/DeviceLink.h"
#include "core/ExchangeHost.h"
#include "core/ScheduleDifference.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace korvelt {

// The commands a session runs on the device.
enum class SessionCommand { Write, Read, SetClock, ReadClock };

// Why a command on the device did not complete.
enum class SessionFailure {
    NotFound,            // no KORVELT could be opened; Detail says why one that is present could not
    ProgramMode,         // a KORVELT in program mode was found (its link stays open)
    NotAKorvelt,         // the device's identity reply is not a KORVELT time controller's
    InvalidScheduleData, // a read found values that are not times or dates in block Block
    TimedOut,            // no reply came in time; the link is closed
    Unplugged,           // the device went away during the command; the link is closed
    NotVerified,         // the schedule read back after a write is not the one written
};

struct SessionError {
    SessionFailure Reason = SessionFailure::NotFound;
    // InvalidScheduleData: the block that failed. TimedOut and Unplugged: the block of the
    // request waiting for its reply, -1 for one that names no block (identity, clock).
    int Block = 0;
    std::string Detail;                             // NotFound: why a present KORVELT could not be opened
    SessionCommand Command = SessionCommand::Write; // what was under way
    bool Verifying = false;                         // it failed in the read-back of a write
    std::vector<ScheduleDifference> Differences;    // NotVerified: where the device differs
    bool Erased = false; // InvalidScheduleData: the block's data read as erased memory (all 0xFF)
    bool Busy = false;   // NotFound: the KORVELT is claimed by another program or command
    // NotVerified after a second read-back: the two reads differ from each other as well, so
    // that a stray report may have shifted one of them.
    bool ReadsDisagree = false;
};

// How far the command under way has come, told after each request has gone out.
struct SessionProgress {
    SessionCommand Command = SessionCommand::Write;
    bool Verifying = false; // in the read-back of a write
    int Step = 0;           // requests sent so far over the whole command, 1..Total
    int Total = 0;          // a write 133 (264 with its read-back, 395 read back twice), a read 131, a clock 2
    int Block = -1;         // the block of the request now waiting for its reply; -1 none
};

// One KORVELT as the program talks to it: the link (discovery, the two handles, the reader
// thread) and the exchange with the device. A command opens the link when it is not open,
// then runs its exchange; every input report the reader hands over moves it one step. A
// reply that does not come in time, or the device going away, ends the command and closes
// the link. The results are typed signals, emitted on the session's thread; what the user
// reads is made of them elsewhere. Starting a command abandons the one under way without a
// word about it.
class DeviceSession : public QObject {
    Q_OBJECT

public:
    static constexpr int DefaultReplyTimeoutMs = 2000;

    explicit DeviceSession(HidBackend &backend, QObject *parent = nullptr);
    DeviceSession(const DeviceSession &) = delete;
    DeviceSession &operator=(const DeviceSession &) = delete;
    DeviceSession(DeviceSession &&) = delete;
    DeviceSession &operator=(DeviceSession &&) = delete;
    ~DeviceSession() override;

    // Each returns false, after Failed, when no exchange could start. With `verify` a write
    // reads the schedule back and compares it with what it sent.
    bool StartDownload(const ScheduleModel &model, bool verify);
    bool StartRead();
    // `clockValue` gives the moment to set when the device has answered the identity request.
    bool StartSetClock(std::function<TDateTime()> clockValue);
    bool StartReadClock();

    // Stops the command under way at once: nothing more is sent, the link is closed (the next
    // command searches afresh), then Cancelled. Does nothing when idle.
    void Cancel();

    // Stops the reader and closes the device; a report still on its way is dropped, and
    // nothing is reported any more.
    void Close();

    // Talks only to the KORVELT at `path` (as HidBackend::Enumerate lists it) from the next
    // command on; empty: the first that the searches find. A link open to another path is
    // closed, so that the next command does not go on talking to that one.
    void SetDevicePath(std::string path);

    // With `on`, a read-back that differs from what was written is read once more, on the link
    // opened again, which drops the reports waiting: a stray report that shifted the first
    // read's replies does not shift the second. The write is verified when the second read
    // finds what was written.
    void SetSecondReadBack(bool on) { secondReadBack_ = on; }

    // How long a request waits for its reply before the command fails.
    void SetReplyTimeout(int milliseconds) { replyTimer_.setInterval(milliseconds); }
    void SetClaimWait(int milliseconds) { link_.SetClaimWait(milliseconds); }

    // A command is under way: from a start that returned true until its last signal.
    [[nodiscard]] bool Busy() const { return busy_; }
    [[nodiscard]] bool DeviceOpen() const { return link_.DeviceOpen(); }
    [[nodiscard]] ProtocolState State() const { return exchange_.State(); }
    // The command under way, or the last one; whether it was in the read-back of a write.
    [[nodiscard]] SessionCommand Command() const { return command_; }
    [[nodiscard]] bool Verifying() const { return verifying_; }

signals:
    void Identified(const korvelt::DeviceIdentity &identity);
    void Progress(const korvelt::SessionProgress &progress);
    // `verified`: the schedule read back is the one written.
    void DownloadDone(bool verified);
    void ReadDone(const korvelt::ScheduleModel &model);
    void ClockRead(double date, double time);
    void Failed(const korvelt::SessionError &error);
    void Cancelled();
    // True when a command starts; false right before its last signal, so that the handler of
    // that signal sees the session idle and may start the next command.
    void BusyChanged(bool busy);

private:
    // The exchange's side of the session: requests go out through the link, results become
    // the session's signals.
    class Host final : public ExchangeHost {
    public:
        explicit Host(DeviceSession &session) : session_(session) {}
        void SendReport(const Report &request) override { session_.RequestSent(request); }
        [[nodiscard]] TDateTime ClockValueToSet() override;
        void Identified(const DeviceIdentity &identity) override;
        void Progress(int step, int total) override;
        void DownloadDone() override;
        void ReadDone(const ScheduleModel &read) override;
        void ClockRead(TDateTime date, TDateTime time) override;
        void Failed(ExchangeFailure reason, int detail) override;

    private:
        DeviceSession &session_;
    };

    // Opens the link when needed, then starts the exchange of `command`.
    bool Start(SessionCommand command, int total);
    // The read-back of a write, started once the write's last reply has been handled.
    void StartReadBack();
    void RequestSent(const Report &request);
    void ReportReceived(const Report &report);
    void ReplyTimedOut();
    void DeviceGone();
    // The command's error so far: what was under way and where.
    [[nodiscard]] SessionError Error(SessionFailure reason) const;
    // Ends the command under way before its last signal: stops the exchange and the reply
    // timer, closes the link when asked, and says BusyChanged(false).
    void Conclude(bool closeLink);
    void CloseLink();

    ScheduleModel model_; // what a write sends, and what its read-back must find
    std::function<TDateTime()> clockValue_;
    SessionCommand command_ = SessionCommand::Write;
    bool verify_ = false;
    bool verifying_ = false;
    bool secondReadBack_ = false;
    int readBacks_ = 0;           // read-backs started by the write under way
    ScheduleModel firstReadBack_; // what the first of two read-backs found
    bool readBackDue_ = false;    // the write's last reply came and its read-back is to start
    bool busy_ = false;
    int total_ = 0;
    int waitingBlock_ = -1;
    Report lastReply_{}; // the reply the exchange was given last
    // While the link closes or opens, what the reader hands over is not the command's.
    bool relinking_ = false;
    QTimer replyTimer_;
    Host host_{*this};
    DeviceExchange exchange_{host_};
    DeviceLink link_; // last: its reader thread stops before anything it reaches goes away
};

} // namespace korvelt

Q_DECLARE_METATYPE(korvelt::SessionError)
Q_DECLARE_METATYPE(korvelt::SessionProgress)
