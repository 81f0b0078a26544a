// Change tracking, the values a download refuses, and what tells two schedules apart.

#include "core/ScheduleDifference.h"
#include "core/ScheduleSnapshot.h"
#include "core/SendCheck.h"
#include "TestSchedules.h"

#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

using namespace korvelt;
using korvelt::testing::DateOf;

using Edit = std::function<void(ScheduleModel &)>;
using Found = std::vector<UnsendableValue>;
using DifferenceList = std::vector<ScheduleDifference>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Found)
Q_DECLARE_METATYPE(DifferenceList)

class TestScheduleModel : public QObject {
    Q_OBJECT

private slots:
    // A schedule differs from its snapshot as soon as one bit of one field does, shown in a
    // control or not. (The snapshot is the file image, whose every field test_datafile pins.)
    void ChangedMeansExactBits_data()
    {
        QTest::addColumn<double>("before"); // SpecialTimes[9][2].End
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("changed");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const auto setEnd = [](double value) {
            return Edit([value](ScheduleModel &m) { m.SpecialTimes[9][2].End = value; });
        };
        QTest::newRow("same value") << 0.5 << setEnd(0.5) << false;
        QTest::newRow("nan stays nan") << nan << setEnd(nan) << false;
        QTest::newRow("negative zero") << 0.0 << setEnd(-0.0) << true;
        QTest::newRow("smallest step") << 0.5 << setEnd(std::nextafter(0.5, 1.0)) << true;
        QTest::newRow("a special day, shown nowhere")
            << 0.5 << Edit([](ScheduleModel &m) { m.SpecialTimes[0][0].Days[3] = 1; }) << true;
    }
    void ChangedMeansExactBits()
    {
        QFETCH(double, before);
        QFETCH(Edit, edit);
        QFETCH(bool, changed);
        ScheduleModel model;
        model.SpecialTimes[9][2].End = before;
        const ScheduleSnapshot snapshot(model);
        QVERIFY(!snapshot.Differs(model));
        edit(model);
        QCOMPARE(snapshot.Differs(model), changed);
    }

    // Only what the device can hold goes out: every other value is named with its place, in
    // the order a download sends them. Times are times of day; dates lie in 2000..2255.
    void UnsendableValues_data() // clang-format off
    {
        using F = UnsendableValue::Field;
        QTest::addColumn<Edit>("edit"); // of a schedule the device can hold
        QTest::addColumn<Found>("found");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        const auto times = [](double start, double end) {
            return Edit([start, end](ScheduleModel &m) {
                m.NormalTimes[2][4].Start = start;
                m.SpecialTimes[15][0].End = end;
            });
        };
        const auto dates = [](double first, double last) {
            return Edit([first, last](ScheduleModel &m) {
                m.SpecialDates[0] = first;
                m.SpecialDates[15] = last;
            });
        };
        const Found bothTimes{{F::NormalStart, 2, 4}, {F::SpecialEnd, 15, 0}};
        const Found bothDates{{F::SpecialDate, -1, 0}, {F::SpecialDate, -1, 15}};
        QTest::newRow("the first and last of each") << Edit([](ScheduleModel &m) {
            m.NormalTimes[2][4].Start = 0.0;
            m.SpecialTimes[15][0].End = 86'399'999.0 / MSecsPerDay;
            m.SpecialDates[0] = DateOf(2000, 1, 1);
            m.SpecialDates[15] = DateOf(2255, 12, 31) + 0.75;
            m.DaylightSaving = DaylightSavingRule{0, 0, WeekItemCount - 1, MonthItemCount - 1, 0};
        }) << Found{};
        QTest::newRow("not a number, infinite") << times(nan, inf) << bothTimes;
        QTest::newRow("negative, a whole day") << times(-0.25, 1.0) << bothTimes;
        QTest::newRow("with a date, rounds to a day") << times(40118.25, 86'399'999.6 / MSecsPerDay) << bothTimes;
        // Values beyond every date: the largest 32-bit count and the largest double.
        QTest::newRow("beyond every date") << times(2147483647.0, std::numeric_limits<double>::max()) << bothTimes;
        QTest::newRow("a day early, a day late") << dates(DateOf(1999, 12, 31), DateOf(2256, 1, 1)) << bothDates;
        QTest::newRow("zero, not a number") << dates(0.0, nan) << bothDates;
        QTest::newRow("the rule, in sending order") << Edit([nan](ScheduleModel &m) {
            m.DaylightSaving = DaylightSavingRule{0, -1, WeekItemCount, MonthItemCount, -1};
            m.NormalTimes[0][0].End = nan;
            m.SpecialDates[3] = nan;
        }) << Found{{F::AdvanceWeek}, {F::AdvanceMonth}, {F::RetardWeek}, {F::RetardMonth},
                    {F::SpecialDate, -1, 3}, {F::NormalEnd, 0, 0}};
    } // clang-format on
    void UnsendableValues()
    {
        QFETCH(Edit, edit);
        QFETCH(Found, found);
        ScheduleModel model = testing::DistinctSchedule();
        edit(model);
        QVERIFY(FindUnsendableValues(model) == found);
    }

    // Two schedules differ where the device would hold something else, in sending order.
    void SchedulesDiffer_data() // clang-format off
    {
        using P = ScheduleDifference::Part;
        QTest::addColumn<Edit>("edit"); // of the second schedule
        QTest::addColumn<DifferenceList>("found");
        QTest::newRow("what the device cannot tell apart") << Edit([](ScheduleModel &m) {
            m.NormalTimes[3][7].Start += 0.4 / 86'400; // 400 milliseconds
            m.SpecialTimes[0][1].End += 40118.0;       // a date part
        }) << DifferenceList{};
        QTest::newRow("each part") << Edit([](ScheduleModel &m) {
            m.SpecialTimes[15][15].Days[6] ^= 1;
            m.NormalTimes[2][9].End += 1.0 / 86'400;
            m.SpecialDates[4] += 1.0;
            m.DaylightSaving.RetardMonth = 0;
        }) << DifferenceList{{P::DaylightSaving}, {P::SpecialDate, -1, 4}, {P::NormalSlot, 2, 9}, {P::SpecialSlot, 15, 15}};
    } // clang-format on
    void SchedulesDiffer()
    {
        QFETCH(Edit, edit);
        QFETCH(DifferenceList, found);
        ScheduleModel other = testing::DistinctSchedule();
        edit(other);
        QVERIFY(CompareSchedules(testing::DistinctSchedule(), other) == found);
    }

    // An output's timetable copied to others replaces theirs, slot for slot, days included;
    // the source, numbers that are no output and the other timetable stay as they were.
    void CopyingAnOutput_data() // clang-format off
    {
        QTest::addColumn<bool>("special");
        QTest::addColumn<int>("from");
        QTest::addColumn<std::vector<int>>("to");
        QTest::addColumn<std::vector<int>>("changed");
        QTest::newRow("normal, two") << false << 2 << std::vector{0, 15} << std::vector{0, 15};
        QTest::newRow("special, every other") << true << 0 << std::vector{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}
                                              << std::vector{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        QTest::newRow("twice, out of range") << false << 7 << std::vector{4, 4, -1, 16} << std::vector{4};
        QTest::newRow("no such source") << true << 16 << std::vector{1, 2} << std::vector<int>{};
    } // clang-format on
    void CopyingAnOutput()
    {
        QFETCH(bool, special);
        QFETCH(int, from);
        QFETCH(std::vector<int>, to);
        QFETCH(std::vector<int>, changed);
        const ScheduleModel before = testing::DistinctSchedule();
        ScheduleModel model = before;
        QCOMPARE(CopyOutputTimes(model, special ? TimesTable::Special : TimesTable::Normal, from, to),
                 static_cast<int>(changed.size()));
        ScheduleModel expected = before;
        SlotTable &table = special ? expected.SpecialTimes : expected.NormalTimes;
        for (const int output : changed) {
            table.at(output) = table.at(from);
        }
        QVERIFY(testing::SameSchedule(model, expected));
        QVERIFY(changed.empty() || !testing::SameSchedule(model, before));
    }
};

QTEST_GUILESS_MAIN(TestScheduleModel)
#include "test_schedulemodel.moc"
