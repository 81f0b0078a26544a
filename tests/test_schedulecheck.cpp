// The schedule check: each mistake and note with its line, and what it leaves alone.

#include "text/CheckText.h"
#include "TestSchedules.h"

#include <QTest>

#include <functional>
#include <limits>

using namespace korvelt;
using korvelt::testing::DateOf;
using korvelt::testing::TimeOf;

using Edit = std::function<void(ScheduleModel &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// A slot of a normal table, on the days given Sunday first ("0111110": Monday to Friday).
void SetSlot(TimeSlot &slot, TDateTime start, TDateTime end, const char *days = "0000000")
{
    slot.Start = start;
    slot.End = end;
    for (std::size_t d = 0; d < slot.Days.size(); ++d) {
        slot.Days.at(d) = days[d] == '1' ? 1 : 0;
    }
}

// Every special date in the future, so that only the edit's notes are left.
void ComingDates(ScheduleModel &m)
{
    for (int k = 0; k < SpecialDateCount; ++k) {
        m.SpecialDates.at(static_cast<std::size_t>(k)) = DateOf(2027, 1, 1 + k);
    }
}

} // namespace

class TestScheduleCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Each row: an edit of a schedule whose special dates all lie ahead, the lines the check
    // gives, and how many of them are mistakes. Today is 6 December 2026.
    void Findings_data() // clang-format off
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("mistakes");
        const auto h = [](int hour, int minute = 0) { return TimeOf(hour, minute, 0); };

        QTest::newRow("defaults: notes only")
            << Edit([](ScheduleModel &m) { m.SpecialDates = ScheduleModel::DefaultSpecialDates(); })
            << (QStringList{"Special date 1 (01/11/2009) is in the past."} +
                [] {
                    QStringList repeated;
                    for (int k = 2; k <= 16; ++k) {
                        repeated << QStringLiteral("Special date %1 (01/11/2009) is the same as special date 1.").arg(k);
                    }
                    return repeated;
                }())
            << 0;
        QTest::newRow("unused slots, a shop week, touching slots") << Edit([h](ScheduleModel &m) {
            SetSlot(m.NormalTimes[0][0], h(7, 30), h(20), "0111111");
            SetSlot(m.NormalTimes[0][1], h(6), h(7, 30), "0111111");
            SetSlot(m.NormalTimes[0][2], h(9), h(9)); // unused: no days, start equal to end
            SetSlot(m.NormalTimes[1][0], h(9), h(12), "1000000");
            SetSlot(m.SpecialTimes[1][0], h(10), h(14));
            SetSlot(m.SpecialTimes[1][1], h(14), h(14), "1111111"); // unused: its days are not shown
        }) << QStringList{} << 0;
        QTest::newRow("end before start") << Edit([h](ScheduleModel &m) {
            SetSlot(m.NormalTimes[1][2], h(22), h(6), "0000011");
            SetSlot(m.SpecialTimes[3][0], h(23), h(1));
        }) << QStringList{"Output 2, Normal Times slot 3: ends at 06:00:00, before it starts at 22:00:00.",
                          "Output 4, Special Times slot 1: ends at 01:00:00, before it starts at 23:00:00."}
                                           << 2;
        QTest::newRow("start equal to end with days")
            << Edit([h](ScheduleModel &m) {
                   SetSlot(m.NormalTimes[15][14], h(9), h(9), "1111101");
                   SetSlot(m.NormalTimes[15][15], h(8), h(8), "1000001");
               })
            << QStringList{"Output 16, Normal Times slot 15: starts and ends at 09:00:00 on Mon to Thur Sat Sun.",
                           "Output 16, Normal Times slot 16: starts and ends at 08:00:00 on Sat Sun."}
            << 2;
        QTest::newRow("times without days")
            << Edit([h](ScheduleModel &m) { SetSlot(m.NormalTimes[0][4], h(8), h(17)); })
            << QStringList{"Output 1, Normal Times slot 5: 08:00:00 to 17:00:00, but no day is On."} << 1;
        QTest::newRow("overlaps on common days only") << Edit([h](ScheduleModel &m) {
            SetSlot(m.NormalTimes[2][0], h(8), h(12), "0111110");
            SetSlot(m.NormalTimes[2][1], h(11), h(13), "0000111");
            SetSlot(m.NormalTimes[2][2], h(10), h(11), "1000001"); // other days
            SetSlot(m.SpecialTimes[2][0], h(8), h(12));
            SetSlot(m.SpecialTimes[2][3], h(7), h(9));
        }) << QStringList{"Output 3, Normal Times slot 2 (11:00:00 to 13:00:00) overlaps slot 1 on Thur Fri.",
                          "Output 3, Special Times slot 4 (07:00:00 to 09:00:00) overlaps slot 1."}
                                                       << 2;
        QTest::newRow("duplicates, not also overlaps") << Edit([h](ScheduleModel &m) {
            SetSlot(m.NormalTimes[4][0], h(8), h(12), "0100000");
            SetSlot(m.NormalTimes[4][6], h(8), h(12), "0100000");
            SetSlot(m.NormalTimes[5][1], h(8), h(12), "0100000");
            SetSlot(m.SpecialTimes[4][2], h(8), h(12));
            SetSlot(m.SpecialTimes[4][5], h(8), h(12));
        }) << QStringList{"Output 5, Normal Times slot 7 (08:00:00 to 12:00:00) is the same as slot 1.",
                          "Output 5, Special Times slot 6 (08:00:00 to 12:00:00) is the same as slot 3."}
                                                        << 2;
        QTest::newRow("fractions of a second, date part, not a number") << Edit([h](ScheduleModel &m) {
            SetSlot(m.NormalTimes[6][0], TimeOf(8, 0, 0, 500), h(9), "0100000");
            SetSlot(m.NormalTimes[6][1], h(10), DateOf(2026, 1, 1) + h(11), "0100000");
            m.SpecialTimes[6][3].End = std::numeric_limits<double>::quiet_NaN();
        }) << QStringList{"Output 7, Normal Times slot 2: the End time is not a time of day.",
                          "Output 7, Special Times slot 4: the End time is not a time of day.",
                          "Output 7, Normal Times slot 1: the Start time has fractions of a second; "
                          "the KORVELT keeps whole seconds."}
                                                                           << 3;
        QTest::newRow("past and repeated dates; special slots with nothing coming") << Edit([h](ScheduleModel &m) {
            // One date at 18:00: the same day as the others, and a time the KORVELT cannot keep.
            m.SpecialDates.fill(DateOf(2026, 12, 5));
            m.SpecialDates[0] = DateOf(2026, 12, 5) + h(18);
            m.SpecialDates[3] = DateOf(2026, 1, 1);
            SetSlot(m.SpecialTimes[8][4], h(8), h(12));
            SetSlot(m.SpecialTimes[8][5], h(13), h(14));
        }) << [] {
            QStringList lines{"Special date 1 (05/12/2026 18:00:00) carries a time of day; the KORVELT keeps only the date.",
                              "Special date 1 (05/12/2026) is in the past.",
                              "Special date 2 (05/12/2026) is the same as special date 1.",
                              "Special date 3 (05/12/2026) is the same as special date 1.",
                              "Special date 4 (01/01/2026) is in the past."};
            for (int k = 5; k <= 16; ++k) {
                lines << QStringLiteral("Special date %1 (05/12/2026) is the same as special date 1.").arg(k);
            }
            return lines << "Output 9, Special Times: slots are set, but no special date is today or later.";
        }() << 1;
        QTest::newRow("today counts as coming") << Edit([h](ScheduleModel &m) {
            m.SpecialDates.fill(DateOf(2026, 12, 6));
            m.SpecialDates[1] = DateOf(2030, 1, 1);
            SetSlot(m.SpecialTimes[0][0], h(8), h(12));
        }) << [] {
            QStringList lines;
            for (int k = 3; k <= 16; ++k) {
                lines << QStringLiteral("Special date %1 (06/12/2026) is the same as special date 1.").arg(k);
            }
            return lines;
        }() << 0;
    } // clang-format on
    void Findings()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, lines);
        QFETCH(int, mistakes);
        ScheduleModel model;
        ComingDates(model);
        edit(model);
        const std::vector<ScheduleFinding> found = CheckSchedule(model, DateOf(2026, 12, 6) + TimeOf(23, 14, 29));
        QStringList texts;
        int mistakesFound = 0;
        for (const ScheduleFinding &finding : found) {
            texts << FindingText(finding);
            mistakesFound += IsMistake(finding) ? 1 : 0;
        }
        QCOMPARE(texts, lines);
        QCOMPARE(mistakesFound, mistakes);
    }
};

QTEST_GUILESS_MAIN(TestScheduleCheck)
#include "test_schedulecheck.moc"
