// The printed report of a full schedule (every slot of all sixteen outputs used, special slots
// too) made as a PDF in memory, as "Export PDF…" and `korveltctl report` make it. Prints the
// pages, the size and the median time of a number of runs.

#include "report/ScheduleReport.h"

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Runs = 20;

ScheduleModel FullSchedule()
{
    ScheduleModel model;
    for (std::size_t o = 0; o < OutputCount; ++o) {
        for (std::size_t s = 0; s < SlotCount; ++s) {
            TimeSlot &slot = model.NormalTimes.at(o).at(s);
            slot.Start = (static_cast<double>(s) + 0.25) / 24.0;
            slot.End = (static_cast<double>(s) + 1.0) / 24.0;
            slot.Days.at((o + s) % DayCount) = 1;
            slot.Days.at((o + s + 3) % DayCount) = 1;
            TimeSlot &special = model.SpecialTimes.at(o).at(s);
            special.Start = slot.Start;
            special.End = (static_cast<double>(s) + 0.5) / 24.0;
        }
    }
    return model;
}

} // namespace

int main(int argc, char *argv[])
{
    const QGuiApplication app(argc, argv);
    ReportSource source;
    source.Model = FullSchedule();
    source.FileName = QStringLiteral("full.dat");
    source.Printed = QDateTime::currentDateTime();
    source.Locale = QLocale(QLocale::English, QLocale::UnitedKingdom);

    using Clock = std::chrono::steady_clock;
    std::vector<double> times;
    QByteArray pdf;
    for (int run = 0; run < Runs; ++run) {
        const auto start = Clock::now();
        pdf = ScheduleReportPdf(source);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::cout << std::fixed << std::setprecision(1) << "PDF report of a full 16-output schedule: " << pdf.size() / 1024
              << " KiB; median " << times.at(times.size() / 2) << " ms, fastest " << times.front() << " ms, slowest "
              << times.back() << " ms over " << Runs << " runs\n";
    return 0;
}
