#include "text/CellText.h"

#include <QRegularExpression>
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
        QCOMPARE(StripTimeZone(QStringLiteral("t h:mm:ss AP tttt")), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(StripTimeZone(QStringLiteral("HH 'h' mm 't' ss t")), QStringLiteral("HH 'h' mm 't' ss"));
        QCOMPARE(WithoutSeconds(QStringLiteral("HH 'Uhr' mm 'ss' s.ss")), QStringLiteral("HH 'Uhr' mm 'ss'"));
    }

    // The format edits agree with the patterns they stand for on every locale's time format.
    void FormatEditsMatchPatternsOnEveryLocale()
    {
        const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
        const QRegularExpression seconds(QStringLiteral("[^A-Za-z]*s{1,2}"));
        const QList<QLocale> locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        QVERIFY(locales.size() > 100);
        for (const QLocale &locale : locales) {
            for (const QString &format :
                 {locale.timeFormat(QLocale::LongFormat), locale.timeFormat(QLocale::ShortFormat)}) {
                if (format.contains(QLatin1Char('\''))) {
                    continue; // the edits leave quoted text alone; the patterns would not
                }
                QCOMPARE(StripTimeZone(format), QString(format).replace(zone, QStringLiteral(" ")).simplified());
                QCOMPARE(WithoutSeconds(format), QString(format).remove(seconds));
            }
        }
    }

    void EveryWholeSecondRoundTrips_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << QStringLiteral("C");
        QTest::newRow("24-hour") << QStringLiteral("de_DE");
        QTest::newRow("12-hour") << QStringLiteral("en_US");
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

    // What a value shows as in a cell, and what a text reads as, in a cell (a time with or
    // without seconds, a date, or both) or as typed into one (the ways people write a time;
    // what is none of them is read as a cell text). -1: refused, nothing guessed; dates
    // before the day count among them (their values would be negative, which a cell shows as
    // the number it is). A typed row that a cell text would also read shows
    // little when the typed reading refuses it.
    void TextsAndValues_data() // clang-format off
    {
        QTest::addColumn<QString>("way"); // "shows", "reads" (as a cell), "both" or "typed"
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const auto hms = [](int h, int m, int s) { return (h * 3600 + m * 60 + s) / 86'400.0; };
        QTest::newRow("noon 24h") << "both" << "de_DE" << "12:00:00" << 0.5;
        QTest::newRow("noon 12h") << "both" << "en_US" << "12:00:00 PM" << 0.5;
        QTest::newRow("midnight is a time") << "both" << "en_GB" << "00:00:00" << 0.0;
        QTest::newRow("before the count, its number") << "shows" << "en_GB" << "-1.25" << -1.25;
        QTest::newRow("a moment before the count") << "shows" << "en_GB" << "-1.1574074074074073e-05" << -1.0 / 86'400;
        QTest::newRow("whole day is a date") << "both" << "en_GB" << "01/11/2009" << 40118.0;
        QTest::newRow("date and time") << "both" << "en_GB" << "01/11/2009 18:00:00" << 40118.75;
        QTest::newRow("us date four-digit year") << "both" << "en_US" << "11/1/2009" << 40118.0;
        QTest::newRow("nan shows as nan") << "shows" << "en_GB" << "nan" << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("beyond every date, its number") << "shows" << "de_DE" << "2147483647" << 2147483647.0;
        QTest::newRow("the largest double") << "shows" << "en_GB" << "1.7976931348623157e+308"
                                            << std::numeric_limits<double>::max();
        QTest::newRow("a moment before midnight shows the next day")
            << "shows" << "en_GB" << "01/01/1900 00:00:00" << std::nextafter(2.0, 0.0);
        QTest::newRow("rounding into year 10000 shows its number")
            << "shows" << "en_GB" << "2958465.9999999995" << std::nextafter(2'958'466.0, 0.0);
        QTest::newRow("without seconds") << "reads" << "en_GB" << "13:30" << 0.5625;
        QTest::newRow("24-hour in 12-hour locale") << "reads" << "en_US" << "13:30" << 0.5625;
        QTest::newRow("12-hour without seconds") << "reads" << "en_US" << "1:30 PM" << 0.5625;
        QTest::newRow("spaces around") << "reads" << "de_DE" << "  06:00:00 " << 0.25;
        QTest::newRow("first day of the count") << "reads" << "en_GB" << "30/12/1899" << 0.0;
        QTest::newRow("trailing junk") << "reads" << "en_GB" << "12:00:00 x" << -1.0;
        QTest::newRow("day before with a time") << "reads" << "en_US" << "12/29/1899 6:00:00 AM" << -1.0;
        QTest::newRow("typed 13:30") << "typed" << "C" << "13:30" << hms(13, 30, 0);
        QTest::newRow("typed 13.30.15") << "typed" << "de_DE" << "13.30.15" << hms(13, 30, 15);
        QTest::newRow("typed 7:05") << "typed" << "C" << "7:05" << hms(7, 5, 0);
        QTest::newRow("typed 7.05") << "typed" << "de_DE" << "7.05" << hms(7, 5, 0);
        QTest::newRow("typed 1330") << "typed" << "C" << "1330" << hms(13, 30, 0);
        QTest::newRow("typed 730") << "typed" << "C" << "730" << hms(7, 30, 0);
        QTest::newRow("typed 133000") << "typed" << "de_DE" << "133000" << hms(13, 30, 0);
        QTest::newRow("typed hour alone") << "typed" << "C" << "13" << hms(13, 0, 0);
        QTest::newRow("typed 9:30pm") << "typed" << "en_US" << "9:30pm" << hms(21, 30, 0);
        QTest::newRow("typed 9 a.m.") << "typed" << "en_US" << "9 a.m." << hms(9, 0, 0);
        QTest::newRow("typed 24-hour in a 12-hour locale") << "typed" << "en_US" << "21:30" << hms(21, 30, 0);
        QTest::newRow("typed no marker is not the old PM") << "typed" << "en_US" << "0930" << hms(9, 30, 0);
        QTest::newRow("typed 12:00 am is midnight") << "typed" << "en_US" << "12:00 am" << 0.0;
        QTest::newRow("typed 12:30 pm is after noon") << "typed" << "en_US" << "12:30 pm" << hms(12, 30, 0);
        QTest::newRow("typed 0:30 pm refused") << "typed" << "en_US" << "0:30 pm" << -1.0;
        QTest::newRow("typed 0:00 pm refused") << "typed" << "en_US" << "0:00 pm" << -1.0;
        QTest::newRow("typed 0 am refused") << "typed" << "en_GB" << "0 am" << -1.0;
        QTest::newRow("typed Pm in a 24-hour locale") << "typed" << "de_DE" << "9:30 Pm" << hms(21, 30, 0);
        QTest::newRow("typed locale's own pm before") << "typed" << "ko_KR" << "\uC624\uD6C4 9:30" << hms(21, 30, 0);
        QTest::newRow("typed a date and time as the cell shows it")
            << "typed" << "en_GB" << "01/11/2009 18:00:00" << 40118.75;
        QTest::newRow("typed hour 24") << "typed" << "C" << "24:00" << -1.0;
        QTest::newRow("typed four parts") << "typed" << "C" << "13:30:00:00" << -1.0;
        QTest::newRow("typed one-digit minute") << "typed" << "C" << "7:5" << -1.0;
        QTest::newRow("typed seven digits") << "typed" << "C" << "1330000" << -1.0;
        QTest::newRow("typed mixed separators") << "typed" << "de_DE" << "7.05:00" << -1.0;
        QTest::newRow("typed space inside") << "typed" << "C" << "13 30" << -1.0;
        QTest::newRow("typed 13 pm") << "typed" << "en_US" << "13:30 pm" << -1.0;
        QTest::newRow("typed marker on both sides") << "typed" << "en_US" << "am 9:30 pm" << -1.0;
        QTest::newRow("typed unknown marker") << "typed" << "en_US" << "9:30 xm" << -1.0;
    } // clang-format on
    void TextsAndValues()
    {
        QFETCH(QString, way);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const CellTextCodec codec{QLocale(locale)};
        if (way == "shows" || way == "both") {
            QCOMPARE(codec.TimeToCellText(value), text);
        }
        if (way != "shows") {
            QCOMPARE((way == "typed" ? codec.TypedTextToTime(text) : codec.CellTextToTime(text)).value_or(-1.0), value);
        }
    }

    // A grid stores a cell by this rule: a text that is still the text of the value keeps
    // the value bit for bit, a text that is no time keeps it too, any other text replaces it.
    // The texts are those of the default locale, whichever it is at the time.
    void StoringACell_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("stored");
        const double withMs = 0.5 + 250.0 / 86'400'000;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("unchanged text keeps milliseconds") << "en_GB" << withMs << "12:00:00" << withMs;
        QTest::newRow("new text replaces") << "en_GB" << withMs << "13:30" << 0.5625;
        QTest::newRow("same time typed again drops milliseconds") << "en_GB" << withMs << "12:00" << 0.5;
        QTest::newRow("no time keeps") << "en_GB" << 0.25 << "later" << 0.25;
        QTest::newRow("empty cell of a nan keeps it") << "en_GB" << nan << "" << nan;
        QTest::newRow("unchanged 12-hour text keeps milliseconds") << "en_US" << withMs << "12:00:00 PM" << withMs;
        QTest::newRow("a date replaces") << "de_DE" << 0.25 << "01.11.2009" << 40118.0;
    }
    void StoringACell()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(double, stored);
        QLocale::setDefault(QLocale(locale));
        StoreCellText(text, value);
        QCOMPARE(std::bit_cast<quint64>(value), std::bit_cast<quint64>(stored));
    }
};

QTEST_GUILESS_MAIN(TestCellText)
#include "test_celltext.moc"
