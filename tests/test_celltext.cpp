#include "CellText.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <limits>

using namespace korvelt;

class TestCellText : public QObject {
    Q_OBJECT

private slots:
    void ZoneTokenIsStripped()
    {
        QCOMPARE(StripTimeZone(QStringLiteral("h:mm:ss AP t")), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(StripTimeZone(QStringLiteral("HH:mm:ss t")), QStringLiteral("HH:mm:ss"));
        QCOMPARE(StripTimeZone(QStringLiteral("t HH:mm:ss")), QStringLiteral("HH:mm:ss"));
        QCOMPARE(StripTimeZone(QStringLiteral("HH 'h' mm 'min' ss 's' tttt")),
                 QStringLiteral("HH 'h' mm 'min' ss 's'"));
    }

    void EveryWholeSecondRoundTrips_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("24-hour") << QStringLiteral("de_DE");
        QTest::newRow("12-hour") << QStringLiteral("en_US");
        QTest::newRow("24-hour en") << QStringLiteral("en_GB");
    }
    void EveryWholeSecondRoundTrips()
    {
        QFETCH(QString, locale);
        const CellTextCodec codec{QLocale(locale)};
        for (int s = 0; s < 86'400; ++s) {
            const TDateTime value = s / 86'400.0;
            const QString text = codec.TimeToCellText(value);
            const auto back = codec.CellTextToTime(text);
            if (!back || *back != value) {
                QFAIL(qPrintable(QStringLiteral("%1 s: '%2' did not read back").arg(s).arg(text)));
            }
        }
    }

    void TextsOfValues_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("noon 24h") << "de_DE" << 0.5 << "12:00:00";
        QTest::newRow("noon 12h") << "en_US" << 0.5 << "12:00:00 PM";
        QTest::newRow("midnight is a time") << "en_GB" << 0.0 << "00:00:00";
        QTest::newRow("whole day is a date") << "en_GB" << 40118.0 << "01/11/2009";
        QTest::newRow("date and time") << "en_GB" << 40118.75 << "01/11/2009 18:00:00";
        QTest::newRow("us date four-digit year") << "en_US" << 40118.0 << "11/1/2009";
        QTest::newRow("nan shows nothing") << "en_GB" << std::numeric_limits<double>::quiet_NaN() << "";
        QTest::newRow("a moment before midnight shows the next day")
            << "en_GB" << std::nextafter(2.0, 0.0) << "01/01/1900 00:00:00";
        QTest::newRow("rounding into year 10000 shows nothing") << "en_GB" << std::nextafter(2'958'466.0, 0.0) << "";
    }
    void TextsOfValues()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(CellTextCodec(QLocale(locale)).TimeToCellText(value), text);
    }

    // What a text reads as, in a cell (a time with or without seconds, a date, or both) or
    // as typed into one (the ways people write a time; what is none of them is read as a
    // cell text). -1: refused, nothing guessed; dates before the day count among them (their
    // values would be negative, and a cell shows a value below 1 as a time alone).
    void ValuesOfTexts_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const auto hms = [](int h, int m, int s) { return (h * 3600 + m * 60 + s) / 86'400.0; };
        QTest::newRow("without seconds") << false << "en_GB" << "13:30" << 0.5625;
        QTest::newRow("24-hour in 12-hour locale") << false << "en_US" << "13:30" << 0.5625;
        QTest::newRow("12-hour without seconds") << false << "en_US" << "1:30 PM" << 0.5625;
        QTest::newRow("spaces around") << false << "de_DE" << "  06:00:00 " << 0.25;
        QTest::newRow("date alone") << false << "en_GB" << "01/11/2009" << 40118.0;
        QTest::newRow("date keeps its time") << false << "en_GB" << "01/11/2009 18:00:00" << 40118.75;
        QTest::newRow("first day of the count") << false << "en_GB" << "30/12/1899" << 0.0;
        QTest::newRow("first day with a time") << false << "en_US" << "12/30/1899 6:00:00 AM" << 0.25;
        QTest::newRow("empty") << false << "en_GB" << "" << -1.0;
        QTest::newRow("blank") << false << "en_US" << "   " << -1.0;
        QTest::newRow("word") << false << "en_GB" << "noon" << -1.0;
        QTest::newRow("hour 25") << false << "en_US" << "25:00:00" << -1.0;
        QTest::newRow("minute 61") << false << "en_GB" << "12:61:00" << -1.0;
        QTest::newRow("trailing junk") << false << "en_GB" << "12:00:00 x" << -1.0;
        QTest::newRow("day before the count") << false << "en_GB" << "29/12/1899" << -1.0;
        QTest::newRow("day before with a time") << false << "en_US" << "12/29/1899 6:00:00 AM" << -1.0;
        QTest::newRow("first year") << false << "de_DE" << "01.01.0001" << -1.0;
        QTest::newRow("typed 13:30") << true << "C" << "13:30" << hms(13, 30, 0);
        QTest::newRow("typed 7:05") << true << "C" << "7:05" << hms(7, 5, 0);
        QTest::newRow("typed 7.05") << true << "de_DE" << "7.05" << hms(7, 5, 0);
        QTest::newRow("typed 1330") << true << "C" << "1330" << hms(13, 30, 0);
        QTest::newRow("typed 133000") << true << "de_DE" << "133000" << hms(13, 30, 0);
        QTest::newRow("typed hour alone") << true << "C" << "13" << hms(13, 0, 0);
        QTest::newRow("typed 9:30 PM") << true << "en_US" << "9:30 PM" << hms(21, 30, 0);
        QTest::newRow("typed 9:30pm") << true << "en_US" << "9:30pm" << hms(21, 30, 0);
        QTest::newRow("typed 9 a.m.") << true << "en_US" << "9 a.m." << hms(9, 0, 0);
        QTest::newRow("typed 24-hour in a 12-hour locale") << true << "en_US" << "21:30" << hms(21, 30, 0);
        QTest::newRow("typed no marker is not the old PM") << true << "en_US" << "0930" << hms(9, 30, 0);
        QTest::newRow("typed 12:00 am is midnight") << true << "en_US" << "12:00 am" << 0.0;
        QTest::newRow("typed 12:30 pm is after noon") << true << "en_US" << "12:30 pm" << hms(12, 30, 0);
        QTest::newRow("typed 0:30 pm is after noon too") << true << "en_US" << "0:30 pm" << hms(12, 30, 0);
        QTest::newRow("typed pm in a 24-hour locale") << true << "de_DE" << "9:30 pm" << hms(21, 30, 0);
        QTest::newRow("typed locale's own pm before") << true << "ko_KR" << "\uC624\uD6C4 9:30" << hms(21, 30, 0);
        QTest::newRow("typed the cell's own text") << true << "en_US" << "12:00:00 PM" << 0.5;
        QTest::newRow("typed a date and time as the cell shows it")
            << true << "en_GB" << "01/11/2009 18:00:00" << 40118.75;
        QTest::newRow("typed hour 24") << true << "C" << "24:00" << -1.0;
        QTest::newRow("typed minute 65") << true << "C" << "7:65" << -1.0;
        QTest::newRow("typed four parts") << true << "C" << "13:30:00:00" << -1.0;
        QTest::newRow("typed one-digit minute") << true << "C" << "7:5" << -1.0;
        QTest::newRow("typed seven digits") << true << "C" << "1330000" << -1.0;
        QTest::newRow("typed mixed separators") << true << "de_DE" << "7.05:00" << -1.0;
        QTest::newRow("typed space inside") << true << "C" << "13 30" << -1.0;
        QTest::newRow("typed negative") << true << "C" << "-7:05" << -1.0;
        QTest::newRow("typed 13 pm") << true << "en_US" << "13:30 pm" << -1.0;
        QTest::newRow("typed marker on both sides") << true << "en_US" << "am 9:30 pm" << -1.0;
        QTest::newRow("typed unknown marker") << true << "en_US" << "9:30 xm" << -1.0;
        QTest::newRow("typed marker alone") << true << "en_US" << "pm" << -1.0;
        QTest::newRow("typed empty") << true << "C" << "" << -1.0;
    }
    void ValuesOfTexts()
    {
        QFETCH(bool, typed);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const CellTextCodec codec{QLocale(locale)};
        QCOMPARE((typed ? codec.TypedTextToTime(text) : codec.CellTextToTime(text)).value_or(-1.0), value);
    }

    // A grid stores a cell by this rule: a text that is still the text of the value keeps
    // the value bit for bit, a text that is no time keeps it too, any other text replaces it.
    void StoringACell_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("stored");
        const double withMs = 0.5 + 250.0 / 86'400'000;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("unchanged text keeps milliseconds") << withMs << "12:00:00" << withMs;
        QTest::newRow("new text replaces") << withMs << "13:30" << 0.5625;
        QTest::newRow("same time typed again drops milliseconds") << withMs << "12:00" << 0.5;
        QTest::newRow("no time keeps") << 0.25 << "later" << 0.25;
        QTest::newRow("empty cell of a nan keeps it") << nan << "" << nan;
        QTest::newRow("a date replaces") << 0.25 << "01/11/2009" << 40118.0;
    }
    void StoringACell()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(double, stored);
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        StoreCellText(text, value);
        QCOMPARE(std::bit_cast<quint64>(value), std::bit_cast<quint64>(stored));
    }

    void DefaultLocaleIsFollowed()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(TimeToCellText(0.75), QStringLiteral("18:00:00"));
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        QCOMPARE(TimeToCellText(0.75), QStringLiteral("6:00:00 PM"));
        QCOMPARE(CellTextToTime(QStringLiteral("6:00:00 PM")).value_or(-1), 0.75);
    }
};

QTEST_GUILESS_MAIN(TestCellText)
#include "test_celltext.moc"
