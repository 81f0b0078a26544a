#include "text/CellText.h"
#include "core/Easter.h"
#include "text/HolidayRuleFile.h"
#include "text/HolidayText.h"
#include "HolidayRulesV1.h"
#include "core/HolidayRules.h"
#include "app/HolidaysDialog.h"
#include "MainFormFixture.h"
#include "ScriptedDialogs.h"
#include "text/QtDateTime.h"
#include "core/SendCheck.h"
#include "editor/SpecialDateEdit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace korvelt;
using namespace korvelt::test;

namespace {

TDateTime Day(int year, int month, int day)
{
    TDateTime date = 0;
    TryEncodeDate(year, month, day, date);
    return date;
}

// Holidays as "MM-dd name" lines, or "MM-dd" alone.
QStringList Texts(const std::vector<Holiday> &holidays, bool names)
{
    QStringList texts;
    for (const Holiday &h : holidays) {
        const QString date = ToQDate(h.Date).toString(QStringLiteral("MM-dd"));
        texts << (names ? date + ' ' + HolidayNamesText(h) : date);
    }
    return texts;
}

HolidayRule Rule(HolidayRuleKind kind, int month, int day, int offset = 0, WeekendMove move = WeekendMove::None)
{
    HolidayRule rule;
    rule.Kind = kind;
    rule.Name = "Rule";
    rule.Month = month;
    rule.Day = day; // and Nth for NthWeekday
    rule.Nth = day;
    rule.Offset = offset; // and Weekday for the weekday kinds
    rule.Weekday = offset;
    rule.Move = move;
    return rule;
}

// Why a rule is unsound, as the user reads it; empty when it is sound.
QString ProblemText(const HolidayRule &rule)
{
    const auto problem = RuleProblem(rule);
    return problem ? RuleProblemText(*problem) : QString();
}

} // namespace

Q_DECLARE_METATYPE(korvelt::HolidayRule)
Q_DECLARE_METATYPE(std::vector<korvelt::HolidayRule>)

class TestHolidays : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_GB"))); }

    // Published Easter dates, the earliest and the latest the device's years see among them.
    void EasterSundays()
    {
        const QStringList known{"2000-04-23", "2001-04-15", "2002-03-31", "2005-03-27", "2008-03-23", "2011-04-24",
                                "2013-03-31", "2016-03-27", "2019-04-21", "2024-03-31", "2025-04-20", "2026-04-05",
                                "2027-03-28", "2038-04-25", "2100-03-28", "2160-03-23", "2190-04-25", "2228-03-23"};
        for (const QString &text : known) {
            const QDate date = QDate::fromString(text, Qt::ISODate);
            const DateParts easter = EasterSunday(date.year());
            QCOMPARE(QDate(easter.Year, easter.Month, easter.Day), date);
            QCOMPARE(DayOfWeek(FromQDate(date)), 0);
        }
        // Every year the device holds: a Sunday from 22 March to 25 April.
        for (int year = 2000; year <= 2255; ++year) {
            const DateParts e = EasterSunday(year);
            const TDateTime date = Day(year, e.Month, e.Day);
            QVERIFY(DayOfWeek(date) == 0 && date >= Day(year, 3, 22) && date <= Day(year, 4, 25));
        }
    }

    // One rule over a calendar year: the date it gives, and its name when it moved.
    void RuleKinds_data() // clang-format off
    {
        using K = HolidayRuleKind;
        using M = WeekendMove;
        QTest::addColumn<HolidayRule>("rule");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fixed") << Rule(K::FixedDate, 12, 25) << 2026 << "12-25 Rule";
        QTest::newRow("29 Feb, common year") << Rule(K::FixedDate, 2, 29) << 2027 << "";
        QTest::newRow("29 Feb, leap year") << Rule(K::FixedDate, 2, 29) << 2028 << "02-29 Rule";
        QTest::newRow("Good Friday") << Rule(K::EasterOffset, 0, 0, -2) << 2027 << "03-26 Rule";
        QTest::newRow("Corpus Christi") << Rule(K::EasterOffset, 0, 0, 60) << 2038 << "06-24 Rule";
        QTest::newRow("4th Thursday of November") << Rule(K::NthWeekday, 11, 4, 4) << 2026 << "11-26 Rule";
        QTest::newRow("1st Monday, month starts Tuesday") << Rule(K::NthWeekday, 9, 1, 1) << 2026 << "09-07 Rule";
        QTest::newRow("1st Tuesday, month starts Tuesday") << Rule(K::NthWeekday, 9, 1, 2) << 2026 << "09-01 Rule";
        QTest::newRow("last Monday of May") << Rule(K::LastWeekday, 5, 0, 1) << 2026 << "05-25 Rule";
        QTest::newRow("last Thursday, month ends Thursday") << Rule(K::LastWeekday, 12, 0, 4) << 2026 << "12-31 Rule";
        QTest::newRow("Saturday to Monday") << Rule(K::FixedDate, 12, 26, 0, M::Monday) << 2026 << "12-28 Rule (substitute day)";
        QTest::newRow("Sunday to Monday") << Rule(K::FixedDate, 1, 1, 0, M::Monday) << 2023 << "01-02 Rule (substitute day)";
        QTest::newRow("weekday stays") << Rule(K::FixedDate, 12, 25, 0, M::Monday) << 2026 << "12-25 Rule";
        QTest::newRow("Saturday to Friday") << Rule(K::FixedDate, 7, 4, 0, M::NearestWeekday) << 2026 << "07-03 Rule (observed)";
        QTest::newRow("Sunday to Saturday") << Rule(K::FixedDate, 4, 27, 0, M::SundayToSaturday) << 2025 << "04-26 Rule (observed)";
        QTest::newRow("moved out of the year") << Rule(K::FixedDate, 1, 1, 0, M::NearestWeekday) << 2027 << "12-31 Rule (observed)";
    } // clang-format on
    void RuleKinds()
    {
        QFETCH(HolidayRule, rule);
        QFETCH(int, year);
        QFETCH(QString, expected);
        QVERIFY(!RuleProblem(rule));
        // 1 Jan 2028 is a Saturday: its observed day falls in 2027, the date of 2027 is a Friday.
        QStringList texts = Texts(GenerateHolidays({rule}, Day(year, 1, 1), Day(year, 12, 31)), true);
        if (QTest::currentDataTag() == QLatin1String("moved out of the year")) {
            QCOMPARE(texts.first(), QStringLiteral("01-01 Rule"));
            texts.removeFirst();
        }
        QCOMPARE(texts.join(','), expected);
    }

    // The years a rule holds, its one-off changes and weekday steps, over a span of years:
    // the dates it gives, "yyyy-MM-dd" and a "*" for a moved day.
    void RuleYears_data() // clang-format off
    {
        using K = HolidayRuleKind;
        using M = WeekendMove;
        using S = WeekdayStep;
        QTest::addColumn<HolidayRule>("rule");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("expected");
        const auto years = [](HolidayRule rule, int first, int last, int every = 1) {
            rule.FirstYear = first;
            rule.LastYear = last;
            rule.EveryYears = every;
            return rule;
        };
        const auto changed = [](HolidayRule rule, std::vector<YearChange> changes) {
            rule.Changes = std::move(changes);
            return rule;
        };
        const auto step = [](HolidayRule rule, WeekdayStep how, int weekday) {
            rule.Step = how;
            rule.StepWeekday = weekday;
            return rule;
        };
        QTest::newRow("from a year") << years(Rule(K::FixedDate, 6, 19), 2021, 0) << 2019 << 2022
                                     << "2021-06-19 2022-06-19";
        QTest::newRow("until a year") << years(Rule(K::FixedDate, 4, 30), 0, 2013) << 2012 << 2015
                                      << "2012-04-30 2013-04-30";
        QTest::newRow("one year only") << years(Rule(K::FixedDate, 4, 29), 2011, 2011) << 2000 << 2100 << "2011-04-29";
        QTest::newRow("bounds of an Easter rule") << years(Rule(K::EasterOffset, 0, 0, 1), 2025, 2026) << 2024 << 2027
                                                  << "2025-04-21 2026-04-06";
        QTest::newRow("every 5 years") << years(Rule(K::FixedDate, 5, 5), 2000, 0, 5) << 2019 << 2031
                                       << "2020-05-05 2025-05-05 2030-05-05";
        QTest::newRow("every 5 years, none before the first") << years(Rule(K::FixedDate, 5, 5), 2025, 2035, 5) << 2015
                                                              << 2045 << "2025-05-05 2030-05-05 2035-05-05";
        QTest::newRow("moved one year") << changed(Rule(K::NthWeekday, 5, 1, 1), {{2020, 5, 8}}) << 2019 << 2021
                                        << "2019-05-06 2020-05-08 2021-05-03";
        QTest::newRow("dropped one year") << changed(Rule(K::LastWeekday, 8, 0, 1), {{2020, 0, 0}}) << 2019 << 2021
                                          << "2019-08-26 2021-08-30";
        QTest::newRow("moved onto a Sunday stays") << changed(Rule(K::FixedDate, 1, 1, 0, M::Monday), {{2022, 1, 2}})
                                                   << 2022 << 2022 << "2022-01-02";
        QTest::newRow("a change outside the years counts")
            << years(changed(Rule(K::FixedDate, 6, 1), {{2019, 6, 3}}), 2020, 0) << 2019 << 2020 << "2019-06-03 2020-06-01";
        QTest::newRow("Wednesday before 23 Nov") << step(Rule(K::FixedDate, 11, 23), S::Before, 3) << 2026 << 2028
                                                 << "2026-11-18 2027-11-17 2028-11-22";
        QTest::newRow("Wednesday before, on a Wednesday") << step(Rule(K::FixedDate, 11, 23), S::Before, 3) << 2022
                                                          << 2022 << "2022-11-16";
        QTest::newRow("Wednesday on or before, on a Wednesday") << step(Rule(K::FixedDate, 11, 23), S::OnOrBefore, 3)
                                                                << 2022 << 2022 << "2022-11-23";
        QTest::newRow("Monday before 25 May, on a Monday") << step(Rule(K::FixedDate, 5, 25), S::Before, 1) << 2020 << 2021
                                                           << "2020-05-18 2021-05-24";
        QTest::newRow("Friday after the 4th Thursday") << step(Rule(K::NthWeekday, 11, 4, 4), S::After, 5) << 2026 << 2026
                                                       << "2026-11-27";
        QTest::newRow("Sunday after, on a Sunday") << step(Rule(K::FixedDate, 9, 6), S::After, 0) << 2026 << 2026
                                                   << "2026-09-13";
        QTest::newRow("Sunday on or after, on a Sunday") << step(Rule(K::FixedDate, 9, 6), S::OnOrAfter, 0) << 2026
                                                         << 2026 << "2026-09-06";
        QTest::newRow("after, into the next year") << step(Rule(K::FixedDate, 12, 31), S::After, 1) << 2026 << 2026
                                                   << "2026-01-05";
        QTest::newRow("Sunday to Monday") << Rule(K::FixedDate, 7, 1, 0, M::SundayToMonday) << 2028 << 2029
                                          << "2028-07-01 2029-07-02*";
    } // clang-format on
    void RuleYears()
    {
        QFETCH(HolidayRule, rule);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, expected);
        QVERIFY2(!RuleProblem(rule), qPrintable(ProblemText(rule)));
        QStringList dates;
        for (const Holiday &h : GenerateHolidays({rule}, Day(first, 1, 1), Day(last, 12, 31))) {
            dates << ToQDate(h.Date).toString(Qt::ISODate) +
                         (HolidayNamesText(h) == QString::fromStdString(rule.Name) ? "" : "*");
        }
        QCOMPARE(dates.join(' '), expected);
    }

    // Substitute days of several rules land on distinct free days, also when one is carried
    // over the year's end into the days of the next year's holidays.
    void SubstituteDays_data() // clang-format off
    {
        using K = HolidayRuleKind;
        using M = WeekendMove;
        QTest::addColumn<std::vector<HolidayRule>>("rules");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("expected");
        const auto named = [](HolidayRule rule, const char *name) {
            rule.Name = name;
            return rule;
        };
        const HolidayRule eve = named(Rule(K::FixedDate, 12, 31, 0, M::Monday), "Eve");
        const HolidayRule newYear = named(Rule(K::FixedDate, 1, 1, 0, M::Monday), "New Year");
        const HolidayRule second = named(Rule(K::FixedDate, 1, 2), "Second");
        // 31 December 2033 is a Saturday, 1 January 2034 a Sunday.
        QTest::newRow("carried into the next year's substitute") << std::vector{eve, newYear} << 2034
            << "01-02 Eve (substitute day),01-03 New Year (substitute day)";
        QTest::newRow("carried onto the next year's holiday") << std::vector{second, eve} << 2034
            << "01-02 Second,01-03 Eve (substitute day)";
        QTest::newRow("both in one year") << std::vector{newYear, named(Rule(K::FixedDate, 1, 2, 0, M::Monday), "Second")}
            << 2033 << "01-03 New Year (substitute day),01-04 Second (substitute day)";
    } // clang-format on
    void SubstituteDays()
    {
        QFETCH(std::vector<HolidayRule>, rules);
        QFETCH(int, year);
        QFETCH(QString, expected);
        QCOMPARE(Texts(GenerateHolidays(rules, Day(year, 1, 1), Day(year, 1, 31)), true).join(','), expected);
    }

    // A rule the years or changes make unsound says why.
    void RuleProblems_data()
    {
        QTest::addColumn<HolidayRule>("rule");
        QTest::addColumn<QString>("problem");
        HolidayRule rule;
        rule.Name = "Rule";
        auto last = rule;
        last.FirstYear = 2020;
        last.LastYear = 2019;
        QTest::newRow("last before first") << last << "The last year (2019) is before the first (2020).";
        auto every = rule;
        every.EveryYears = 5;
        QTest::newRow("every without a first year") << every << "Every 5 years needs the first year to count from.";
        auto twice = rule;
        twice.Changes = {{2020, 5, 8}, {2020, 0, 0}};
        QTest::newRow("a year changed twice") << twice << "2020 is changed twice.";
        auto leap = rule;
        leap.Changes = {{2027, 2, 29}};
        QTest::newRow("a change to no date") << leap << "The change of 2027 is not a date.";
        auto year = rule;
        year.FirstYear = 10000;
        QTest::newRow("a year too late") << year << "The first and the last year must be from 1583 to 9999.";
    }
    void RuleProblems()
    {
        QFETCH(HolidayRule, rule);
        QFETCH(QString, problem);
        QCOMPARE(ProblemText(rule), problem);
        QVERIFY(GenerateHolidays({rule}, Day(2000, 1, 1), Day(2100, 12, 31)).empty());
    }

    // One year of each preset against the country's published list (named beside the preset).
    void Presets_data() // clang-format off
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("expected");
        // Each list's year as its published list has it (the sources are named beside the presets):
        // the years a holiday began, ended, moved or came once among them.
        const std::initializer_list<std::tuple<const char *, int, const char *>> lists{
            {"gb-eaw", 2026, "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-28"},
            {"gb-eaw", 2021, "01-01 04-02 04-05 05-03 05-31 08-30 12-27 12-28"},
            {"gb-eaw", 2002, "01-01 03-29 04-01 05-06 06-03 06-04 08-26 12-25 12-26"},
            {"gb-eaw", 2011, "01-03 04-22 04-25 04-29 05-02 05-30 08-29 12-26 12-27"},
            {"gb-eaw", 2012, "01-02 04-06 04-09 05-07 06-04 06-05 08-27 12-25 12-26"},
            {"gb-eaw", 2020, "01-01 04-10 04-13 05-08 05-25 08-31 12-25 12-28"},
            {"gb-eaw", 2022, "01-03 04-15 04-18 05-02 06-02 06-03 08-29 09-19 12-26 12-27"},
            {"gb-eaw", 2023, "01-02 04-07 04-10 05-01 05-08 05-29 08-28 12-25 12-26"},
            {"gb-sct", 2006, "01-02 01-03 04-14 05-01 05-29 08-07 12-25 12-26"},
            {"gb-sct", 2027, "01-01 01-04 03-26 05-03 05-31 08-02 11-30 12-27 12-28"},
            {"gb-sct", 2026, "01-01 01-02 04-03 05-04 05-25 06-15 08-03 11-30 12-25 12-28"},
            {"gb-nir", 2027, "01-01 03-17 03-26 03-29 05-03 05-31 07-12 08-30 12-27 12-28"},
            {"gb-nir", 2021, "01-01 03-17 04-02 04-05 05-03 05-31 07-12 08-30 12-27 12-28"},
            {"ie", 2022, "01-01 03-17 03-18 04-18 05-02 06-06 08-01 10-31 12-25 12-26"},
            {"ie", 2023, "01-01 02-06 03-17 04-10 05-01 06-05 08-07 10-30 12-25 12-26"},
            {"ie", 2030, "01-01 02-01 03-17 04-22 05-06 06-03 08-05 10-28 12-25 12-26"},
            {"de", 2026, "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26"},
            {"de", 2008, "01-01 03-21 03-24 05-01 05-12 10-03 12-25 12-26"},
            {"de", 2017, "01-01 04-14 04-17 05-01 05-25 06-05 10-03 10-31 12-25 12-26"},
            {"de-sn", 2022, "01-01 04-15 04-18 05-01 05-26 06-06 10-03 10-31 11-16 12-25 12-26"},
            {"de-sn", 2027, "01-01 03-26 03-29 05-01 05-06 05-17 10-03 10-31 11-17 12-25 12-26"},
            {"de-by", 2026, "01-01 01-06 04-03 04-06 05-01 05-14 05-25 06-04 08-15 10-03 11-01 12-25 12-26"},
            {"de-be", 2018, "01-01 03-30 04-02 05-01 05-10 05-21 10-03 12-25 12-26"},
            {"de-be", 2025, "01-01 03-08 04-18 04-21 05-01 05-08 05-29 06-09 10-03 12-25 12-26"},
            {"de-be", 2028, "01-01 03-08 04-14 04-17 05-01 05-25 06-05 06-17 10-03 12-25 12-26"},
            {"de-ni", 2016, "01-01 03-25 03-28 05-01 05-05 05-16 10-03 12-25 12-26"},
            {"de-ni", 2017, "01-01 04-14 04-17 05-01 05-25 06-05 10-03 10-31 12-25 12-26"},
            {"de-ni", 2018, "01-01 03-30 04-02 05-01 05-10 05-21 10-03 10-31 12-25 12-26"},
            {"de-th", 2019, "01-01 04-19 04-22 05-01 05-30 06-10 09-20 10-03 10-31 12-25 12-26"},
            {"at", 2026, "01-01 01-06 04-06 05-01 05-14 05-25 06-04 08-15 10-26 11-01 12-08 12-25 12-26"},
            {"ch", 2026, "01-01 05-14 08-01 12-25"},
            {"ch-ge", 2026, "01-01 04-03 04-06 05-14 05-25 08-01 09-10 12-25 12-31"},
            {"ch-vd", 2026, "01-01 01-02 04-03 04-06 05-14 05-25 08-01 09-21 12-25"},
            {"ch-ti", 2026, "01-01 01-06 03-19 04-06 05-01 05-14 05-25 06-04 06-29 08-01 08-15 11-01 12-08 12-25 12-26"},
            {"be", 2026, "01-01 04-06 05-01 05-14 05-25 07-21 08-15 11-01 11-11 12-25"},
            {"fr", 2026, "01-01 04-06 05-01 05-08 05-14 05-25 07-14 08-15 11-01 11-11 12-25"},
            {"it", 2000, "01-01 01-06 04-23 04-24 04-25 05-01 08-15 11-01 12-08 12-25 12-26"},
            {"it", 2011, "01-01 01-06 03-17 04-24 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
            {"it", 2025, "01-01 01-06 04-20 04-21 04-25 05-01 06-02 08-15 11-01 12-08 12-25 12-26"},
            {"it", 2026, "01-01 01-06 04-05 04-06 04-25 05-01 06-02 08-15 10-04 11-01 12-08 12-25 12-26"},
            {"es", 2026, "01-01 01-06 04-03 05-01 08-15 10-12 11-01 12-06 12-08 12-25"},
            {"pl", 2018, "01-01 01-06 04-01 04-02 05-01 05-03 05-20 05-31 08-15 11-01 11-11 11-12 12-25 12-26"},
            {"pl", 2025, "01-01 01-06 04-20 04-21 05-01 05-03 06-08 06-19 08-15 11-01 11-11 12-24 12-25 12-26"},
            {"nl", 2006, "01-01 04-16 04-17 04-29 05-25 06-04 06-05 12-25 12-26"},
            {"nl", 2013, "01-01 03-31 04-01 04-30 05-09 05-19 05-20 12-25 12-26"},
            {"nl", 2014, "01-01 04-20 04-21 04-26 05-29 06-08 06-09 12-25 12-26"},
            {"nl", 2026, "01-01 04-05 04-06 04-27 05-14 05-24 05-25 12-25 12-26"},
            {"us", 2020, "01-01 01-20 02-17 05-25 07-03 09-07 10-12 11-11 11-26 12-25"},
            {"us", 2021, "01-01 01-18 02-15 05-31 06-18 07-05 09-06 10-11 11-11 11-25 12-24 12-31"},
            {"us", 2026, "01-01 01-19 02-16 05-25 06-19 07-03 09-07 10-12 11-11 11-26 12-25"},
            {"ca", 2020, "01-01 04-10 05-18 07-01 09-07 10-12 11-11 12-25 12-28"},
            {"ca", 2027, "01-01 03-26 05-24 07-01 09-06 09-30 10-11 11-11 12-27 12-28"},
            {"ca", 2029, "01-01 03-30 05-21 07-02 09-03 10-01 10-08 11-12 12-25 12-26"},
            {"ca", 2023, "01-02 04-07 05-22 07-03 09-04 10-02 10-09 11-13 12-25 12-26"},
            {"au", 2011, "01-03 01-26 04-22 04-25 04-26 06-13 12-26 12-27"},
            {"au", 2022, "01-03 01-26 04-15 04-18 04-25 06-13 09-22 12-26 12-27"},
            {"au", 2027, "01-01 01-26 03-26 03-29 04-25 06-14 12-27 12-28"},
        };
        for (const auto &[code, year, dates] : lists) {
            QTest::addRow("%s %d", code, year) << code << year << dates;
        }
    } // clang-format on
    void Presets()
    {
        QFETCH(QString, code);
        QFETCH(int, year);
        QFETCH(QString, expected);
        const HolidayPreset *preset = FindHolidayPreset(code.toStdString());
        QVERIFY(preset != nullptr);
        const auto holidays = GenerateHolidays(preset->Rules, Day(year, 1, 1), Day(year, 12, 31));
        QCOMPARE(Texts(holidays, false).join(' '), expected);
        if (year == 2008) {
            QCOMPARE(HolidayText(holidays.at(3)), std::string("2008-05-01 Thu Labour Day / Ascension Day"));
        }
        if (code == "gb-eaw" && year == 2021) {
            QCOMPARE(HolidayNamesText(holidays.back()), QStringLiteral("Boxing Day (substitute day)"));
        }
    }

    // Every name a preset gives, its own and its rules', and every note of its rules are in the
    // tables the program translates, so that one added later cannot be left out of the
    // translations.
    void PresetNamesTranslatable_data()
    {
        QTest::addColumn<QString>("code");
        for (const HolidayPreset &preset : HolidayPresets()) {
            QTest::newRow(preset.Code.data()) << QString::fromUtf8(preset.Code.data(), preset.Code.size());
        }
    }
    void PresetNamesTranslatable()
    {
        QFETCH(QString, code);
        const HolidayPreset *preset = FindHolidayPreset(code.toStdString());
        QVERIFY(preset != nullptr);
        const auto inTable = [](std::string_view name) {
            return std::ranges::any_of(HolidayNameTable(), [name](const char *entry) { return name == entry; });
        };
        QVERIFY2(inTable(preset->Name), preset->Name.data());
        for (const HolidayRule &rule : preset->Rules) {
            QVERIFY2(rule.Preset, rule.Name.c_str());
            QVERIFY2(inTable(rule.Name), rule.Name.c_str());
            QVERIFY2(
                rule.Note.empty() ||
                    std::ranges::any_of(HolidayNoteTable(), [&rule](const char *entry) { return rule.Note == entry; }),
                rule.Note.c_str());
        }
    }

    // Every preset in every year from 2000 to 2100: sound rules, one entry a day in date order,
    // no substitute or observed day on a weekend, and as many days as the rules that hold that
    // year (less those that fall together). The years a published list differs are in the
    // presets' comments.
    void PresetsEveryYear()
    {
        for (const HolidayPreset &preset : HolidayPresets()) {
            for (const HolidayRule &rule : preset.Rules) {
                QVERIFY2(!RuleProblem(rule), qPrintable(QString::fromStdString(rule.Name)));
            }
            for (int year = 2000; year <= 2100; ++year) {
                const auto holidays = GenerateHolidays(preset.Rules, Day(year, 1, 1), Day(year, 12, 31));
                const QString where = QStringLiteral("%1 %2").arg(preset.Code.data()).arg(year);
                int holding = 0;
                for (const HolidayRule &rule : preset.Rules) {
                    holding += rule.Used && RuleDate(rule, year) ? 1 : 0;
                }
                // The US's New Year's Day of next year may be observed on 31 December.
                const auto extra = static_cast<int>(std::ranges::count_if(holidays, [year](const Holiday &h) {
                    return DecodeDate(h.Date).Year == year && DecodeDate(h.Date).Month == 12 &&
                           HolidayNamesText(h).startsWith(QStringLiteral("New Year's Day"));
                }));
                const auto count = static_cast<int>(holidays.size()) - extra;
                QVERIFY2(count <= holding && count >= holding - 2, qPrintable(where));
                for (std::size_t k = 0; k < holidays.size(); ++k) {
                    const Holiday &h = holidays.at(k);
                    QVERIFY2(k == 0 || holidays.at(k - 1).Date < h.Date, qPrintable(where));
                    const bool moved = std::ranges::any_of(
                        h.Names, [](const HolidayName &name) { return name.Moved != HolidayMove::None; });
                    const int weekday = DayOfWeek(h.Date);
                    QVERIFY2(!moved || (weekday != 0 && (weekday != 6 || preset.Code == "nl")),
                             qPrintable(where + ' ' + HolidayNamesText(h)));
                }
            }
        }
    }

    // More holidays than special dates: the first 16 in date order, the rest reported. Fewer:
    // the other dates stay or repeat the last holiday. Only days the device can hold.
    void ApplyToSpecialDates_data() // clang-format off
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("dates");
        QTest::addColumn<QString>("leftOut");
        const QString kept = QStringLiteral(" 11-01").repeated(8);
        QTest::newRow("over 16") << "de" << QDate(2026, 1, 1) << QDate(2027, 12, 31) << false
                                 << "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26 01-01 03-26 03-29 05-01 05-06 05-17 10-03"
                                 << "12-25,12-26";
        QTest::newRow("under 16, keep") << "gb-eaw" << QDate(2026, 1, 1) << QDate(2026, 12, 31) << false
                                        << "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-28" + kept << "";
        QTest::newRow("under 16, repeat") << "gb-eaw" << QDate(2026, 1, 1) << QDate(2026, 12, 31) << true
                                          << "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-28" + QStringLiteral(" 12-28").repeated(8)
                                          << "";
        QTest::newRow("none: nothing changes") << "gb-eaw" << QDate(2026, 1, 2) << QDate(2026, 4, 2) << true
                                               << QStringLiteral("11-01 ").repeated(16).trimmed() << "";
        QTest::newRow("past the device's years") << "us" << QDate(2255, 12, 1) << QDate(2256, 1, 31) << true
                                                 << QStringLiteral("12-25 ").repeated(16).trimmed() << "";
    } // clang-format on
    void ApplyToSpecialDates()
    {
        QFETCH(QString, code);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(bool, repeat);
        QFETCH(QString, dates);
        QFETCH(QString, leftOut);
        ScheduleModel model;
        const auto holidays =
            GenerateHolidays(FindHolidayPreset(code.toStdString())->Rules, FromQDate(first), FromQDate(last));
        const auto out = ApplyHolidays(model, holidays, repeat ? FewerHolidays::RepeatLast : FewerHolidays::KeepOthers);
        std::vector<Holiday> written;
        for (const TDateTime date : model.SpecialDates) {
            QVERIFY(IsSendableDate(date));
            written.push_back({date, {}});
        }
        QCOMPARE(Texts(written, false).join(' '), dates);
        QCOMPARE(Texts(out, false).join(','), leftOut);
    }

    // The rule file: what is saved loads back; a file that is wrong says where, and loads nothing.
    void RuleFile_data() // clang-format off
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QByteArray head = R"({"format": "korvelt-holiday-rules", "version": 1, "rules": [)";
        QTest::newRow("bad JSON") << head + R"({"kind": "fixed", "month": 12 "day": 25}]})"
                                  << "The file is not valid JSON: unterminated object at character 92.";
        QTest::newRow("unknown kind") << head + R"({"kind": "fixed", "month": 1, "day": 1}, {"kind": "full-moon", "name": "Moon"}]})"
                                      << "Rule 2 (Moon) has an unknown kind \"full-moon\" (known: fixed, easter, nth-weekday, last-weekday).";
        QTest::newRow("30 February") << head + R"({"kind": "fixed", "name": "Leap", "month": 2, "day": 30}]})"
                                     << "Rule 1 (Leap) 30 February is not a date.";
        QTest::newRow("5th weekday") << head + R"({"kind": "nth-weekday", "nth": 5, "weekday": "monday", "month": 5}]})"
                                     << "Rule 1 Which weekday of the month must be from 1 to 4 (or the last).";
        QTest::newRow("not a rule file") << QByteArray(R"({"rules": []})") << "The file is no holiday rule file.";
        QTest::newRow("unknown then") << head + R"({"kind": "fixed", "name": "Fast", "month": 9, "day": 1, "then": "around"}]})"
                                      << "Rule 1 (Fast) has an unknown \"then\" \"around\" (known: before, after, "
                                         "on-or-before, on-or-after).";
        QTest::newRow("then without a weekday") << head + R"({"kind": "fixed", "month": 9, "day": 1, "then": "after"}]})"
                                                << "Rule 1 needs a \"then-weekday\" from sunday to saturday.";
        QTest::newRow("a year as text") << head + R"({"kind": "fixed", "month": 9, "day": 1, "from": "2020"}]})"
                                        << "Rule 1 needs a whole number of years as \"from\".";
        QTest::newRow("a change both moved and dropped")
            << head + R"({"kind": "fixed", "month": 9, "day": 1, "changes": [{"year": 2020, "month": 9, "day": 2, "dropped": true}]}]})"
            << "Rule 1 needs a \"year\" and either a \"month\" and \"day\" or \"dropped\" in each change.";
        QTest::newRow("until before from") << head + R"({"kind": "fixed", "month": 9, "day": 1, "from": 2020, "until": 2010}]})"
                                           << "Rule 1 The last year (2010) is before the first (2020).";
        QTest::newRow("a later version") << QByteArray(R"({"format": "korvelt-holiday-rules", "version": 3, "rules": []})")
                                         << "The file was written by a later version of the program.";
    } // clang-format on
    void RuleFile()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        const HolidayRuleFileResult refused = HolidayRulesFromJson(json);
        QCOMPARE(refused.Message, message);
        QVERIFY(!refused.Loaded && refused.Rules.empty());

        std::vector<HolidayRule> rules = FindHolidayPreset("us")->Rules;
        HolidayRule own;
        own.Kind = HolidayRuleKind::LastWeekday;
        own.Name = "Harvest Friday";
        own.Weekday = 5;
        own.Month = 10;
        rules.push_back(own);
        rules.front().Used = false;
        QTemporaryDir dir;
        const std::filesystem::path path = dir.filePath("rules.json").toStdString();
        QVERIFY(SaveHolidayRuleFile(path, rules));
        const HolidayRuleFileResult loaded = LoadHolidayRuleFile(path);
        QVERIFY2(loaded.Loaded, qPrintable(loaded.Message));
        QVERIFY(loaded.Rules == rules);

        // Every preset, with its years, steps, changes and notes, loads back as it was saved.
        for (const HolidayPreset &preset : HolidayPresets()) {
            const QByteArray json = HolidayRulesToJson(preset.Rules);
            QVERIFY(json.contains("\"version\": 2") || json.contains("\"version\": 1"));
            const HolidayRuleFileResult back = HolidayRulesFromJson(json);
            QVERIFY2(back.Loaded && back.Rules == preset.Rules, preset.Code.data());
        }
    }

    // A file the version 1 program saved loads with the same rules and dates, and is saved
    // back as the same bytes (still version 1, which that program reads).
    void RuleFileOfVersion1()
    {
        const QByteArray saved(HolidayRulesV1);
        const HolidayRuleFileResult loaded = HolidayRulesFromJson(saved);
        QVERIFY2(loaded.Loaded, qPrintable(loaded.Message));
        QCOMPARE(loaded.Rules.size(), std::size_t{16});
        QCOMPARE(HolidayRulesToJson(loaded.Rules), saved);
        QCOMPARE(loaded.Rules.at(14).Name, std::string("Harvest Friday"));
        QVERIFY(!loaded.Rules.at(14).Used);
        QCOMPARE(Texts(GenerateHolidays(loaded.Rules, Day(2027, 1, 1), Day(2027, 12, 31)), false).join(' '),
                 QStringLiteral("01-01 03-26 03-29 04-27 05-03 05-31 06-18 07-05 08-30 11-11 12-24 12-27 12-28 12-31"));
    }
    // The pickers as the window shows them: number, weekday, past mark; "Holidays…" fills
    // them from a country's rules as picks would, and what it fills is a change to save.
    void HolidaysFillThePickers_data() // clang-format off
    {
        QTest::addColumn<QStringList>("countries");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("dates");   // the pickers after "Fill Special Dates"
        QTest::addColumn<QString>("summary");
        const QString y2009 = QStringLiteral(" 01/11/2009");
        QTest::newRow("fewer, keep") << QStringList{"de"} << 2027 << false
                                     << "01/01/2027 26/03/2027 29/03/2027 01/05/2027 06/05/2027 17/05/2027 03/10/2027 "
                                        "25/12/2027 26/12/2027" + y2009.repeated(7)
                                     << "9 holidays fill special dates 1 to 9.";
        QTest::newRow("fewer, repeat") << QStringList{"us"} << 2027 << true
                                       << "01/01/2027 18/01/2027 15/02/2027 31/05/2027 18/06/2027 05/07/2027 06/09/2027 "
                                          "11/10/2027 11/11/2027 25/11/2027 24/12/2027 31/12/2027" +
                                              QStringLiteral(" 31/12/2027").repeated(4)
                                       << "12 holidays fill special dates 1 to 12; special dates 13 to 16 repeat "
                                          "the last one.";
        QTest::newRow("next 12 months") << QStringList{"gb-eaw"} << 0 << false
                                        << "25/12/2026 28/12/2026 01/01/2027 26/03/2027 29/03/2027 03/05/2027 31/05/2027 "
                                           "30/08/2027" + y2009.repeated(8)
                                        << "8 holidays fill special dates 1 to 8.";
        QTest::newRow("more than 16") << QStringList{"de", "fr", "nl"} << 2027 << false
                                      << "01/01/2027 26/03/2027 28/03/2027 29/03/2027 27/04/2027 01/05/2027 06/05/2027 "
                                         "08/05/2027 16/05/2027 17/05/2027 14/07/2027 15/08/2027 03/10/2027 01/11/2027 "
                                         "11/11/2027 25/12/2027"
                                      << "17 holidays: the KORVELT holds 16, the first 16 are used. Left out: "
                                         "26/12/2027 Second Day of Christmas.";
    } // clang-format on
    void HolidaysFillThePickers()
    {
        QFETCH(QStringList, countries);
        QFETCH(int, year);
        QFETCH(bool, repeat);
        QFETCH(QString, dates);
        QFETCH(QString, summary);
        MainFormFixture f;
        f.ShowPage("SpecialTimesAdvTabSheet1");
        auto &first = f.Find<SpecialDateEdit>("SpecialDateDateTimePicker1");
        QCOMPARE(first.NumberLabel().text(), QStringLiteral("1"));
        QCOMPARE(first.WeekdayLabel().text(), QStringLiteral("Sun, past")); // 1 November 2009
        QVERIFY(first.IsPast());

        QTest::mouseClick(&f.Find<QPushButton>("HolidaysButton"), Qt::LeftButton);
        auto *dialog = f.form->findChild<HolidaysDialog *>("HolidaysDialog");
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QCOMPARE(dialog->findChild<QSpinBox *>("YearSpinEdit")->value(), 2027); // December: next year
        auto &preset = *dialog->findChild<QComboBox *>("PresetComboBox");
        for (const QString &code : countries) {
            preset.setCurrentIndex(preset.findData(code));
            QTest::mouseClick(dialog->findChild<QPushButton *>("AddPresetButton"), Qt::LeftButton);
        }
        if (year == 0) {
            QTest::mouseClick(dialog->findChild<QRadioButton *>("NextMonthsRadioButton"), Qt::LeftButton);
        } else {
            MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("YearSpinEdit"), QString::number(year));
        }
        if (repeat) {
            QTest::mouseClick(dialog->findChild<QRadioButton *>("RepeatLastRadioButton"), Qt::LeftButton);
        }
        QCOMPARE(dialog->findChild<QLabel *>("SummaryLabel")->text(), summary);
        const auto &preview = *dialog->findChild<QTreeWidget *>("PreviewList");
        const QDate firstHoliday = QDate::fromString(dates.left(10), QStringLiteral("dd/MM/yyyy"));
        QCOMPARE(preview.topLevelItem(0)->text(1), firstHoliday.toString("ddd"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("FillButton"), Qt::LeftButton);
        QTRY_VERIFY(f.form->findChild<HolidaysDialog *>("HolidaysDialog") == nullptr);

        QStringList shown;
        for (int k = 1; k <= SpecialDateCount; ++k) {
            shown << f.Find<QDateEdit>(QStringLiteral("SpecialDateDateTimePicker%1").arg(k)).text();
        }
        QCOMPARE(shown.join(' '), dates);
        QCOMPARE(first.WeekdayLabel().text(), firstHoliday.toString("ddd"));
        // One step of the history, taken back whole by one Undo.
        QVERIFY(f.form->ScheduleChanged());
        QCOMPARE(f.form->Document().UndoStack().undoText(), QStringLiteral("Fill Special Dates"));
        QCOMPARE(f.form->Model().SpecialDates.at(0), FromQDate(firstHoliday));
        f.form->Document().UndoStack().undo();
        QVERIFY(!f.form->ScheduleChanged());
        QVERIFY(first.date() != firstHoliday);
    }

    // A country added twice (a double-click on Add Country) or an own rule equal to one in the
    // list is not added again, and the status line says so; rules that are the same holiday
    // make no substitute days of each other, wherever they come from (a file, two countries).
    void HolidaysDialogAddsNoRuleTwice()
    {
        MainFormFixture f;
        f.ShowPage("SpecialTimesAdvTabSheet1");
        QTest::mouseClick(&f.Find<QPushButton>("HolidaysButton"), Qt::LeftButton);
        auto *dialog = f.form->findChild<HolidaysDialog *>("HolidaysDialog");
        QVERIFY(dialog != nullptr);
        auto &preset = *dialog->findChild<QComboBox *>("PresetComboBox");
        preset.setCurrentIndex(preset.findData(QStringLiteral("gb-eaw")));
        // As the window system delivers a double-click: press, release, press, release.
        auto *add = dialog->findChild<QPushButton *>("AddPresetButton");
        QTest::mouseDClick(dialog->windowHandle(), Qt::LeftButton, {}, add->mapTo(dialog, add->rect().center()));
        auto &rules = *dialog->findChild<QListWidget *>("RuleList");
        QCOMPARE(rules.count(), 14);
        QVERIFY(dialog->findChild<QLabel *>("StatusLabel") != nullptr);
        const auto &status = *dialog->findChild<QLabel *>("StatusLabel");
        QCOMPARE(status.text(),
                 QStringLiteral("The 14 rules of England and Wales are in the list already: none added again."));

        QTest::keyClicks(dialog->findChild<QLineEdit *>("RuleNameEdit"), QStringLiteral("Christmas Day"));
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleNumberSpinEdit"), QStringLiteral("25"));
        dialog->findChild<QComboBox *>("RuleMonthComboBox")->setCurrentIndex(11);
        QTest::keyClick(dialog->findChild<QComboBox *>("RuleMoveComboBox"), Qt::Key_Down); // the next Monday
        QTest::mouseClick(dialog->findChild<QPushButton *>("AddRuleButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 14);
        QCOMPARE(status.text(), QStringLiteral("\"Christmas Day: 25 December, on a weekend the next Monday\" is in the "
                                               "list already: not added again."));
        QCOMPARE(dialog->findChild<QLineEdit *>("RuleNameEdit")->text(), QStringLiteral("Christmas Day"));

        // Germany shares Good Friday and Easter Monday with England and Wales: the others are added.
        preset.setCurrentIndex(preset.findData(QStringLiteral("de")));
        QTest::mouseClick(dialog->findChild<QPushButton *>("AddPresetButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 22);
        QCOMPARE(status.text(), QStringLiteral("Added 8 rules of Germany (nationwide); 2 are in the list already."));
        rules.item(21)->setCheckState(Qt::Unchecked); // an unticked rule is still the same rule
        QTest::mouseClick(dialog->findChild<QPushButton *>("AddPresetButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 22);
        QCOMPARE(rules.item(21)->checkState(), Qt::Unchecked);

        // 25 and 26 December 2027 are a Saturday and a Sunday: one substitute day each (Germany's
        // Christmas Day stays on its day, its Second Day of Christmas is unticked).
        QStringList preview;
        const auto &list = *dialog->findChild<QTreeWidget *>("PreviewList");
        for (int k = 0; k < list.topLevelItemCount(); ++k) {
            preview << list.topLevelItem(k)->text(0) + ' ' + list.topLevelItem(k)->text(2);
        }
        QCOMPARE(preview.mid(preview.size() - 3).join(','),
                 QStringLiteral("25/12/2027 Christmas Day,27/12/2027 Christmas Day (substitute day),"
                                "28/12/2027 Boxing Day (substitute day)"));

        // Rules doubled in a file loaded, or the same holiday from two countries' lists.
        const std::vector<HolidayRule> &once = FindHolidayPreset("gb-eaw")->Rules;
        std::vector<HolidayRule> twice = once;
        twice.insert(twice.end(), once.begin(), once.end());
        QCOMPARE(Texts(GenerateHolidays(twice, Day(2027, 12, 1), Day(2027, 12, 31)), true).join(','),
                 QStringLiteral("12-27 Christmas Day (substitute day),12-28 Boxing Day (substitute day)"));
    }

    // A region added after its country gives the region's list: its rules take the place of the
    // country's same rules, ticked as the region has them; the country after its region adds
    // nothing. The status line says what happened.
    void HolidaysDialogRegionAfterCountry_data() // clang-format off
    {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("rules");
        QTest::addColumn<QString>("dates");
        const QString zurich = "01-01 04-03 04-06 05-01 05-14 05-25 08-01 12-25 12-26";
        QTest::newRow("Switzerland, then Zurich") << QStringList{"ch", "ch-zh"}
            << "Added 5 rules of Switzerland: Zurich; 4 are in the list already. 4 rules added replace the same rules of "
               "Switzerland (every canton)." << 9 << zurich;
        QTest::newRow("Zurich, then Switzerland") << QStringList{"ch-zh", "ch"}
            << "The 8 rules of Switzerland (every canton) are in the list already: none added again." << 9 << zurich;
        QTest::newRow("Switzerland, then Geneva") << QStringList{"ch", "ch-ge"}
            << "Added 5 rules of Switzerland: Geneva; 4 are in the list already. 3 rules added replace the same rules "
               "of Switzerland (every canton)." << 10 << "01-01 04-03 04-06 05-14 05-25 08-01 09-10 12-25 12-31";
        QTest::newRow("Germany, then Saxony") << QStringList{"de", "de-sn"}
            << "Added 3 rules of Germany: Saxony; 9 are in the list already." << 13
            << "01-01 04-03 04-06 05-01 05-14 05-25 10-03 10-31 11-18 12-25 12-26";
    } // clang-format on
    void HolidaysDialogRegionAfterCountry()
    {
        QFETCH(QStringList, codes);
        QFETCH(QString, status);
        QFETCH(int, rules);
        QFETCH(QString, dates);
        ScriptedDialogs dialogs;
        HolidaysDialog dialog({}, QDate(2026, 3, 1), dialogs);
        auto &preset = *dialog.findChild<QComboBox *>("PresetComboBox");
        for (const QString &code : codes) {
            preset.setCurrentIndex(preset.findData(code));
            QTest::mouseClick(dialog.findChild<QPushButton *>("AddPresetButton"), Qt::LeftButton);
        }
        QCOMPARE(dialog.findChild<QLabel *>("StatusLabel")->text(), status);
        QCOMPARE(static_cast<int>(dialog.Rules().size()), rules);
        QCOMPARE(Texts(dialog.Holidays(), false).join(' '), dates);
    }

    // The own-rule editor makes every kind of rule; the country list starts at the locale's
    // country; several rules are removed at once; long texts are whole in the tooltips.
    void HolidaysDialogEditor_data() // clang-format off
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("country");
        QTest::newRow("de_DE") << "de_DE" << "de";
        QTest::newRow("en_GB") << "en_GB" << "gb-eaw";
        QTest::newRow("nl_NL") << "nl_NL" << "nl";
        QTest::newRow("fr_CH") << "fr_CH" << "ch";
        QTest::newRow("ja_JP: no preset") << "ja_JP" << "gb-eaw";
    } // clang-format on
    void HolidaysDialogEditor()
    {
        QFETCH(QString, locale);
        QFETCH(QString, country);
        QLocale::setDefault(QLocale(locale));
        MainFormFixture f;
        f.ShowPage("SpecialTimesAdvTabSheet1");
        QTest::mouseClick(&f.Find<QPushButton>("HolidaysButton"), Qt::LeftButton);
        auto *dialog = f.form->findChild<HolidaysDialog *>("HolidaysDialog");
        QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
        QVERIFY(dialog != nullptr);
        auto &preset = *dialog->findChild<QComboBox *>("PresetComboBox");
        QCOMPARE(preset.currentData().toString(), country);
        if (country != QLatin1String("de")) {
            return;
        }
        const auto pick = [dialog](const char *name, int downs) {
            auto *box = dialog->findChild<QComboBox *>(name);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Home);
            for (int k = 0; k < downs; ++k) {
                QTest::keyClick(box, Qt::Key_Down);
            }
        };
        // "Day of Repentance and Prayer": the Wednesday before 23 November, from 2000.
        QTest::keyClicks(dialog->findChild<QLineEdit *>("RuleNameEdit"),
                         QStringLiteral("Day of Repentance and Prayer"));
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleNumberSpinEdit"), QStringLiteral("23"));
        pick("RuleMonthComboBox", 10);
        pick("RuleStepComboBox", 1);
        pick("RuleStepWeekdayComboBox", 3);
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleFromSpinEdit"), QStringLiteral("2000"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("AddRuleButton"), Qt::LeftButton);
        // A holiday on Sundays alone moved: 1 August 2027 is a Sunday.
        QTest::keyClicks(dialog->findChild<QLineEdit *>("RuleNameEdit"), QStringLiteral("Works anniversary"));
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleNumberSpinEdit"), QStringLiteral("1"));
        pick("RuleMonthComboBox", 7);
        pick("RuleStepComboBox", 0);
        pick("RuleMoveComboBox", 4);
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleFromSpinEdit"), QStringLiteral("2025"));
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleEverySpinEdit"), QStringLiteral("2"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("AddRuleButton"), Qt::LeftButton);
        QVERIFY2(f.dialogs->log.Errors.isEmpty(), qPrintable(f.dialogs->log.Errors.join('\n')));

        auto &rules = *dialog->findChild<QListWidget *>("RuleList");
        QCOMPARE(rules.count(), 2);
        QCOMPARE(rules.item(0)->text(),
                 QStringLiteral("Day of Repentance and Prayer: the Wednesday before 23 November, from 2000"));
        QCOMPARE(rules.item(1)->text(), QStringLiteral("Works anniversary: 1 August, on a Sunday the next Monday, "
                                                       "every 2 years from 2025"));
        QCOMPARE(rules.item(1)->toolTip(), rules.item(1)->text());
        QStringList preview;
        const auto &list = *dialog->findChild<QTreeWidget *>("PreviewList");
        for (int k = 0; k < list.topLevelItemCount(); ++k) {
            preview << list.topLevelItem(k)->text(0) + ' ' + list.topLevelItem(k)->text(2);
        }
        QCOMPARE(preview.join(','), QStringLiteral("02.08.2027 Works anniversary (substitute day),"
                                                   "17.11.2027 Day of Repentance and Prayer"));

        // Germany, then the two own rules and two of Germany's selected and removed at once.
        const QSize size = dialog->size();
        QTest::mouseClick(dialog->findChild<QPushButton *>("AddPresetButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 12);
        // More holidays than special dates, with a long name: the dialog keeps its size.
        for (const char *more : {"fr", "nl", "de-by"}) {
            preset.setCurrentIndex(preset.findData(QString::fromLatin1(more)));
            QTest::mouseClick(dialog->findChild<QPushButton *>("AddPresetButton"), Qt::LeftButton);
        }
        QVERIFY(dialog->findChild<QLabel *>("SummaryLabel")->text().endsWith(" more, marked in the list."));
        QCOMPARE(dialog->size(), size);
        rules.setCurrentRow(12);
        while (rules.count() > 12) {
            rules.setCurrentRow(12);
            QTest::mouseClick(dialog->findChild<QPushButton *>("RemoveRuleButton"), Qt::LeftButton);
        }
        QCOMPARE(rules.item(9)->toolTip(), QStringLiteral("Reformation Day: 31 October, in 2017 only"));
        const auto click = [&rules](int row, Qt::KeyboardModifiers keys) {
            rules.scrollToItem(rules.item(row));
            QTest::mouseClick(rules.viewport(), Qt::LeftButton, keys, rules.visualItemRect(rules.item(row)).center());
        };
        click(0, {});
        click(1, Qt::ShiftModifier);
        click(5, Qt::ControlModifier);
        click(11, Qt::ControlModifier);
        QTest::mouseClick(dialog->findChild<QPushButton *>("RemoveRuleButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 8);
        QCOMPARE(dialog->findChild<QLabel *>("StatusLabel")->text(), QStringLiteral("Removed 4 rules."));
        QStringList left;
        for (int k = 0; k < rules.count(); ++k) {
            left << rules.item(k)->text().section(':', 0, 0);
        }
        QCOMPARE(left.join(','), QStringLiteral("New Year's Day,Good Friday,Easter Monday,Ascension Day,Whit Monday,"
                                                "Day of German Unity,Reformation Day,Christmas Day"));
    }

    // Rules saved from the dialog load back; a file that is refused says why and leaves the
    // rules as they were; Cancel changes no picker.
    void HolidaysDialogRuleFiles()
    {
        MainFormFixture f;
        f.ShowPage("SpecialTimesAdvTabSheet1");
        QTest::mouseClick(&f.Find<QPushButton>("HolidaysButton"), Qt::LeftButton);
        auto *dialog = f.form->findChild<HolidaysDialog *>("HolidaysDialog");
        QVERIFY(dialog != nullptr);
        QTest::keyClicks(dialog->findChild<QLineEdit *>("RuleNameEdit"), QStringLiteral("Works outing"));
        dialog->findChild<QComboBox *>("RuleKindComboBox")->setCurrentIndex(2); // weekday of a month
        MainFormFixture::TypeInto(*dialog->findChild<QSpinBox *>("RuleNumberSpinEdit"), QStringLiteral("2"));
        dialog->findChild<QComboBox *>("RuleWeekdayComboBox")->setCurrentIndex(5);
        dialog->findChild<QComboBox *>("RuleMonthComboBox")->setCurrentIndex(5);
        QTest::keyClick(dialog->findChild<QLineEdit *>("RuleNameEdit"), Qt::Key_Return); // adds, fills nothing
        QVERIFY(dialog->isVisible());
        auto &rules = *dialog->findChild<QListWidget *>("RuleList");
        QCOMPARE(rules.item(0)->text(), QStringLiteral("Works outing: 2nd Friday of June"));
        QCOMPARE(dialog->findChild<QTreeWidget *>("PreviewList")->topLevelItem(0)->text(0),
                 QStringLiteral("11/06/2027"));

        QTemporaryDir dir;
        const QString saved = dir.filePath("rules.json");
        const QString bad = dir.filePath("bad.json");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            R"({"format": "korvelt-holiday-rules", "version": 1, "rules": [{"kind": "fixed", "month": 2, "day": 30}]})");
        file.close();
        f.dialogs->fileNames = {saved, bad, saved};
        QTest::mouseClick(dialog->findChild<QPushButton *>("SaveRulesButton"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("LoadRulesButton"), Qt::LeftButton);
        QCOMPARE(f.dialogs->log.Errors, QStringList{"bad.json was not loaded.\nRule 1 30 February is not a date."});
        QCOMPARE(rules.count(), 1);
        rules.setCurrentRow(0);
        QTest::mouseClick(dialog->findChild<QPushButton *>("RemoveRuleButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 0);
        QTest::mouseClick(dialog->findChild<QPushButton *>("LoadRulesButton"), Qt::LeftButton);
        QCOMPARE(rules.count(), 1);
        QCOMPARE(rules.item(0)->text(), QStringLiteral("Works outing: 2nd Friday of June"));

        QTest::mouseClick(dialog->findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
        QTRY_VERIFY(f.form->findChild<HolidaysDialog *>("HolidaysDialog") == nullptr);
        QCOMPARE(f.Find<QDateEdit>("SpecialDateDateTimePicker1").date(), QDate(2009, 11, 1));
        f.form->StoreAllControls();
        QVERIFY(!f.form->ScheduleChanged());
    }
};

QTEST_MAIN(TestHolidays)
#include "test_holidays.moc"
