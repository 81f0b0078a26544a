#include "DeviceClock.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

} // namespace

class TestDeviceClock : public QObject {
    Q_OBJECT

private slots:
    void ClockWriteBytes_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("bytes1to8");
        QTest::newRow("PC time with milliseconds") << DateOf(2010, 3, 28) + TimeOf(1, 59, 59, 750)
                                                   << Bytes({0x54, 0x57, 1, 59, 59, 28, 3, 10});
        QTest::newRow("pickers") << ClockValueFromPickers(DateOf(2011, 5, 5) + 0.3, DateOf(2004, 1, 2) + TimeOf(14, 30, 0))
                                 << Bytes({0x54, 0x57, 14, 30, 0, 5, 5, 11});
        QTest::newRow("picker date at midnight") << ClockValueFromPickers(DateOf(2020, 2, 29), TimeOf(23, 59, 59))
                                                 << Bytes({0x54, 0x57, 23, 59, 59, 29, 2, 20});
        QTest::newRow("year 2000") << DateOf(2000, 1, 1) << Bytes({0x54, 0x57, 0, 0, 0, 1, 1, 0});
        QTest::newRow("1999 wraps") << DateOf(1999, 12, 31) + TimeOf(12, 0, 0) << Bytes({0x54, 0x57, 12, 0, 0, 31, 12, 255});
        QTest::newRow("2256 wraps") << DateOf(2256, 6, 1) << Bytes({0x54, 0x57, 0, 0, 0, 1, 6, 0});
    }
    void ClockWriteBytes()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, bytes1to8);
        const Report request = ClockWriteRequest(value);
        QCOMPARE(int(request[0]), 0);
        QCOMPARE(Bytes(request, 1, 8), bytes1to8);
        QCOMPARE(Bytes(request, 9, 56), QByteArray(56, 0));
    }

    void ClockReadBytes()
    {
        const Report request = ClockReadRequest();
        QCOMPARE(Bytes(request, 0, 3), Bytes({0, 0x54, 0x52}));
        QCOMPARE(Bytes(request, 3, 62), QByteArray(62, 0));
    }

    void ClockReply_data()
    {
        QTest::addColumn<QByteArray>("bytes1to7");
        QTest::addColumn<double>("date");
        QTest::addColumn<double>("time");
        QTest::newRow("example") << Bytes({0x54, 9, 5, 0, 17, 8, 10}) << DateOf(2010, 8, 17) << TimeOf(9, 5, 0);
        QTest::newRow("last second of 2255") << Bytes({0x54, 23, 59, 59, 31, 12, 255}) << DateOf(2255, 12, 31)
                                             << TimeOf(23, 59, 59);
        QTest::newRow("29 February 2000") << Bytes({0x54, 0, 0, 1, 29, 2, 0}) << DateOf(2000, 2, 29) << TimeOf(0, 0, 1);
        QTest::newRow("month 0: nothing converts") << Bytes({0x54, 9, 5, 0, 17, 0, 10}) << 0.0 << 0.0;
        QTest::newRow("31 April: nothing converts") << Bytes({0x54, 9, 5, 0, 31, 4, 10}) << 0.0 << 0.0;
        QTest::newRow("29 February 2001") << Bytes({0x54, 9, 5, 0, 29, 2, 1}) << 0.0 << 0.0;
        QTest::newRow("hour 24 keeps the date") << Bytes({0x54, 24, 0, 0, 17, 8, 10}) << DateOf(2010, 8, 17) << 0.0;
        QTest::newRow("minute 60 keeps the date") << Bytes({0x54, 9, 60, 0, 17, 8, 10}) << DateOf(2010, 8, 17) << 0.0;
        QTest::newRow("second 60 keeps the date") << Bytes({0x54, 9, 5, 60, 17, 8, 10}) << DateOf(2010, 8, 17) << 0.0;
        QTest::newRow("erased") << Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) << 0.0 << 0.0;
    }
    void ClockReply()
    {
        QFETCH(QByteArray, bytes1to7);
        QFETCH(double, date);
        QFETCH(double, time);
        Report reply{};
        reply.fill(0x33);
        std::copy(bytes1to7.begin(), bytes1to7.end(), reply.begin() + 1);
        const DeviceClockReading reading = DecodeClockReply(reply);
        QCOMPARE(reading.Date, date);
        QCOMPARE(reading.Time, time);
    }

    void PickersCombineDayAndTimeOfDay_data()
    {
        QTest::addColumn<double>("pickerDate");
        QTest::addColumn<double>("pickerTime");
        QTest::addColumn<double>("value");
        QTest::newRow("time of day of a dated value") << 40118.9 << 40000.25 << 40118.25;
        QTest::newRow("plain time") << 40118.0 << 0.75 << 40118.75;
        QTest::newRow("midnight") << 40118.5 << 3.0 << 40118.0;
    }
    void PickersCombineDayAndTimeOfDay()
    {
        QFETCH(double, pickerDate);
        QFETCH(double, pickerTime);
        QFETCH(double, value);
        QCOMPARE(ClockValueFromPickers(pickerDate, pickerTime), value);
    }
};

QTEST_APPLESS_MAIN(TestDeviceClock)
#include "test_deviceclock.moc"
