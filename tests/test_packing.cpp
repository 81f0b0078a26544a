// Slot, block-0 and clock bytes at their edges, which whole exchanges with a schedule of
// ordinary values do not reach, and the clock as the user reads it. Whole blocks on the wire
// are in test_exchange.

#include "text/ClockText.h"
#include "core/DeviceClock.h"
#include "core/SlotPacking.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

class TestPacking : public QObject {
    Q_OBJECT

private slots:
    // A slot packs into field bytes 0..6 and leaves 7..11 alone: any non-zero day flag is on,
    // and the date part and the milliseconds are dropped.
    void PackSlot()
    {
        const TimeSlot slot{40118 + TimeOf(8, 30, 15, 900), TimeOf(17, 0, 59, 999), {1, 0xFF, 0, 0, 0, 2, 0}};
        std::array<std::uint8_t, SlotFieldSize> field{};
        field.fill(0xAA);
        EncodeSlot(slot, PackedSlot(field.data(), PackedSlotSize));
        QCOMPARE(Bytes(field), Bytes({0x23, 8, 30, 15, 17, 0, 59}) + QByteArray(5, char(0xAA)));
    }

    // Bit 7 of the day byte is ignored. Impossible times are refused in test_exchange.
    void UnpackSlot()
    {
        const std::array<std::uint8_t, PackedSlotSize> bytes{0x83, 8, 30, 15, 23, 59, 59};
        TimeSlot slot{0.1, 0.2, {}};
        QVERIFY(DecodeSlot(ConstPackedSlot(bytes), slot));
        QVERIFY(slot == (TimeSlot{TimeOf(8, 30, 15), TimeOf(23, 59, 59), {1, 1, 0, 0, 0, 0, 0}}));
    }

    // The rule goes out as the low 8 bits of each field and the enabled flag as 1; dates
    // outside 2000..2255 wrap; the time of a date is dropped. Read back, only bit 0 of the
    // enabled byte counts and every byte is unsigned.
    void BlockZero()
    {
        QCOMPARE(Bytes(SettingsHalf({7, -1, 255, 257, 0x1234})),
                 Bytes({0x55, 1, 0xFF, 1, 255, 0x34}) + QByteArray(42, char(0xFF)));
        SpecialDateTable dates{};
        dates[0] = DateOf(1999, 12, 31);
        dates[7] = DateOf(2010, 12, 25) + 0.75;
        dates[15] = DateOf(2256, 1, 1);
        const QByteArray packed = Bytes(SpecialDatesHalf(dates));
        QCOMPARE(packed.left(6), Bytes({31, 12, 255, 30, 12, 155}));
        QCOMPARE(packed.mid(21, 3), Bytes({25, 12, 10}));
        QCOMPARE(packed.right(3), Bytes({1, 1, 0}));

        BlockImage image{};
        image.fill(1); // 1 January 2001 in every date, and bytes the read ignores
        std::ranges::copy(std::array<std::uint8_t, 6>{0x55, 0xFE, 200, 2, 3, 4}, image.begin());
        std::ranges::copy(std::array<std::uint8_t, 3>{16, 9, 250}, image.end() - 3);
        DaylightSavingRule rule;
        SpecialDateTable read{};
        QVERIFY(UnpackBlockZero(image, rule, read));
        QVERIFY(rule == (DaylightSavingRule{0, 200, 3, 2, 4}));
        QCOMPARE(read[0], DateOf(2001, 1, 1));
        QCOMPARE(read[15], DateOf(2250, 9, 16));
        image[1] = 0x03;
        QVERIFY(UnpackBlockZero(image, rule, read));
        QCOMPARE(rule.Enabled, std::uint8_t{1});
    }
    // "Set Time" with the pickers sends the day of the date picker and the time of day of the
    // time picker, each of which may carry a part of the other. Year wraps are in BlockZero.
    void ClockWriteFromPickers()
    {
        const TDateTime value = ClockValueFromPickers(DateOf(2011, 5, 5) + 0.3, DateOf(2004, 1, 2) + TimeOf(14, 30, 0));
        QCOMPARE(Bytes(ClockWriteRequest(value)), Bytes({0, 0x54, 0x57, 14, 30, 0, 5, 5, 11}) + QByteArray(56, 0));
    }

    // The reply as the message shows it, in the user's locale.
    void ReplyMessage_data() // clang-format off
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("bytes1to7");
        QTest::addColumn<QString>("text");
        const QByteArray example = Bytes({0x54, 9, 5, 0, 17, 8, 10});
        QTest::newRow("example") << "en_GB" << example << "Module Time: 09:05:00\nModule Date: 17/08/2010";
        QTest::newRow("12-hour locale") << "en_US" << example << "Module Time: 9:05:00 AM\nModule Date: 8/17/2010";
        QTest::newRow("month 0: no valid time") << "en_GB" << Bytes({0x54, 9, 5, 0, 17, 0, 10})
                                                << "The KORVELT's clock holds no valid time (bytes 2010-00-17 09:05:00)";
        QTest::newRow("hour 24: no valid time") << "en_GB" << Bytes({0x54, 24, 0, 0, 17, 8, 10})
                                                << "The KORVELT's clock holds no valid time (bytes 2010-08-17 24:00:00)";
        QTest::newRow("30 February 25:61:61") << "en_GB" << Bytes({0x54, 25, 61, 61, 30, 2, 30})
                                              << "The KORVELT's clock holds no valid time (bytes 2030-02-30 25:61:61)";
    } // clang-format on
    void ReplyMessage()
    {
        QFETCH(QString, locale);
        QFETCH(QByteArray, bytes1to7);
        QFETCH(QString, text);
        Report reply{};
        reply.fill(0x33);
        std::copy(bytes1to7.begin(), bytes1to7.end(), reply.begin() + 1);
        QLocale::setDefault(QLocale(locale));
        const DeviceClockReading reading = DecodeClockReply(reply);
        QCOMPARE(ClockMessageText(reading.Date, reading.Time), text);
    }

    // How far the device's clock is from the PC's, in the two largest units that matter.
    void ClockDifference_data()
    {
        QTest::addColumn<qint64>("behind");
        QTest::addColumn<QString>("text");
        QTest::newRow("same second") << qint64{0} << "KORVELT and this PC agree to the second";
        QTest::newRow("seconds ahead") << qint64{-59} << "KORVELT is 59 s ahead of this PC";
        QTest::newRow("minutes behind") << qint64{218} << "KORVELT is 3 min 38 s behind this PC";
        QTest::newRow("hours ahead") << qint64{-7'499} << "KORVELT is 2 h 4 min ahead of this PC";
        QTest::newRow("days behind") << qint64{90'061} << "KORVELT is 1 d 1 h behind this PC";
    }
    void ClockDifference()
    {
        QFETCH(qint64, behind);
        QFETCH(QString, text);
        QCOMPARE(ClockDifferenceText(behind), text);
    }
};

QTEST_APPLESS_MAIN(TestPacking)
#include "test_packing.moc"
