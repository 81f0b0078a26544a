// The week picture drawn whole, as the window redraws it after each edit: every output with
// all sixteen slots in use on every day (some overnight, some marks), into an image of the
// page's size. Prints the median time of one draw over many, and the longest.

#include "app/WeekView.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Rounds = 20;
constexpr int DrawsPerRound = 50;

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// Sixteen slots on every output, on every day: short bars through the day, the last one of
// each output overnight and one a mark.
ScheduleModel FullSchedule()
{
    ScheduleModel model;
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            TimeSlot &slot = model.NormalTimes.at(static_cast<std::size_t>(o)).at(static_cast<std::size_t>(s));
            slot.Start = (s + 0.2 + o * 0.03) / 24;
            slot.End = s == SlotCount - 1 ? 5.0 / 24 : (s == 7 ? slot.Start : (s + 0.9) / 24);
            slot.Days.fill(1);
        }
    }
    return model;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    const ScheduleModel model = FullSchedule();
    QImage image(780, 300, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> perDraw;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = Clock::now();
        for (int draw = 0; draw < DrawsPerRound; ++draw) {
            image.fill(Qt::white);
            QPainter painter(&image);
            PaintWeek(painter, QRectF(image.rect()), model);
        }
        perDraw.push_back(Milliseconds(Clock::now() - start).count() / DrawsPerRound);
    }
    std::sort(perDraw.begin(), perDraw.end());
    std::cout << std::fixed << std::setprecision(3) << "week picture, 16 outputs x 16 slots x 7 days, " << image.width()
              << "x" << image.height() << ": " << perDraw.at(perDraw.size() / 2) << " ms per draw (median of " << Rounds
              << " rounds of " << DrawsPerRound << "), slowest round " << perDraw.back() << " ms\n";
    return 0;
}
