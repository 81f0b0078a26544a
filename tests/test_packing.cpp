// Slot and block-0 bytes as the device stores them. Whole blocks on the wire and the round
// trip through the device are in test_exchange.

#include "SlotPacking.h"
#include "TestSchedules.h"

#include <QTest>

#include <algorithm>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

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
        QTest::newRow("Monday and Friday") << TimeOf(8, 30, 15) << TimeOf(17, 0, 0) << Bytes({0, 1, 0, 0, 0, 1, 0})
                                           << Bytes({0x22, 8, 30, 15, 17, 0, 0});
        QTest::newRow("Sunday is bit 0") << 0.5 << 0.5 << Bytes({1, 0, 0, 0, 0, 0, 0}) << Bytes({0x01, 12, 0, 0, 12, 0, 0});
        QTest::newRow("any non-zero flag is on") << 0.5 << 0.5 << Bytes({0, 0, 0, 0xFF, 0, 0, 2})
                                                 << Bytes({0x48, 12, 0, 0, 12, 0, 0});
        QTest::newRow("milliseconds dropped") << TimeOf(8, 30, 15, 900) << TimeOf(9, 0, 59, 999) << QByteArray(7, 0)
                                              << Bytes({0, 8, 30, 15, 9, 0, 59});
        QTest::newRow("date part ignored") << 40118.25 << 40118.0 << QByteArray(7, 0) << Bytes({0, 6, 0, 0, 0, 0, 0});
    }
    void EncodeSlotBytes()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QByteArray, days);
        QFETCH(QByteArray, packed);
        std::array<std::uint8_t, SlotFieldSize> field{};
        field.fill(0xAA);
        EncodeSlot(TimeSlot{start, end, DaysOf(days)}, PackedSlot(field.data(), PackedSlotSize));
        QCOMPARE(Bytes(field, 0, SlotFieldSize), packed + QByteArray(5, char(0xAA)));
    }

    void DecodeSlotBytes_data()
    {
        QTest::addColumn<QByteArray>("packed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QByteArray>("days");
        QTest::newRow("Monday and Friday") << Bytes({0x22, 8, 30, 15, 17, 0, 0}) << true << TimeOf(8, 30, 15)
                                           << TimeOf(17, 0, 0) << Bytes({0, 1, 0, 0, 0, 1, 0});
        QTest::newRow("0xFF sets all seven days") << Bytes({0xFF, 0, 0, 0, 23, 59, 59}) << true << 0.0
                                                  << TimeOf(23, 59, 59) << Bytes({1, 1, 1, 1, 1, 1, 1});
        // An impossible start or end time leaves the slot as it was (which values are
        // impossible is the date and time test's matter).
        QTest::newRow("start hour 24") << Bytes({1, 24, 0, 0, 12, 0, 0}) << false << 0.25 << 0.75
                                       << Bytes({0, 0, 1, 0, 0, 0, 0});
        QTest::newRow("end second 60") << Bytes({1, 8, 0, 0, 12, 0, 60}) << false << 0.25 << 0.75
                                       << Bytes({0, 0, 1, 0, 0, 0, 0});
    }

    void DecodeSlotBytes()
    {
        QFETCH(QByteArray, packed);
        QFETCH(bool, valid);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QByteArray, days);
        TimeSlot slot{0.25, 0.75, DaysOf(Bytes({0, 0, 1, 0, 0, 0, 0}))};
        std::array<std::uint8_t, PackedSlotSize> bytes{};
        std::copy_n(packed.begin(), PackedSlotSize, bytes.begin());
        QCOMPARE(DecodeSlot(ConstPackedSlot(bytes), slot), valid);
        QCOMPARE(slot.Start, start);
        QCOMPARE(slot.End, end);
        QCOMPARE(Bytes(slot.Days, 0, DayCount), days);
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
        QTest::newRow("order on the wire, enabled as 1") << 7 << 3 << 7 << 0 << 11 << Bytes({0x55, 0x01, 3, 7, 0, 11});
        QTest::newRow("low 8 bits") << 0 << -1 << 257 << 255 << 0x1234 << Bytes({0x55, 0x00, 0xFF, 1, 255, 0x34});
    }
    void SettingsHalfBytes()
    {
        QFETCH(int, enabled);
        QFETCH(int, advanceWeek);
        QFETCH(int, advanceMonth);
        QFETCH(int, retardWeek);
        QFETCH(int, retardMonth);
        QFETCH(QByteArray, first6);
        const DaylightSavingRule rule{static_cast<std::uint8_t>(enabled), advanceWeek, retardWeek, advanceMonth,
                                      retardMonth};
        QCOMPARE(Bytes(SettingsHalf(rule), 0, HalfSize), first6 + QByteArray(42, char(0xFF)));
    }

    void SpecialDatesHalfBytes_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("1 November 2009") << 40118.0 << Bytes({1, 11, 9});
        QTest::newRow("25 December 2010, time of day ignored") << DateOf(2010, 12, 25) + 0.75 << Bytes({25, 12, 10});
        QTest::newRow("1999 wraps") << DateOf(1999, 12, 31) << Bytes({31, 12, 255});
        QTest::newRow("2256 wraps") << DateOf(2256, 1, 1) << Bytes({1, 1, 0});
    }
    void SpecialDatesHalfBytes()
    {
        QFETCH(double, date);
        QFETCH(QByteArray, entry);
        // The first, a middle and the last entry each carry the date; the others keep theirs.
        for (const std::size_t i : {0U, 7U, 15U}) {
            SpecialDateTable dates = ScheduleModel::DefaultSpecialDates();
            dates.at(i) = date;
            const BlockHalf half = SpecialDatesHalf(dates);
            QCOMPARE(Bytes(half, 3 * i, 3), entry);
            QCOMPARE(Bytes(half, i == 0 ? 3 : 0, 3), Bytes({1, 11, 9}));
        }
    }

    void UnpackBlockZeroFields()
    {
        BlockImage image{};
        image.fill(0xEE); // bytes the read ignores
        const QByteArray rule = Bytes({0x55, 0xFE, 200, 2, 3, 4});
        std::copy(rule.begin(), rule.end(), image.begin());
        for (std::size_t i = 0; i < SpecialDateCount; ++i) {
            image.at(48 + 3 * i) = static_cast<std::uint8_t>(1 + i);
            image.at(49 + 3 * i) = static_cast<std::uint8_t>(12 - i % 12);
            image.at(50 + 3 * i) = static_cast<std::uint8_t>(10 + 16 * i);
        }
        DaylightSavingRule daylight;
        SpecialDateTable dates{};
        QVERIFY(UnpackBlockZero(image, daylight, dates));
        QVERIFY(daylight == (DaylightSavingRule{0, 200, 3, 2, 4})); // the enabled flag is bit 0
        QCOMPARE(dates[0], DateOf(2010, 12, 1));
        QCOMPARE(dates[15], DateOf(2250, 9, 16));
        image[1] = 0x03;
        QVERIFY(UnpackBlockZero(image, daylight, dates));
        QCOMPARE(int(daylight.Enabled), 1);
    }
};

QTEST_APPLESS_MAIN(TestPacking)
#include "test_packing.moc"
