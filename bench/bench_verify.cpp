// A whole write with its read-back, as the window runs it: through the device session, the
// real reader thread and the hand-over to the main thread's event loop, against a simulated
// KORVELT that answers each request after 1 ms, as a KORVELT on full-speed USB does. Prints
// the total, the device's own time (264 replies of 1 ms), their ratio, and the longest stall
// of the main thread meanwhile, twice: the longest gap between two ticks of a 1 ms timer, which
// the event loop serves whenever it is not busy with the exchange (the operating system's
// scheduling included), and the longest the thread went from waking up to waiting again.

#include "device/DeviceSession.h"
#include "simulator/SimulatedHidBackend.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Runs = 15;
constexpr auto ReplyDelay = std::chrono::milliseconds(1);

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// A schedule unlike the factory's, so that the read-back compares real contents.
ScheduleModel Schedule()
{
    ScheduleModel model;
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            TimeSlot &slot = model.NormalTimes.at(o).at(s);
            slot.Start = (o * SlotCount + s) / 1440.0;
            slot.End = slot.Start + 1 / 1440.0;
            slot.Days.at(s % DayCount) = 1;
        }
    }
    return model;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    SimulatedHidBackend backend;
    backend.AddKorvelt()->SetReplyDelay(ReplyDelay);
    DeviceSession session(backend);
    QEventLoop loop;
    bool verified = false;
    QObject::connect(&session, &DeviceSession::DownloadDone, [&](bool matched) {
        verified = matched;
        loop.quit();
    });
    QObject::connect(&session, &DeviceSession::Failed, [&](const SessionError &error) {
        std::cerr << "the write failed: " << static_cast<int>(error.Reason) << ' ' << error.Block << '\n';
        loop.quit();
    });

    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    Clock::time_point lastTick;
    double longestGap = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        longestGap = std::max(longestGap, Milliseconds(now - lastTick).count());
        lastTick = now;
    });

    // The longest stretch the main thread spent between waking up and waiting again.
    Clock::time_point woke = Clock::now();
    double longestBusy = 0;
    QAbstractEventDispatcher *const dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, [&] { woke = Clock::now(); });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock,
                     [&] { longestBusy = std::max(longestBusy, Milliseconds(Clock::now() - woke).count()); });

    const ScheduleModel model = Schedule();
    const int requests = DeviceExchange::RequestCount(ProtocolState::WriteIdentify) +
                         DeviceExchange::RequestCount(ProtocolState::ReadIdentify);
    const double deviceMs = requests * Milliseconds(ReplyDelay).count();
    std::vector<double> totals;
    std::vector<double> gaps;
    std::vector<double> busy;
    for (int run = 0; run < Runs; ++run) {
        verified = false;
        longestGap = 0;
        longestBusy = 0;
        lastTick = Clock::now();
        tick.start();
        const Clock::time_point start = Clock::now();
        session.StartDownload(model, true);
        loop.exec();
        totals.push_back(Milliseconds(Clock::now() - start).count());
        tick.stop();
        gaps.push_back(longestGap);
        busy.push_back(longestBusy);
        if (!verified) {
            return 1;
        }
    }
    const double total = Median(totals);
    std::cout << std::fixed << std::setprecision(2) << "write and read-back, " << requests << " requests, median of "
              << Runs << " runs\n"
              << "  total                    " << total << " ms (fastest " << *std::ranges::min_element(totals) << ")\n"
              << "  the device's own time    " << deviceMs << " ms\n"
              << "  ratio                    " << std::setprecision(3) << total / deviceMs << '\n'
              << std::setprecision(2) << "  per request beyond 1 ms  " << (total - deviceMs) * 1000 / requests
              << " us\n"
              << "  longest main-thread gap  " << Median(gaps) << " ms (median of the runs), "
              << *std::ranges::max_element(gaps) << " ms (worst run), with a 1 ms timer\n"
              << "  longest busy stretch     " << Median(busy) * 1000 << " us (median of the runs), "
              << *std::ranges::max_element(busy) * 1000 << " us (worst run), from waking to waiting again\n";
    return 0;
}
