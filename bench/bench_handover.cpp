// What the program adds to a device round trip, measured through the real reader thread and
// the hand-over to the main thread's event loop: a whole download and a whole read against
// the simulated KORVELT, and in the same run a bare hand-over loop (the reader thread handing
// an empty report to an empty handler). The ratio of the two holds on any machine; a real
// full-speed USB link needs about 1 ms per round trip. The same figures are then taken again
// with every core kept busy, as on a machine that compiles or renders meanwhile: the reader
// must still get its turn at once when a report arrives.

#include "core/DeviceExchange.h"
#include "device/DeviceLink.h"
#include "simulator/SimulatedHidBackend.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <stop_token>
#include <thread>
#include <vector>

#include <sched.h>

using namespace korvelt;

namespace {

constexpr int Runs = 51;
constexpr int LoadedRuns = 11;
constexpr int BareReports = 131;

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Keeps every core busy while it lives; each busy thread also stops by itself at the
// deadline, so that no load outlives a benchmark that goes wrong.
class BusyCores {
public:
    explicit BusyCores(Clock::duration limit) : deadline_(Clock::now() + limit)
    {
        cpu_set_t allowed;
        CPU_ZERO(&allowed);
        sched_getaffinity(0, sizeof allowed, &allowed);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
            if (!CPU_ISSET(cpu, &allowed)) {
                continue;
            }
            // One busy thread on each core, held there: the scheduler cannot make room by
            // putting two of them on one core.
            threads_.emplace_back([cpu, deadline = deadline_](const std::stop_token &stop) {
                cpu_set_t one;
                CPU_ZERO(&one);
                CPU_SET(cpu, &one);
                sched_setaffinity(0, sizeof one, &one);
                while (!stop.stop_requested() && Clock::now() < deadline) {
                }
            });
        }
    }
    // Whether the load ended before it was asked to.
    [[nodiscard]] bool Expired() const { return Clock::now() >= deadline_; }

private:
    Clock::time_point deadline_;
    std::vector<std::jthread> threads_; // stopped and joined when the object goes
};

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
    [[nodiscard]] TDateTime ClockValueToSet() override { return 40000.5; }
    void Identified(const DeviceIdentity & /*identity*/) override {}
    void DownloadDone() override { loop_.quit(); }
    void ReadDone(const ScheduleModel &read) override
    {
        model_ = read;
        loop_.quit();
    }
    void ClockRead(TDateTime /*date*/, TDateTime /*time*/) override { loop_.quit(); }
    void Failed(ExchangeFailure reason, int detail) override
    {
        std::cerr << "exchange failed: " << static_cast<int>(reason) << ' ' << detail << '\n';
        loop_.quit();
    }

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
    Port1Comms reader(device, open, receiver, [&](const Report & /*report*/) {
        if (++handled == BareReports) {
            loop.quit();
        }
    });
    const auto start = Clock::now();
    reader.Start();
    loop.exec();
    const auto elapsed = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    reader.Stop();
    return elapsed / BareReports;
}

struct Figures {
    double Bare = 0;
    double Download = 0;
    double Read = 0;
};

// The medians of `runs` downloads, reads and bare loops, in microseconds per round trip.
Figures Measure(int runs, DeviceExchange &exchange, QEventLoop &loop)
{
    std::vector<double> download;
    std::vector<double> read;
    std::vector<double> bare;
    const ScheduleModel schedule{};
    for (int run = 0; run < runs; ++run) {
        auto start = Clock::now();
        exchange.StartDownload(schedule);
        loop.exec();
        download.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / 133);
        start = Clock::now();
        exchange.StartRead();
        loop.exec();
        read.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / 131);
        bare.push_back(BareHandOver());
    }
    return {Median(bare), Median(download), Median(read)};
}

void Print(const char *title, int runs, const Figures &figures)
{
    std::cout << std::fixed << std::setprecision(2) << title << ", median of " << runs
              << " runs, microseconds per round trip\n"
              << "  bare hand-over           " << figures.Bare << '\n'
              << "  download (133 requests)  " << figures.Download << "  ratio " << figures.Download / figures.Bare
              << '\n'
              << "  read (131 requests)      " << figures.Read << "  ratio " << figures.Read / figures.Bare << '\n';
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
    DeviceLink link(backend, receiver, [&](const Report &report) { exchange.ReportReceived(report); });
    host.Attach(link);
    if (link.OpenDeviceLink().Outcome != LinkOutcome::Open) {
        std::cerr << "the simulated KORVELT did not open\n";
        return 1;
    }

    Print("idle machine", Runs, Measure(Runs, exchange, loop));
    const BusyCores load(std::chrono::minutes(2));
    const Figures loaded = Measure(LoadedRuns, exchange, loop);
    Print("every core busy", LoadedRuns, loaded);
    if (load.Expired()) {
        std::cout << "  (the load ended before the measurement did: these figures are partly unloaded)\n";
    }
    return 0;
}
