#include "core/DateTime.h"

#include <QTest>

#include <cmath>
#include <limits>


using namespace korvelt;

class TestDateTime : public QObject {
    Q_OBJECT

private slots:
    // Composition from parts, and decomposition back to them; impossible parts fail and leave
    // the value alone (-2 in the table).
    void Compose_data()
    {
        QTest::addColumn<bool>("date"); // year, month, day; else hour, minute, second
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<double>("value");
        QTest::newRow("origin") << true << 1899 << 12 << 30 << 0.0;
        QTest::newRow("1 Nov 2009") << true << 2009 << 11 << 1 << 40118.0;
        QTest::newRow("29 Feb 2000") << true << 2000 << 2 << 29 << 36585.0;
        QTest::newRow("before origin") << true << 1899 << 12 << 29 << -1.0;
        QTest::newRow("31 Dec 2255") << true << 2255 << 12 << 31 << 130'027.0;
        QTest::newRow("29 Feb 2100") << true << 2100 << 2 << 29 << -2.0;
        QTest::newRow("month 0") << true << 2010 << 0 << 17 << -2.0;
        QTest::newRow("31 April") << true << 2010 << 4 << 31 << -2.0;
        QTest::newRow("year 0") << true << 0 << 1 << 1 << -2.0;
        QTest::newRow("13:30") << false << 13 << 30 << 0 << 0.5625;
        QTest::newRow("hour 24") << false << 24 << 0 << 0 << -2.0;
        QTest::newRow("minute 60") << false << 23 << 60 << 0 << -2.0;
        QTest::newRow("second 60") << false << 23 << 0 << 60 << -2.0;
    }
    void Compose()
    {
        QFETCH(bool, date);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(double, value);
        const bool possible = value != -2.0;
        TDateTime composed = -2.0;
        QCOMPARE(date ? TryEncodeDate(a, b, c, composed) : TryEncodeTime(a, b, c, 0, composed), possible);
        QCOMPARE(composed, value);
        if (possible) {
            const DateParts d = DecodeDate(value);
            const TimeParts t = DecodeTime(value);
            const QList<int> parts = date ? QList{d.Year, d.Month, d.Day} : QList{t.Hour, t.Minute, t.Second};
            QCOMPARE(parts, (QList{a, b, c}));
        }
    }

    // Date and time describe one moment: a time of day that rounds up to a whole day is
    // midnight of the next day. Before the origin the time counts away from it. What does not
    // decompose is the origin.
    void Decompose_data() // clang-format off
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("decodable");
        QTest::addColumn<QList<int>>("parts"); // year, month, day, hour, millisecond
        QTest::addColumn<double>("whole");     // the whole-day part
        const QList<int> origin{1899, 12, 30, 0, 0};
        QTest::newRow("08:30:15.900") << (8 * 3600 + 30 * 60 + 15.9) / 86'400 << true << QList{1899, 12, 30, 8, 900}
                                      << 0.0;
        QTest::newRow("just before 1 Jan 1900") << std::nextafter(2.0, 0.0) << true << QList{1900, 1, 1, 0, 0} << 1.0;
        QTest::newRow("just before 28 Dec 1899") << std::nextafter(-2.0, 0.0) << true << QList{1899, 12, 28, 0, 0}
                                                 << -1.0;
        QTest::newRow("half a ms early rounds up") << 40118.0 - 0.4 / 86'400'000 << true << QList{2009, 11, 1, 0, 0}
                                                   << 40117.0;
        QTest::newRow("a ms early stays") << 40118.0 - 1.0 / 86'400'000 << true << QList{2009, 10, 31, 23, 999}
                                          << 40117.0;
        QTest::newRow("29 Dec 1899, 06:00") << -1.25 << true << QList{1899, 12, 29, 6, 0} << -1.0;
        QTest::newRow("2 Jan 0001, 06:00") << -693'592.25 << true << QList{1, 1, 2, 6, 0} << -693'592.0;
        QTest::newRow("last ms of 9999") << 2'958'466.0 - 1.0 / 86'400'000 << true << QList{9999, 12, 31, 23, 999}
                                         << 2'958'465.0;
        QTest::newRow("rounds into year 10000") << std::nextafter(2'958'466.0, 0.0) << false << origin << 2'958'465.0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << origin << 0.0;
        QTest::newRow("huge") << 1e300 << false << origin << 0.0;
    } // clang-format on
    void Decompose()
    {
        QFETCH(double, value);
        QFETCH(bool, decodable);
        QFETCH(QList<int>, parts);
        QFETCH(double, whole);
        QCOMPARE(IsDecodable(value), decodable);
        const DateParts d = DecodeDate(value);
        const TimeParts t = DecodeTime(value);
        QCOMPARE((QList{d.Year, d.Month, d.Day, t.Hour, t.MilliSecond}), parts);
        QCOMPARE(DatePart(value), whole);
    }
};

QTEST_GUILESS_MAIN(TestDateTime)
#include "test_datetime.moc"
