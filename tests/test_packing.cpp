// Slot and block-0 bytes at their edges, which whole exchanges with a schedule of ordinary
// values do not reach. Whole blocks on the wire are in test_exchange.

#include "SlotPacking.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

enum Way { Both, PacksOnly, UnpacksOnly, Refused };

} // namespace

class TestPacking : public QObject {
    Q_OBJECT

private slots:
    // A slot packs into field bytes 0..6 and leaves 7..11 alone; the bytes unpack into the
    // slot, or leave it as it was when a time is impossible.
    void Slots_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<QByteArray>("days"); // the seven flags, Sunday first
        QTest::addColumn<QByteArray>("packed");
        QTest::addColumn<int>("way");
        const QByteArray none(7, 0);
        QTest::newRow("Monday and Friday") << TimeOf(8, 30, 15) << TimeOf(17, 0, 0) << Bytes({0, 1, 0, 0, 0, 1, 0})
                                           << Bytes({0x22, 8, 30, 15, 17, 0, 0}) << int(Both);
        QTest::newRow("any non-zero flag is on") << 0.5 << 0.5 << Bytes({0, 0, 0, 0xFF, 0, 0, 2})
                                                 << Bytes({0x48, 12, 0, 0, 12, 0, 0}) << int(PacksOnly);
        QTest::newRow("milliseconds dropped") << TimeOf(8, 30, 15, 900) << TimeOf(9, 0, 59, 999) << none
                                              << Bytes({0, 8, 30, 15, 9, 0, 59}) << int(PacksOnly);
        QTest::newRow("date part ignored") << 40118.25 << 40118.0 << none << Bytes({0, 6, 0, 0, 0, 0, 0})
                                           << int(PacksOnly);
        QTest::newRow("bit 7 ignored") << 0.0 << TimeOf(23, 59, 59) << QByteArray(7, 1)
                                       << Bytes({0xFF, 0, 0, 0, 23, 59, 59}) << int(UnpacksOnly);
        QTest::newRow("start hour 24") << 0.25 << 0.75 << none << Bytes({1, 24, 0, 0, 12, 0, 0}) << int(Refused);
        QTest::newRow("end second 60") << 0.25 << 0.75 << none << Bytes({1, 8, 0, 0, 12, 0, 60}) << int(Refused);
    }
    void Slots()
    {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(QByteArray, days);
        QFETCH(QByteArray, packed);
        QFETCH(int, way);
        TimeSlot slot{start, end, {}};
        std::copy_n(days.begin(), DayCount, slot.Days.begin());
        if (way == Both || way == PacksOnly) {
            std::array<std::uint8_t, SlotFieldSize> field{};
            field.fill(0xAA);
            EncodeSlot(slot, PackedSlot(field.data(), PackedSlotSize));
            QCOMPARE(Bytes(field), packed + QByteArray(5, char(0xAA)));
        }
        if (way != PacksOnly) {
            std::array<std::uint8_t, PackedSlotSize> bytes{};
            std::copy_n(packed.begin(), PackedSlotSize, bytes.begin());
            TimeSlot read = way == Refused ? slot : TimeSlot{0.1, 0.2, {}};
            QCOMPARE(DecodeSlot(ConstPackedSlot(bytes), read), way != Refused);
            QVERIFY(read == slot);
        }
    }

    // The rule goes out as the low 8 bits of each field and the enabled flag as 1; dates
    // outside 2000..2255 wrap; the time of a date is dropped. Read back, only bit 0 of the
    // enabled byte counts and every byte is unsigned.
    void BlockZero()
    {
        QCOMPARE(Bytes(SettingsHalf({7, -1, 255, 257, 0x1234})),
                 Bytes({0x55, 1, 0xFF, 1, 255, 0x34}) + QByteArray(42, char(0xFF)));
        SpecialDateTable dates = ScheduleModel::DefaultSpecialDates();
        dates[0] = DateOf(1999, 12, 31);
        dates[7] = DateOf(2010, 12, 25) + 0.75;
        dates[15] = DateOf(2256, 1, 1);
        const QByteArray packed = Bytes(SpecialDatesHalf(dates));
        QCOMPARE(packed.left(6), Bytes({31, 12, 255, 1, 11, 9}));
        QCOMPARE(packed.mid(21, 3), Bytes({25, 12, 10}));
        QCOMPARE(packed.right(3), Bytes({1, 1, 0}));

        BlockImage image{};
        image.fill(0xEE); // bytes the read ignores
        std::ranges::copy(std::array<std::uint8_t, 6>{0x55, 0xFE, 200, 2, 3, 4}, image.begin());
        for (std::size_t i = 0; i < SpecialDateCount; ++i) {
            image.at(48 + 3 * i) = static_cast<std::uint8_t>(1 + i);
            image.at(49 + 3 * i) = static_cast<std::uint8_t>(12 - i % 12);
            image.at(50 + 3 * i) = static_cast<std::uint8_t>(10 + 16 * i);
        }
        DaylightSavingRule rule;
        SpecialDateTable read{};
        QVERIFY(UnpackBlockZero(image, rule, read));
        QVERIFY(rule == (DaylightSavingRule{0, 200, 3, 2, 4}));
        QCOMPARE(read[0], DateOf(2010, 12, 1));
        QCOMPARE(read[15], DateOf(2250, 9, 16));
        image[1] = 0x03;
        QVERIFY(UnpackBlockZero(image, rule, read));
        QCOMPARE(rule.Enabled, std::uint8_t{1});
    }
};

QTEST_APPLESS_MAIN(TestPacking)
#include "test_packing.moc"
