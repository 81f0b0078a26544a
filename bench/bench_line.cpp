// `korveltctl write --watch` on the production line, against simulated KORVELTs that answer
// each request after 1 ms: eight plugged in together against one, and how long from the plug
// to the unit's first request. The units that arrive at one look are written at once, so
// eight should take about as long as one. Prints the medians and their ratio.

#include "text/DataFile.h"
#include "cli/Korveltctl.h"
#include "simulator/SimulatedHidBackend.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Runs = 7;
constexpr int Units = 8;

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

struct LineTimes {
    double Whole = -1;      // from the plug to the end of the last unit's write
    double FirstAsked = -1; // from the plug to the first request a unit had
};

// The medians of `units` plugged in together, written and verified with --watch --count.
LineTimes Line(int units, const QString &file)
{
    std::vector<double> whole;
    std::vector<double> asked;
    for (int run = 0; run < Runs; ++run) {
        SimulatedHidBackend backend;
        std::vector<std::shared_ptr<SimulatedKorvelt>> devices;
        for (int i = 0; i < units; ++i) {
            devices.push_back(backend.AddKorvelt());
            devices.back()->SetReplyDelay(std::chrono::milliseconds(1));
            devices.back()->Unplug();
        }
        Clock::time_point plugged;
        CtlOptions options;
        options.WatchIntervalMs = 250; // as on the line
        options.WatchPolled = [&](int poll) {
            if (poll == 1) { // a look after the watch began, as a unit arrives between looks
                for (const auto &device : devices) {
                    device->PlugIn();
                }
                plugged = Clock::now();
            }
        };
        // Watched from a thread of its own: the first request to any unit.
        std::atomic<bool> running{true};
        Clock::time_point first{};
        std::thread watcher([&] {
            while (running) {
                if (first == Clock::time_point{} && devices.front()->RequestCount() > 0) {
                    first = Clock::now();
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
        QByteArray out;
        QString err;
        QBuffer outBuffer(&out);
        outBuffer.open(QIODevice::WriteOnly);
        QTextStream errStream(&err);
        const int exit = RunKorveltctl({QStringLiteral("write"), file, QStringLiteral("--watch"),
                                        QStringLiteral("--count"), QString::number(units), QStringLiteral("--quiet")},
                                       backend, outBuffer, errStream, options);
        const Clock::time_point end = Clock::now();
        running = false;
        watcher.join();
        if (exit != ExitOk) {
            std::cerr << "run failed: " << err.toStdString();
            return {};
        }
        whole.push_back(Milliseconds(end - plugged).count());
        asked.push_back(Milliseconds(first - plugged).count());
    }
    std::ranges::sort(whole);
    std::ranges::sort(asked);
    return {whole.at(whole.size() / 2), asked.at(asked.size() / 2)};
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.dat"));
    if (!SaveDataFile(file.toStdString(), ScheduleModel{})) {
        return 1;
    }
    const LineTimes one = Line(1, file);
    const LineTimes many = Line(Units, file);
    if (one.Whole < 0 || many.Whole < 0) {
        return 1;
    }
    std::cout << std::fixed << std::setprecision(1)
              << "write --watch with read-back, 1 ms reply delay, plugged in between looks, median of " << Runs
              << " runs\n"
              << "  one unit      " << one.Whole << " ms from the plug, first request after " << one.FirstAsked
              << " ms\n"
              << "  " << Units << " units       " << many.Whole << " ms from the plug, first request after "
              << many.FirstAsked << " ms, " << std::setprecision(2) << many.Whole / one.Whole
              << " times one (goal: at most 1.3)\n";
    return 0;
}
