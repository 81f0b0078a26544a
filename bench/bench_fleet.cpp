// `korveltctl write --all` as an installer runs it, against simulated KORVELTs that answer
// each request after 1 ms: eight and 32 devices against one. A lock-step exchange leaves the
// host idle while it waits for each reply, so the sessions on the one event loop should take
// about as long as one. Prints the medians and their ratios to one.

#include "text/DataFile.h"
#include "cli/Korveltctl.h"
#include "simulator/SimulatedHidBackend.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Runs = 7;
constexpr std::array<int, 2> Fleets{8, 32};

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The median time of a verified write to `devices` simulated KORVELTs; negative when a run fails.
double WriteAll(int devices, const QString &file)
{
    SimulatedHidBackend backend;
    for (int i = 0; i < devices; ++i) {
        backend.AddKorvelt()->SetReplyDelay(std::chrono::milliseconds(1));
    }
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QByteArray out;
        QString err;
        QBuffer outBuffer(&out);
        outBuffer.open(QIODevice::WriteOnly);
        QTextStream errStream(&err);
        const Clock::time_point start = Clock::now();
        const int exit =
            RunKorveltctl({QStringLiteral("write"), file, QStringLiteral("--all")}, backend, outBuffer, errStream);
        times.push_back(Milliseconds(Clock::now() - start).count());
        // One line per device, and the summary after them.
        if (exit != ExitOk || out.count(": written and verified\n") != devices) {
            std::cerr << "run failed: " << err.toStdString();
            return -1;
        }
    }
    std::sort(times.begin(), times.end());
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
    const double one = WriteAll(1, file);
    if (one < 0) {
        return 1;
    }
    std::cout << std::fixed << std::setprecision(1) << "write --all with read-back, 1 ms reply delay, median of "
              << Runs << " runs\n"
              << "  one device     " << one << " ms\n";
    for (const int fleet : Fleets) {
        const double many = WriteAll(fleet, file);
        if (many < 0) {
            return 1;
        }
        std::cout << std::setprecision(1) << "  " << std::setw(2) << fleet << " devices     " << many << " ms, "
                  << std::setprecision(2) << many / one << " times one (goal: at most 1.3)\n";
    }
    return 0;
}
