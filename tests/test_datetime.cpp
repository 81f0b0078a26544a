#include "DateTime.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace korvelt;

class TestDateTime : public QObject {
    Q_OBJECT

private slots:
    void EncodeDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("expected");
        QTest::newRow("origin") << 1899 << 12 << 30 << 0.0;
        QTest::newRow("1 Nov 2009") << 2009 << 11 << 1 << 40118.0;
        QTest::newRow("1 Jan 2000") << 2000 << 1 << 1 << 36526.0;
        QTest::newRow("29 Feb 2000") << 2000 << 2 << 29 << 36585.0;
        QTest::newRow("before origin") << 1899 << 12 << 29 << -1.0;
        QTest::newRow("31 Dec 2255") << 2255 << 12 << 31 << 130'027.0;
    }
    void EncodeDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, expected);
        TDateTime value = -12345;
        QVERIFY(TryEncodeDate(year, month, day, value));
        QCOMPARE(value, expected);
        const DateParts back = DecodeDate(value);
        QCOMPARE(back.Year, year);
        QCOMPARE(back.Month, month);
        QCOMPARE(back.Day, day);
    }

    void ImpossibleDatesFail_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("29 Feb 2100") << 2100 << 2 << 29;
        QTest::newRow("month 0") << 2010 << 0 << 17;
        QTest::newRow("month 13") << 2010 << 13 << 1;
        QTest::newRow("day 0") << 2010 << 8 << 0;
        QTest::newRow("31 April") << 2010 << 4 << 31;
        QTest::newRow("erased bytes") << 2255 << 255 << 255;
        QTest::newRow("year 0") << 0 << 1 << 1;
    }
    void ImpossibleDatesFail()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        TDateTime value = 7.0;
        QVERIFY(!TryEncodeDate(year, month, day, value));
        QCOMPARE(value, 7.0);
    }

    void EncodeTime()
    {
        TDateTime value = 0;
        QVERIFY(TryEncodeTime(13, 30, 0, 0, value));
        QCOMPARE(value, 0.5625);
        QVERIFY(TryEncodeTime(12, 0, 0, 0, value));
        QCOMPARE(value, 0.5);
        QVERIFY(!TryEncodeTime(24, 0, 0, 0, value));
        QVERIFY(!TryEncodeTime(23, 60, 0, 0, value));
        QVERIFY(!TryEncodeTime(23, 0, 60, 0, value));
        QVERIFY(!TryEncodeTime(-1, 0, 0, 0, value));
    }

    void DecodeTimeDropsNothingButRounding()
    {
        TDateTime value = 0;
        QVERIFY(TryEncodeTime(8, 30, 15, 900, value));
        const TimeParts t = DecodeTime(value);
        QCOMPARE(t.Hour, 8);
        QCOMPARE(t.Minute, 30);
        QCOMPARE(t.Second, 15);
        QCOMPARE(t.MilliSecond, 900);
        // Every whole second of a day decomposes to itself.
        for (int s = 0; s < 86'400; ++s) {
            QVERIFY(TryEncodeTime(s / 3600, s / 60 % 60, s % 60, 0, value));
            const TimeParts p = DecodeTime(value + 40118.0);
            QCOMPARE(p.Hour * 3600 + p.Minute * 60 + p.Second, s);
        }
    }

    void DecodeIsSafeOnAnyDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("inf") << std::numeric_limits<double>::infinity();
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
        QTest::newRow("huge") << 1e300;
        QTest::newRow("-huge") << -1e300;
    }
    void DecodeIsSafeOnAnyDouble()
    {
        QFETCH(double, value);
        const DateParts d = DecodeDate(value);
        const TimeParts t = DecodeTime(value);
        QCOMPARE(d.Year, 1899);
        QCOMPARE(t.Hour, 0);
        QCOMPARE(DatePart(value), 0.0);
    }

    // Date and time describe one moment: a time of day that rounds up to a whole day is
    // midnight of the next day, not midnight of the day it started on.
    void TimeThatRoundsUpToAWholeDayMovesTheDate_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("decodable");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("milliSecond");
        QTest::newRow("just before 1 Jan 1900") << std::nextafter(2.0, 0.0) << true << 1900 << 1 << 1 << 0 << 0;
        QTest::newRow("just before 31 Dec 1899") << std::nextafter(1.0, 0.0) << true << 1899 << 12 << 31 << 0 << 0;
        QTest::newRow("just before 28 Dec 1899") << std::nextafter(-2.0, 0.0) << true << 1899 << 12 << 28 << 0 << 0;
        QTest::newRow("half a ms early rounds up") << 40118.0 - 0.4 / 86'400'000 << true << 2009 << 11 << 1 << 0 << 0;
        QTest::newRow("a ms early stays") << 40118.0 - 1.0 / 86'400'000 << true << 2009 << 10 << 31 << 23 << 999;
        QTest::newRow("1 Jan 0001, 06:00") << -693'593.25 << true << 1 << 1 << 1 << 6 << 0;
        QTest::newRow("rounds into year 10000") << std::nextafter(2'958'466.0, 0.0) << false << 1899 << 12 << 30 << 0
                                                << 0;
        QTest::newRow("last ms of 9999") << 2'958'466.0 - 1.0 / 86'400'000 << true << 9999 << 12 << 31 << 23 << 999;
    }
    void TimeThatRoundsUpToAWholeDayMovesTheDate()
    {
        QFETCH(double, value);
        QFETCH(bool, decodable);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, hour);
        QFETCH(int, milliSecond);
        QCOMPARE(IsDecodable(value), decodable);
        const DateParts d = DecodeDate(value);
        const TimeParts t = DecodeTime(value);
        QCOMPARE(d.Year, year);
        QCOMPARE(d.Month, month);
        QCOMPARE(d.Day, day);
        QCOMPARE(t.Hour, hour);
        QCOMPARE(t.MilliSecond, milliSecond);
    }

    void NegativeValuesCountTimeAwayFromOrigin()
    {
        // -1.25 is 29 December 1899, 06:00.
        const DateParts d = DecodeDate(-1.25);
        const TimeParts t = DecodeTime(-1.25);
        QCOMPARE(d.Day, 29);
        QCOMPARE(t.Hour, 6);
    }
};

QTEST_GUILESS_MAIN(TestDateTime)
#include "test_datetime.moc"
