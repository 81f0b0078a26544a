// `korveltctl write --watch` on the production line, against simulated KORVELTs that answer
// each request after 1 ms: eight plugged in together against one, and how long from the plug
// to the unit's first request. Each unit is started as soon as a look finds it and ends on
// its own, so eight should take about as long as one. Prints the medians and their ratio,
// and how long a unit plugged in beside a dead one takes.

#include "text/DataFile.h"
#include "cli/Korveltctl.h"
#include "simulator/SimulatedFault.h"
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

// The median time from the plug to a good unit's last request, plugged in one look after a
// unit that falls silent at its 12th request (which waits out its 2 s time-out meanwhile).
double BesideDead(const QString &file)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        SimulatedHidBackend backend;
        const std::shared_ptr<SimulatedKorvelt> dead = backend.AddKorvelt();
        const std::shared_ptr<SimulatedKorvelt> good = backend.AddKorvelt();
        for (const auto &device : {dead, good}) {
            device->SetReplyDelay(std::chrono::milliseconds(1));
            device->Unplug();
        }
        dead->InjectFault(SimulatedFault::FallSilent, 11);
        Clock::time_point plugged;
        CtlOptions options;
        options.WatchIntervalMs = 250;
        options.WatchPolled = [&](int poll) {
            if (poll == 1) {
                dead->PlugIn();
            } else if (poll == 2) {
                good->PlugIn();
                plugged = Clock::now();
            }
        };
        std::atomic<bool> running{true};
        Clock::time_point done{};
        std::thread watcher([&] {
            while (running) {
                if (done == Clock::time_point{} && good->RequestCount() >= 264) {
                    done = Clock::now();
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString err;
        QTextStream errStream(&err);
        (void)RunKorveltctl({QStringLiteral("write"), file, QStringLiteral("--watch"), QStringLiteral("--count"),
                             QStringLiteral("2"), QStringLiteral("--quiet")},
                            backend, out, errStream, options);
        running = false;
        watcher.join();
        times.push_back(Milliseconds(done - plugged).count());
    }
    std::ranges::sort(times);
    return times.at(times.size() / 2);
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
              << " times one (goal: at most 1.3)\n"
              << std::setprecision(1) << "  beside a dead unit  " << BesideDead(file)
              << " ms from the plug to its last request\n";
    return 0;
}
