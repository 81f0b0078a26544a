#include "ClockText.h"

#include <QTest>

using namespace korvelt;

class TestClockText : public QObject {
    Q_OBJECT

private slots:
    void MessageInTheLocaleFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("date");
        QTest::addColumn<double>("time");
        QTest::addColumn<QString>("text");
        // 17 August 2010 is day 40407.
        QTest::newRow("24-hour") << "en_GB" << 40407.0 << 0.37847222222222221
                                 << "Module Time: 09:05:00\nModule Date: 17/08/2010";
        QTest::newRow("12-hour") << "en_US" << 40407.0 << 0.37847222222222221
                                 << "Module Time: 9:05:00 AM\nModule Date: 8/17/2010";
        QTest::newRow("German") << "de_DE" << 40407.0 << 0.875 << "Module Time: 21:00:00\nModule Date: 17.08.2010";
        QTest::newRow("nothing converted") << "en_GB" << 0.0 << 0.0 << "Module Time: 00:00:00\nModule Date: 30/12/1899";
    }
    void MessageInTheLocaleFormats()
    {
        QFETCH(QString, locale);
        QFETCH(double, date);
        QFETCH(double, time);
        QFETCH(QString, text);
        QCOMPARE(ClockMessageText(CellTextCodec(QLocale(locale)), date, time), text);
    }

    void DefaultLocaleIsUsed()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        const QString text = ClockMessageText(40407.0, 0.5);
        QLocale::setDefault(saved);
        QCOMPARE(text, QStringLiteral("Module Time: 12:00:00\nModule Date: 17.08.2010"));
    }
};

QTEST_APPLESS_MAIN(TestClockText)
#include "test_clocktext.moc"
