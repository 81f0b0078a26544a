// What the program adds to a device round trip, measured through the real reader thread and
// the hand-over to the main thread's event loop: a whole download and a whole read against
// the simulated KORVELT, and in the same run a bare hand-over loop (the reader thread handing
// an empty report to an empty handler). The ratio of the two holds on any machine; a real
// full-speed USB link needs about 1 ms per round trip.

#include "DeviceExchange.h"
#include "DeviceLink.h"
#include "SimulatedHidBackend.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Runs = 51;
constexpr int BareReports = 131;

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Delivers a report on every read, for the bare hand-over loop.
class EndlessDevice final : public HidDevice {
public:
    bool Write(const Report & /*report*/) override { return true; }
    ReadStatus Read(Report &report, int /*timeoutMs*/) override
    {
        report.fill(0);
        return ReadStatus::Report;
    }
};

// The exchange's host as the window is, without the widgets: requests go out through the
// link, and the end of an exchange ends the event loop.
class LinkHost final : public ExchangeHost {
public:
    explicit LinkHost(QEventLoop &loop) : loop_(loop) {}
    void Attach(DeviceLink &link) { link_ = &link; }

    void SendReport(const Report &request) override { link_->SendReport(request); }
    void ShowError(const std::string &text) override
    {
        std::cerr << "error: " << text << '\n';
        loop_.quit();
    }
    void ShowInformation(const std::string & /*text*/) override { loop_.quit(); }
    void LogIdentity(const std::string & /*versionLine*/, const std::string & /*serialLine*/) override {}
    [[nodiscard]] const ScheduleModel &Model() const override { return model_; }
    [[nodiscard]] TDateTime ClockValueToSet() override { return 40000.5; }
    void ReadComplete(const ScheduleModel &read) override { model_ = read; }
    void ShowDeviceClock(TDateTime /*date*/, TDateTime /*time*/) override { loop_.quit(); }

private:
    QEventLoop &loop_;
    DeviceLink *link_ = nullptr;
    ScheduleModel model_;
};

// Microseconds per hand-over of the bare loop, one run.
double BareHandOver()
{
    QObject receiver;
    QEventLoop loop;
    EndlessDevice device;
    std::atomic<bool> open{true};
    int handled = 0;
    Port1Comms reader(device, open, receiver, [&] {
        if (++handled == BareReports) {
            loop.quit();
        }
    });
    const auto start = Clock::now();
    reader.start(QThread::IdlePriority);
    loop.exec();
    const auto elapsed = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    reader.Stop();
    return elapsed / BareReports;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    SimulatedHidBackend backend;
    backend.AddKorvelt();
    QEventLoop loop;
    LinkHost host(loop);
    DeviceExchange exchange(host);
    QObject receiver;
    DeviceLink link(backend, receiver, [&] { exchange.ReportReceived(link.ReceiveBuffer()); });
    host.Attach(link);
    if (link.OpenDeviceLink().Outcome != LinkOutcome::Open) {
        std::cerr << "the simulated KORVELT did not open\n";
        return 1;
    }

    std::vector<double> download;
    std::vector<double> read;
    std::vector<double> bare;
    for (int run = 0; run < Runs; ++run) {
        auto start = Clock::now();
        exchange.StartDownload();
        loop.exec();
        download.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / 133);
        start = Clock::now();
        exchange.StartRead();
        loop.exec();
        read.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / 131);
        bare.push_back(BareHandOver());
    }
    const double bareMedian = Median(bare);
    std::cout << std::fixed << std::setprecision(2) << "median of " << Runs << " runs, microseconds per round trip\n"
              << "  bare hand-over           " << bareMedian << '\n'
              << "  download (133 requests)  " << Median(download) << "  ratio " << Median(download) / bareMedian
              << '\n'
              << "  read (131 requests)      " << Median(read) << "  ratio " << Median(read) / bareMedian << '\n';
    return 0;
}
