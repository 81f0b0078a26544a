#include "SlotPacking.h"
#include "TestSchedules.h"

#include <QTest>

#include <algorithm>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

std::array<std::uint8_t, PackedSlotSize> Packed(const QByteArray &bytes)
{
    std::array<std::uint8_t, PackedSlotSize> packed{};
    std::copy_n(bytes.begin(), PackedSlotSize, packed.begin());
    return packed;
}

std::array<std::uint8_t, DayCount> DaysOf(const QByteArray &flags)
{
    std::array<std::uint8_t, DayCount> days{};
    std::copy_n(flags.begin(), DayCount, days.begin());
    return days;
}

} // namespace

class TestPacking : public QObject {
    Q_OBJECT

private slots:
    void EncodeSlotBytes_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QByteArray>("days"); // the seven flags, Sunday first
        QTest::addColumn<QByteArray>("packed");
        const QByteArray none(7, 0);
        QTest::newRow("Monday and Friday") << TimeOf(8, 30, 15) << TimeOf(17, 0, 0) << Bytes({0, 1, 0, 0, 0, 1, 0})
                                           << Bytes({0x22, 8, 30, 15, 17, 0, 0});
        QTest::newRow("all seven days") << TimeOf(0, 0, 0) << TimeOf(23, 59, 59) << Bytes({1, 1, 1, 1, 1, 1, 1})
                                        << Bytes({0x7F, 0, 0, 0, 23, 59, 59});
        QTest::newRow("Sunday is bit 0") << 0.5 << 0.5 << Bytes({1, 0, 0, 0, 0, 0, 0}) << Bytes({0x01, 12, 0, 0, 12, 0, 0});
        QTest::newRow("Saturday is bit 6") << 0.5 << 0.5 << Bytes({0, 0, 0, 0, 0, 0, 1}) << Bytes({0x40, 12, 0, 0, 12, 0, 0});
        QTest::newRow("any non-zero flag is on") << 0.5 << 0.5 << Bytes({2, 0, 0, 0xFF, 0, 0, 0})
                                                 << Bytes({0x09, 12, 0, 0, 12, 0, 0});
        QTest::newRow("milliseconds dropped") << TimeOf(8, 30, 15, 900) << TimeOf(9, 0, 59, 999) << none
                                              << Bytes({0, 8, 30, 15, 9, 0, 59});
        QTest::newRow("default slot") << 0.5 << 0.5 << none << Bytes({0x00, 12, 0, 0, 12, 0, 0});
        QTest::newRow("date part ignored") << 40118.25 << 40118.0 << none << Bytes({0, 6, 0, 0, 0, 0, 0});
    }
    void EncodeSlotBytes()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QByteArray, days);
        QFETCH(QByteArray, packed);
        const TimeSlot slot{start, end, DaysOf(days)};
        std::array<std::uint8_t, SlotFieldSize> field{};
        field.fill(0xAA);
        EncodeSlot(slot, PackedSlot(field.data(), PackedSlotSize));
        QCOMPARE(Bytes(field, 0, PackedSlotSize), packed);
        QCOMPARE(Bytes(field, PackedSlotSize, SlotFieldSize - PackedSlotSize), QByteArray(5, char(0xAA)));
    }

    void DecodeSlotBytes_data()
    {
        QTest::addColumn<QByteArray>("packed");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QByteArray>("days");
        QTest::newRow("Monday and Friday") << Bytes({0x22, 8, 30, 15, 17, 0, 0}) << TimeOf(8, 30, 15) << TimeOf(17, 0, 0)
                                           << Bytes({0, 1, 0, 0, 0, 1, 0});
        QTest::newRow("0xFF sets all seven days") << Bytes({0xFF, 0, 0, 0, 23, 59, 59}) << 0.0 << TimeOf(23, 59, 59)
                                                  << Bytes({1, 1, 1, 1, 1, 1, 1});
        QTest::newRow("bit 7 ignored") << Bytes({0x80, 1, 2, 3, 4, 5, 6}) << TimeOf(1, 2, 3) << TimeOf(4, 5, 6)
                                       << QByteArray(7, 0);
    }
    void DecodeSlotBytes()
    {
        QFETCH(QByteArray, packed);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QByteArray, days);
        TimeSlot slot{0.25, 0.75, DaysOf(Bytes({1, 1, 1, 1, 1, 1, 1}))};
        const auto bytes = Packed(packed);
        QVERIFY(DecodeSlot(ConstPackedSlot(bytes), slot));
        QCOMPARE(slot.Start, start);
        QCOMPARE(slot.End, end);
        QCOMPARE(Bytes(slot.Days, 0, DayCount), days);
    }

    void DecodeSlotRejectsImpossibleTimes_data()
    {
        QTest::addColumn<QByteArray>("packed");
        QTest::newRow("start hour 24") << Bytes({0x01, 24, 0, 0, 12, 0, 0});
        QTest::newRow("start minute 60") << Bytes({0x01, 8, 60, 0, 12, 0, 0});
        QTest::newRow("start second 60") << Bytes({0x01, 8, 0, 60, 12, 0, 0});
        QTest::newRow("end hour 24") << Bytes({0x01, 8, 0, 0, 24, 0, 0});
        QTest::newRow("end second 60") << Bytes({0x01, 8, 0, 0, 12, 0, 60});
        QTest::newRow("erased") << QByteArray(7, char(0xFF));
    }
    void DecodeSlotRejectsImpossibleTimes()
    {
        QFETCH(QByteArray, packed);
        const TimeSlot before{0.25, 0.75, DaysOf(Bytes({0, 0, 1, 0, 0, 0, 0}))};
        TimeSlot slot = before;
        const auto bytes = Packed(packed);
        QVERIFY(!DecodeSlot(ConstPackedSlot(bytes), slot));
        QVERIFY(slot == before);
    }

    void EverySlotValueComesBack()
    {
        // Every day pattern with a sweep of whole-second times through pack and unpack.
        for (int days = 0; days < 128; ++days) {
            for (int s = 0; s < 86'400; s += 97) {
                TimeSlot slot;
                slot.Start = TimeOf(s / 3600, s / 60 % 60, s % 60);
                const int e = 86'399 - s;
                slot.End = TimeOf(e / 3600, e / 60 % 60, e % 60);
                for (int d = 0; d < DayCount; ++d) {
                    slot.Days.at(static_cast<std::size_t>(d)) = (days >> d) & 1;
                }
                std::array<std::uint8_t, PackedSlotSize> bytes{};
                EncodeSlot(slot, PackedSlot(bytes));
                TimeSlot back;
                QVERIFY(DecodeSlot(ConstPackedSlot(bytes), back));
                if (!(back == slot)) {
                    QFAIL(qPrintable(QStringLiteral("days %1, second %2 did not come back").arg(days).arg(s)));
                }
            }
        }
    }

    void SlotHalfPlacesFourFieldsAndKeepsTheRest()
    {
        const ScheduleModel model = DistinctSchedule();
        BlockHalf half{};
        half.fill(0xAA);
        EncodeSlotHalf(model.NormalTimes.at(3), 12, HalfBytes(half));
        for (int i = 0; i < SlotsPerHalf; ++i) {
            const auto at = static_cast<std::size_t>(i) * SlotFieldSize;
            QCOMPARE(Bytes(half, at, PackedSlotSize), DistinctPackedSlot(false, 3, 12 + i));
            QCOMPARE(Bytes(half, at + PackedSlotSize, 5), QByteArray(5, char(0xAA)));
        }

        OutputSlots decoded{};
        QVERIFY(DecodeSlotHalf(ConstHalfBytes(half), decoded, 4));
        for (int i = 0; i < SlotsPerHalf; ++i) {
            QVERIFY(decoded.at(static_cast<std::size_t>(4 + i)) == model.NormalTimes.at(3).at(static_cast<std::size_t>(12 + i)));
        }
        QVERIFY(decoded.at(3) == TimeSlot{});
        QVERIFY(decoded.at(8) == TimeSlot{});
    }

    void SettingsHalfBytes_data()
    {
        QTest::addColumn<int>("enabled");
        QTest::addColumn<int>("advanceWeek");
        QTest::addColumn<int>("advanceMonth");
        QTest::addColumn<int>("retardWeek");
        QTest::addColumn<int>("retardMonth");
        QTest::addColumn<QByteArray>("first6");
        QTest::newRow("defaults") << 1 << 4 << 2 << 4 << 9 << Bytes({0x55, 0x01, 4, 2, 4, 9});
        QTest::newRow("wire order") << 0 << 3 << 7 << 0 << 11 << Bytes({0x55, 0x00, 3, 7, 0, 11});
        QTest::newRow("enabled flag non-zero") << 7 << 0 << 0 << 0 << 0 << Bytes({0x55, 0x01, 0, 0, 0, 0});
        QTest::newRow("low 8 bits") << 1 << -1 << 257 << 255 << 0x1234 << Bytes({0x55, 0x01, 0xFF, 1, 255, 0x34});
    }
    void SettingsHalfBytes()
    {
        QFETCH(int, enabled);
        QFETCH(int, advanceWeek);
        QFETCH(int, advanceMonth);
        QFETCH(int, retardWeek);
        QFETCH(int, retardMonth);
        QFETCH(QByteArray, first6);
        DaylightSavingRule rule;
        rule.Enabled = static_cast<std::uint8_t>(enabled);
        rule.AdvanceWeek = advanceWeek;
        rule.AdvanceMonth = advanceMonth;
        rule.RetardWeek = retardWeek;
        rule.RetardMonth = retardMonth;
        const BlockHalf half = SettingsHalf(rule);
        QCOMPARE(Bytes(half, 0, 6), first6);
        QCOMPARE(Bytes(half, 6, 42), QByteArray(42, char(0xFF)));
    }

    void SpecialDatesHalfBytes_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("1 November 2009") << 40118.0 << Bytes({1, 11, 9});
        QTest::newRow("25 December 2010") << DateOf(2010, 12, 25) << Bytes({25, 12, 10});
        QTest::newRow("time of day ignored") << 40118.75 << Bytes({1, 11, 9});
        QTest::newRow("2000") << DateOf(2000, 2, 29) << Bytes({29, 2, 0});
        QTest::newRow("1999 wraps") << DateOf(1999, 12, 31) << Bytes({31, 12, 255});
        QTest::newRow("2256 wraps") << DateOf(2256, 1, 1) << Bytes({1, 1, 0});
    }
    void SpecialDatesHalfBytes()
    {
        QFETCH(double, date);
        QFETCH(QByteArray, entry);
        // Entry 0, a middle entry and the last entry each carry the date.
        for (const std::size_t i : {0U, 7U, 15U}) {
            SpecialDateTable dates = ScheduleModel::DefaultSpecialDates();
            dates.at(i) = date;
            const BlockHalf half = SpecialDatesHalf(dates);
            QCOMPARE(Bytes(half, 3 * i, 3), entry);
            const std::size_t other = i == 0 ? 1 : 0;
            QCOMPARE(Bytes(half, 3 * other, 3), Bytes({1, 11, 9}));
        }
    }

    void UnpackBlockZeroFields()
    {
        BlockImage image{};
        image.fill(0xEE); // bytes the read ignores
        const auto rule = Bytes({0x55, 0xFE, 200, 2, 3, 4});
        std::copy(rule.begin(), rule.end(), image.begin());
        for (int i = 0; i < SpecialDateCount; ++i) {
            image.at(48 + 3 * static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(1 + i);
            image.at(49 + 3 * static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(12 - i % 12);
            image.at(50 + 3 * static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(10 + 16 * i);
        }
        DaylightSavingRule daylight;
        SpecialDateTable dates{};
        QVERIFY(UnpackBlockZero(image, daylight, dates));
        QCOMPARE(int(daylight.Enabled), 0); // bit 0 only
        QCOMPARE(daylight.AdvanceWeek, 200);
        QCOMPARE(daylight.AdvanceMonth, 2);
        QCOMPARE(daylight.RetardWeek, 3);
        QCOMPARE(daylight.RetardMonth, 4);
        QCOMPARE(dates[0], DateOf(2010, 12, 1));
        QCOMPARE(dates[15], DateOf(2250, 9, 16));

        image[1] = 0x03;
        QVERIFY(UnpackBlockZero(image, daylight, dates));
        QCOMPARE(int(daylight.Enabled), 1);

        // The example entry 25, 12, 10.
        image[48] = 25;
        image[49] = 12;
        image[50] = 10;
        QVERIFY(UnpackBlockZero(image, daylight, dates));
        QCOMPARE(dates[0], DateOf(2010, 12, 25));
    }

    void UnpackBlockZeroRejectsImpossibleDates_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("erased") << 0 << Bytes({0xFF, 0xFF, 0xFF});
        QTest::newRow("29 February 2001") << 15 << Bytes({29, 2, 1});
        QTest::newRow("31 April") << 8 << Bytes({31, 4, 10});
        QTest::newRow("month 0") << 3 << Bytes({1, 0, 10});
        QTest::newRow("month 13") << 3 << Bytes({1, 13, 10});
        QTest::newRow("day 0") << 3 << Bytes({0, 1, 10});
    }
    void UnpackBlockZeroRejectsImpossibleDates()
    {
        QFETCH(int, entry);
        QFETCH(QByteArray, bytes);
        const ScheduleModel source = DistinctSchedule();
        BlockImage image{};
        const BlockHalf settings = SettingsHalf(source.DaylightSaving);
        const BlockHalf special = SpecialDatesHalf(source.SpecialDates);
        std::copy(settings.begin(), settings.end(), image.begin());
        std::copy(special.begin(), special.end(), image.begin() + HalfSize);
        std::copy(bytes.begin(), bytes.end(), image.begin() + HalfSize + 3 * static_cast<std::size_t>(entry));

        DaylightSavingRule daylight;
        SpecialDateTable dates = ScheduleModel::DefaultSpecialDates();
        QVERIFY(!UnpackBlockZero(image, daylight, dates));
        QVERIFY(daylight == DaylightSavingRule{});
        QVERIFY(dates == ScheduleModel::DefaultSpecialDates());
    }
};

QTEST_APPLESS_MAIN(TestPacking)
#include "test_packing.moc"
