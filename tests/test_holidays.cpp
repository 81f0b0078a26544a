#include "CellText.h"
#include "Easter.h"
#include "HolidayRuleFile.h"
#include "HolidayRules.h"
#include "HolidaysDialog.h"
#include "MainFormFixture.h"
#include "QtDateTime.h"
#include "SendCheck.h"
#include "SpecialDateEdit.h"

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
        texts << (names ? date + ' ' + QString::fromStdString(h.Name) : date);
    }
    return texts;
}

HolidayRule Rule(HolidayRuleKind kind, int month, int day, int offset = 0, WeekendMove move = WeekendMove::None)
{
    HolidayRule rule;
    rule.Kind = kind;
    rule.Name = "Rule";
    rule.Month = month;
    rule.Day = day;          // and Nth for NthWeekday
    rule.Nth = day;
    rule.Offset = offset;    // and Weekday for the weekday kinds
    rule.Weekday = offset;
    rule.Move = move;
    return rule;
}

} // namespace

Q_DECLARE_METATYPE(korvelt::HolidayRule)

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
    void RuleKinds_data()
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
    }
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

    // One year of each preset against the country's published list (named beside the preset).
    void Presets_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("expected");
        QTest::newRow("gb-eaw 2026") << "gb-eaw" << 2026 << "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-28";
        QTest::newRow("gb-eaw 2021, two substitutes") << "gb-eaw" << 2021 << "01-01 04-02 04-05 05-03 05-31 08-30 12-27 12-28";
        QTest::newRow("de 2026") << "de" << 2026 << "01-01 04-03 04-06 05-01 05-14 05-25 10-03 12-25 12-26";
        QTest::newRow("de 2008, two on one day") << "de" << 2008 << "01-01 03-21 03-24 05-01 05-12 10-03 12-25 12-26";
        QTest::newRow("fr 2026") << "fr" << 2026 << "01-01 04-06 05-01 05-08 05-14 05-25 07-14 08-15 11-01 11-11 12-25";
        QTest::newRow("us 2026") << "us" << 2026 << "01-01 01-19 02-16 05-25 06-19 07-03 09-07 10-12 11-11 11-26 12-25";
        QTest::newRow("nl 2026") << "nl" << 2026 << "01-01 04-03 04-05 04-06 04-27 05-05 05-14 05-24 05-25 12-25 12-26";
    }
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
        if (year == 2021) {
            QCOMPARE(holidays.back().Name, std::string("Boxing Day (substitute day)"));
        }
    }

    // More holidays than special dates: the first 16 in date order, the rest reported. Fewer:
    // the other dates stay or repeat the last holiday. Only days the device can hold.
    void ApplyToSpecialDates_data()
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
    }
    void ApplyToSpecialDates()
    {
        QFETCH(QString, code);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(bool, repeat);
        QFETCH(QString, dates);
        QFETCH(QString, leftOut);
        ScheduleModel model;
        const auto holidays = GenerateHolidays(FindHolidayPreset(code.toStdString())->Rules, FromQDate(first), FromQDate(last));
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
    void RuleFile_data()
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
    }
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
    }
    // The pickers as the window shows them: number, weekday, past mark; "Holidays…" fills
    // them from a country's rules as picks would, and what it fills is a change to save.
    void HolidaysFillThePickers_data()
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
                                       << "12 holidays fill special dates 1 to 12.";
        QTest::newRow("next 12 months") << QStringList{"gb-eaw"} << 0 << false
                                        << "25/12/2026 28/12/2026 01/01/2027 26/03/2027 29/03/2027 03/05/2027 31/05/2027 "
                                           "30/08/2027" + y2009.repeated(8)
                                        << "8 holidays fill special dates 1 to 8.";
        QTest::newRow("more than 16") << QStringList{"de", "fr", "nl"} << 2027 << false
                                      << "01/01/2027 26/03/2027 28/03/2027 29/03/2027 27/04/2027 01/05/2027 05/05/2027 "
                                         "06/05/2027 08/05/2027 16/05/2027 17/05/2027 14/07/2027 15/08/2027 03/10/2027 "
                                         "01/11/2027 11/11/2027"
                                      << "18 holidays: the KORVELT holds 16, the first 16 are used. Left out: "
                                         "25/12/2027 Christmas Day, 26/12/2027 Second Day of Christmas.";
    }
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
        QVERIFY(!f.form->ScheduleChanged()); // nothing stored yet
        f.form->StoreAllControls();
        QVERIFY(f.form->ScheduleChanged());
        QCOMPARE(f.form->Model().SpecialDates.at(0), FromQDate(firstHoliday));
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
        QCOMPARE(dialog->findChild<QTreeWidget *>("PreviewList")->topLevelItem(0)->text(0), QStringLiteral("11/06/2027"));

        QTemporaryDir dir;
        const QString saved = dir.filePath("rules.json");
        const QString bad = dir.filePath("bad.json");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "korvelt-holiday-rules", "version": 1, "rules": [{"kind": "fixed", "month": 2, "day": 30}]})");
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
