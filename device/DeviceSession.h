#pragma once

#include "DeviceExchange.h"
#include "DeviceLink.h"
#include "ExchangeHost.h"

#include <QObject>

#include <functional>
#include <string>

namespace korvelt {

// Why a command on the device did not complete.
enum class SessionFailure {
    NotFound,            // no KORVELT could be opened; Detail says why one that is present could not
    ProgramMode,         // a KORVELT in program mode was found (its link stays open)
    NotAKorvelt,         // the device's identity reply is not a KORVELT time controller's
    InvalidScheduleData, // a read found values that are not times or dates in block Block
};

struct SessionError {
    SessionFailure Reason = SessionFailure::NotFound;
    int Block = 0;
    std::string Detail;
};

// One KORVELT as the program talks to it: the link (discovery, the two handles, the reader
// thread) and the exchange with the device. A command opens the link when it is not open,
// then runs its exchange; every input report the reader hands over moves it one step. The
// results are typed signals, emitted on the session's thread; what the user reads is made of
// them elsewhere. Starting a command abandons the one under way.
class DeviceSession : public QObject {
    Q_OBJECT

public:
    explicit DeviceSession(HidBackend &backend, QObject *parent = nullptr);
    DeviceSession(const DeviceSession &) = delete;
    DeviceSession &operator=(const DeviceSession &) = delete;
    DeviceSession(DeviceSession &&) = delete;
    DeviceSession &operator=(DeviceSession &&) = delete;
    ~DeviceSession() override;

    // Each returns false, after Failed, when no exchange could start.
    bool StartDownload(const ScheduleModel &model);
    bool StartRead();
    // `clockValue` gives the moment to set when the device has answered the identity request.
    bool StartSetClock(std::function<TDateTime()> clockValue);
    bool StartReadClock();

    // Stops the reader and closes the device; a report still on its way is dropped, and
    // nothing is reported any more.
    void Close();

    [[nodiscard]] bool DeviceOpen() const { return link_.DeviceOpen(); }
    [[nodiscard]] ProtocolState State() const { return exchange_.State(); }

signals:
    void Identified(const korvelt::DeviceIdentity &identity);
    void Progress(int step, int total);
    void DownloadDone();
    void ReadDone(const korvelt::ScheduleModel &model);
    void ClockRead(double date, double time);
    void Failed(const korvelt::SessionError &error);

private:
    // The exchange's side of the session: requests go out through the link, results become
    // the session's signals.
    class Host final : public ExchangeHost {
    public:
        explicit Host(DeviceSession &session) : session_(session) {}
        void SendReport(const Report &request) override { session_.link_.SendReport(request); }
        [[nodiscard]] const ScheduleModel &Model() const override { return session_.model_; }
        [[nodiscard]] TDateTime ClockValueToSet() override;
        void Identified(const DeviceIdentity &identity) override { emit session_.Identified(identity); }
        void Progress(int step, int total) override { emit session_.Progress(step, total); }
        void DownloadDone() override { emit session_.DownloadDone(); }
        void ReadDone(const ScheduleModel &read) override { emit session_.ReadDone(read); }
        void ClockRead(TDateTime date, TDateTime time) override { emit session_.ClockRead(date, time); }
        void Failed(ExchangeFailure reason, int detail) override;

    private:
        DeviceSession &session_;
    };

    bool OpenLink();
    // Opens the link when needed, then starts the exchange.
    bool Start(void (DeviceExchange::*start)());
    void ReportReceived(const Report &report);

    ScheduleModel model_;
    std::function<TDateTime()> clockValue_;
    bool closing_ = false;
    Host host_{*this};
    DeviceExchange exchange_{host_};
    DeviceLink link_; // last: its reader thread stops before anything it reaches goes away
};

} // namespace korvelt
