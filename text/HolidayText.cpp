#include "text/HolidayText.h"

#include <QCoreApplication>

#include <array>
#include <cstdio>

namespace korvelt {

namespace {

// Every name the presets give: the countries and regions first, then the holidays. The
// English names are the keys, as rule files and korveltctl --json carry them.
const std::vector<const char *> NameTable{
    QT_TRANSLATE_NOOP("HolidayNames", "England and Wales"),
    QT_TRANSLATE_NOOP("HolidayNames", "Scotland"),
    QT_TRANSLATE_NOOP("HolidayNames", "Northern Ireland"),
    QT_TRANSLATE_NOOP("HolidayNames", "Ireland"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany (nationwide)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Baden-Württemberg"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Bavaria"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Berlin"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Brandenburg"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Bremen"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Hamburg"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Hesse"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Lower Saxony"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Mecklenburg-Western Pomerania"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: North Rhine-Westphalia"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Rhineland-Palatinate"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Saarland"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Saxony"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Saxony-Anhalt"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Schleswig-Holstein"),
    QT_TRANSLATE_NOOP("HolidayNames", "Germany: Thuringia"),
    QT_TRANSLATE_NOOP("HolidayNames", "Austria"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland (every canton)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland: Zurich"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland: Bern"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland: Basel-Stadt"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland: Geneva"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland: Vaud"),
    QT_TRANSLATE_NOOP("HolidayNames", "Switzerland: Ticino"),
    QT_TRANSLATE_NOOP("HolidayNames", "Belgium"),
    QT_TRANSLATE_NOOP("HolidayNames", "France"),
    QT_TRANSLATE_NOOP("HolidayNames", "Italy"),
    QT_TRANSLATE_NOOP("HolidayNames", "Spain (national)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Poland"),
    QT_TRANSLATE_NOOP("HolidayNames", "Netherlands"),
    QT_TRANSLATE_NOOP("HolidayNames", "United States (federal)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Canada (federal)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Australia (national)"),
    QT_TRANSLATE_NOOP("HolidayNames", "150th anniversary of the unification of Italy"),
    QT_TRANSLATE_NOOP("HolidayNames", "2nd January"),
    QT_TRANSLATE_NOOP("HolidayNames", "Additional bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "All Saints' Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Anniversary of the uprising of 17 June 1953"),
    QT_TRANSLATE_NOOP("HolidayNames", "Anzac Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Armistice Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Ascension Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Assumption Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Assumption of Mary"),
    QT_TRANSLATE_NOOP("HolidayNames", "Augsburg Peace Festival"),
    QT_TRANSLATE_NOOP("HolidayNames", "August bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Australia Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Bank holiday for the State Funeral of Queen Elizabeth II"),
    QT_TRANSLATE_NOOP("HolidayNames", "Bank holiday for the coronation of King Charles III"),
    QT_TRANSLATE_NOOP("HolidayNames", "Bastille Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Battle of the Boyne (Orangemen's Day)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Berchtold's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Birthday of Martin Luther King, Jr."),
    QT_TRANSLATE_NOOP("HolidayNames", "Boxing Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Canada Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Centenary of Independence"),
    QT_TRANSLATE_NOOP("HolidayNames", "Christmas Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Christmas Eve"),
    QT_TRANSLATE_NOOP("HolidayNames", "Columbus Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Constitution Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Corpus Christi"),
    QT_TRANSLATE_NOOP("HolidayNames", "Day of German Unity"),
    QT_TRANSLATE_NOOP("HolidayNames", "Day of Liberation"),
    QT_TRANSLATE_NOOP("HolidayNames", "Day of Remembrance and Recognition"),
    QT_TRANSLATE_NOOP("HolidayNames", "Day of Repentance and Prayer"),
    QT_TRANSLATE_NOOP("HolidayNames", "Early May bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Easter Monday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Easter Sunday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Epiphany"),
    QT_TRANSLATE_NOOP("HolidayNames", "Federal Fast Monday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Ferragosto"),
    QT_TRANSLATE_NOOP("HolidayNames", "Genevan Fast"),
    QT_TRANSLATE_NOOP("HolidayNames", "Golden Jubilee bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Good Friday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Immaculate Conception"),
    QT_TRANSLATE_NOOP("HolidayNames", "Independence Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "International Women's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "June bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Juneteenth National Independence Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "King's Birthday"),
    QT_TRANSLATE_NOOP("HolidayNames", "King's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Labor Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Labour Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Liberation Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Liberation Day (every fifth year)"),
    QT_TRANSLATE_NOOP("HolidayNames", "Maundy Thursday"),
    QT_TRANSLATE_NOOP("HolidayNames", "May bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Memorial Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "National Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "National Day for Truth and Reconciliation"),
    QT_TRANSLATE_NOOP("HolidayNames", "National Day of Mourning for Queen Elizabeth II"),
    QT_TRANSLATE_NOOP("HolidayNames", "National Day of Spain"),
    QT_TRANSLATE_NOOP("HolidayNames", "New Year's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "October bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Platinum Jubilee bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Queen's Birthday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Queen's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Queen's Diamond Jubilee"),
    QT_TRANSLATE_NOOP("HolidayNames", "Reformation Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Remembrance Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Republic Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Restoration of the Republic"),
    QT_TRANSLATE_NOOP("HolidayNames", "Royal wedding"),
    QT_TRANSLATE_NOOP("HolidayNames", "Saint Brigid's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Saint Patrick's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Saint Stephen's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Second Day of Christmas"),
    QT_TRANSLATE_NOOP("HolidayNames", "Spring bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "St Andrew's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "St Francis of Assisi"),
    QT_TRANSLATE_NOOP("HolidayNames", "St Joseph's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "St Patrick's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "St Stephen's Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "State Holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Sts Peter and Paul"),
    QT_TRANSLATE_NOOP("HolidayNames", "Summer bank holiday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Swiss National Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Thanksgiving Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Veterans Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Victoria Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Victory in Europe Day"),
    QT_TRANSLATE_NOOP("HolidayNames", "Washington's Birthday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Whit Monday"),
    QT_TRANSLATE_NOOP("HolidayNames", "Whit Sunday"),
    QT_TRANSLATE_NOOP("HolidayNames", "World Children's Day"),
};

// Every note of a preset's rule (why it is as it is, why it is unticked), as source texts of
// the context "HolidayNotes".
const std::vector<const char *> NoteTable{
    QT_TRANSLATE_NOOP("HolidayNotes", "A holiday in every canton but Ticino and Valais."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A holiday in every region but Catalonia (and in some years Valencia)."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A holiday in most cantons, not in Geneva, Jura, Neuchâtel, Valais and Vaud."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A holiday in most cantons, not in Valais."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A one-off bank holiday in Scotland alone, proclaimed for Monday 15 June 2026."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A public holiday once, by Decree-law 5 of 2011."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A public holiday, but a day off only where the collective agreement or the "
                                      "employer gives it, in many agreements every fifth year only."),
    QT_TRANSLATE_NOOP("HolidayNotes",
                      "A public holiday, but a day off only where the collective agreement or the employer gives it."),
    QT_TRANSLATE_NOOP("HolidayNotes", "A holiday in Berlin once, 75 years after the uprising of 17 June 1953."),
    QT_TRANSLATE_NOOP("HolidayNotes",
                      "In some Catholic Sorbian municipalities of the districts of Bautzen and Görlitz only."),
    QT_TRANSLATE_NOOP("HolidayNotes", "In the city of Augsburg only."),
    QT_TRANSLATE_NOOP("HolidayNotes", "In the municipalities of the Eichsfeld district with a mainly Catholic "
                                      "population, and some others, only."),
    QT_TRANSLATE_NOOP("HolidayNotes", "In the municipalities with a mainly Catholic population (most of Bavaria, "
                                      "Munich included); untick it elsewhere."),
    QT_TRANSLATE_NOOP("HolidayNotes", "In 2011 on Tuesday 26 April, as Easter Monday fell on 25 April."),
    QT_TRANSLATE_NOOP("HolidayNotes",
                      "Liberation Day in the years of a lustrum (2025, 2030, ...), as many agreements give it."),
    QT_TRANSLATE_NOOP("HolidayNotes", "On 2 June from 2001 (Law 336 of 2000); from 1977 to 2000 it was kept on the "
                                      "first Sunday of June."),
    QT_TRANSLATE_NOOP("HolidayNotes", "On a Saturday or a Sunday, the working day after it is the day off (Canada "
                                      "Labour Code, as the federal government's lists give it)."),
    QT_TRANSLATE_NOOP("HolidayNotes", "Western Australia and Queensland keep it on other days."),
};

constexpr std::array<const char *, 12> MonthNames{
    QT_TRANSLATE_NOOP("HolidayText", "January"),   QT_TRANSLATE_NOOP("HolidayText", "February"),
    QT_TRANSLATE_NOOP("HolidayText", "March"),     QT_TRANSLATE_NOOP("HolidayText", "April"),
    QT_TRANSLATE_NOOP("HolidayText", "May"),       QT_TRANSLATE_NOOP("HolidayText", "June"),
    QT_TRANSLATE_NOOP("HolidayText", "July"),      QT_TRANSLATE_NOOP("HolidayText", "August"),
    QT_TRANSLATE_NOOP("HolidayText", "September"), QT_TRANSLATE_NOOP("HolidayText", "October"),
    QT_TRANSLATE_NOOP("HolidayText", "November"),  QT_TRANSLATE_NOOP("HolidayText", "December")};

// A name as shown: a preset's in the program's language, the user's own as written.
QString ShownName(const std::string &name, bool preset)
{
    return preset ? QCoreApplication::translate("HolidayNames", name.c_str()) : QString::fromStdString(name);
}

} // namespace

QString HolidayMonthText(int month)
{
    return month >= 1 && month <= 12
               ? QCoreApplication::translate("HolidayText", MonthNames.at(static_cast<std::size_t>(month - 1)))
               : QString::number(month);
}

const std::vector<const char *> &HolidayNameTable()
{
    return NameTable;
}

QString HolidayRuleNameText(const HolidayRule &rule)
{
    return ShownName(rule.Name, rule.Preset);
}

const std::vector<const char *> &HolidayNoteTable()
{
    return NoteTable;
}

QString HolidayRuleNoteText(const HolidayRule &rule)
{
    return rule.Preset ? QCoreApplication::translate("HolidayNotes", rule.Note.c_str())
                       : QString::fromStdString(rule.Note);
}

QString HolidayPresetNameText(const HolidayPreset &preset)
{
    return QCoreApplication::translate("HolidayNames", std::string(preset.Name).c_str());
}

QStringList HolidayNameTexts(const Holiday &holiday)
{
    QStringList names;
    for (const HolidayName &name : holiday.Names) {
        const QString shown = ShownName(name.Name, name.Preset);
        switch (name.Moved) {
        case HolidayMove::None:
            names << shown;
            break;
        case HolidayMove::Substitute:
            //: A holiday moved off a weekend: %1 is its name
            names << QCoreApplication::translate("HolidayText", "%1 (substitute day)").arg(shown);
            break;
        case HolidayMove::Observed:
            //: A holiday observed on a weekday: %1 is its name
            names << QCoreApplication::translate("HolidayText", "%1 (observed)").arg(shown);
            break;
        }
    }
    return names;
}

QString HolidayNamesText(const Holiday &holiday)
{
    //: Between the names of holidays on the same day
    return HolidayNameTexts(holiday).join(QCoreApplication::translate("HolidayText", " / "));
}

std::string HolidayText(const Holiday &holiday)
{
    // The date and weekday are data, as scripts read them; the names are the user's.
    static constexpr std::array<std::string_view, DaysPerWeek> days{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const DateParts d = DecodeDate(holiday.Date);
    std::array<char, 16> date{};
    std::snprintf(date.data(), date.size(), "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return std::string(date.data()) + ' ' + std::string(days.at(static_cast<std::size_t>(DayOfWeek(holiday.Date)))) +
           ' ' + HolidayNamesText(holiday).toStdString();
}

QString RuleProblemText(const RuleProblemFound &problem)
{
    using Kind = RuleProblemKind;
    switch (problem.Kind) {
    case Kind::MonthOutOfRange:
        return QCoreApplication::translate("HolidayText", "The month must be from 1 to 12.");
    case Kind::NotADate: {
        const QString month = problem.Second >= 1 && problem.Second <= 12
                                  ? QCoreApplication::translate(
                                        "HolidayText", MonthNames.at(static_cast<std::size_t>(problem.Second - 1)))
                                  : QString::number(problem.Second);
        //: %1 is a day, %2 a month, as in "30 February is not a date."
        return QCoreApplication::translate("HolidayText", "%1 %2 is not a date.")
            .arg(QString::number(problem.First), month);
    }
    case Kind::EasterOffsetOutOfRange:
        //: %1 is the most days a rule may be from Easter Sunday
        return QCoreApplication::translate("HolidayText", "Days from Easter Sunday must be from -%1 to %1.")
            .arg(problem.First);
    case Kind::NthOutOfRange:
        return QCoreApplication::translate("HolidayText",
                                           "Which weekday of the month must be from 1 to 4 (or the last).");
    case Kind::WeekdayOutOfRange:
        return QCoreApplication::translate("HolidayText", "The weekday must be from 0 (Sunday) to 6 (Saturday).");
    case Kind::StepWeekdayOutOfRange:
        return QCoreApplication::translate("HolidayText",
                                           "The weekday before or after must be from 0 (Sunday) to 6 (Saturday).");
    case Kind::YearOutOfRange:
        return QCoreApplication::translate("HolidayText", "The first and the last year must be from %1 to %2.")
            .arg(problem.First)
            .arg(problem.Second);
    case Kind::LastYearBeforeFirst:
        //: %1 is the last year, %2 the first
        return QCoreApplication::translate("HolidayText", "The last year (%1) is before the first (%2).")
            .arg(problem.First)
            .arg(problem.Second);
    case Kind::EveryOutOfRange:
        return QCoreApplication::translate("HolidayText", "Every how many years must be from 1 to 100.");
    case Kind::EveryWithoutFirstYear:
        //: %n is every how many years (2 or more)
        return QCoreApplication::translate("HolidayText", "Every %n years needs the first year to count from.", nullptr,
                                           problem.First);
    case Kind::ChangeYearOutOfRange:
        return QCoreApplication::translate("HolidayText", "The year of a change must be from %1 to %2.")
            .arg(problem.First)
            .arg(problem.Second);
    case Kind::YearChangedTwice:
        //: %1 is a year
        return QCoreApplication::translate("HolidayText", "%1 is changed twice.").arg(problem.First);
    case Kind::ChangeNotADate:
        //: %1 is a year
        return QCoreApplication::translate("HolidayText", "The change of %1 is not a date.").arg(problem.First);
    }
    return {};
}

} // namespace korvelt
