#include "ClockText.h"
#include "DeviceClock.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

class TestDeviceClock : public QObject {
    Q_OBJECT

private slots:
    void ClockWriteBytes_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("bytes1to8");
        // The day of the date picker and the time of day of the time picker, each of which
        // may carry a part of the other.
        QTest::newRow("pickers") << ClockValueFromPickers(DateOf(2011, 5, 5) + 0.3,
                                                          DateOf(2004, 1, 2) + TimeOf(14, 30, 0))
                                 << Bytes({0x54, 0x57, 14, 30, 0, 5, 5, 11});
        QTest::newRow("2256 wraps") << DateOf(2256, 6, 1) << Bytes({0x54, 0x57, 0, 0, 0, 1, 6, 0});
    }
    void ClockWriteBytes()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, bytes1to8);
        QCOMPARE(Bytes(ClockWriteRequest(value)), '\0' + bytes1to8 + QByteArray(56, 0));
    }

    // The reply as the message shows it, in the user's locale.
    void ReplyMessage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("bytes1to7");
        QTest::addColumn<QString>("text");
        const QByteArray example = Bytes({0x54, 9, 5, 0, 17, 8, 10});
        QTest::newRow("example") << "en_GB" << example << "Module Time: 09:05:00\nModule Date: 17/08/2010";
        QTest::newRow("12-hour locale") << "en_US" << example << "Module Time: 9:05:00 AM\nModule Date: 8/17/2010";
        QTest::newRow("German") << "de_DE" << Bytes({0x54, 21, 0, 0, 17, 8, 10})
                                << "Module Time: 21:00:00\nModule Date: 17.08.2010";
        QTest::newRow("last second of 2255") << "en_GB" << Bytes({0x54, 23, 59, 59, 31, 12, 255})
                                             << "Module Time: 23:59:59\nModule Date: 31/12/2255";
        const QString nothing = QStringLiteral("Module Time: 00:00:00\nModule Date: 30/12/1899");
        QTest::newRow("month 0: zero date and midnight") << "en_GB" << Bytes({0x54, 9, 5, 0, 17, 0, 10}) << nothing;
        QTest::newRow("hour 24 keeps the date") << "en_GB" << Bytes({0x54, 24, 0, 0, 17, 8, 10})
                                                << "Module Time: 00:00:00\nModule Date: 17/08/2010";
    }
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
};

QTEST_APPLESS_MAIN(TestDeviceClock)
#include "test_deviceclock.moc"
