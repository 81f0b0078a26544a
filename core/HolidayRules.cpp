#include "HolidayRules.h"

#include "Easter.h"
#include "SendCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

namespace korvelt {

namespace {

constexpr std::array<std::string_view, 12> MonthNames{"January", "February", "March",     "April",   "May",      "June",
                                                      "July",    "August",   "September", "October", "November", "December"};

// The longest each month can be (February in a leap year).
constexpr std::array<int, 12> LongestMonth{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

TDateTime DateOf(int year, int month, int day)
{
    TDateTime date = 0;
    TryEncodeDate(year, month, day, date);
    return date;
}

HolidayRule Fixed(std::string name, int month, int day, WeekendMove move = WeekendMove::None)
{
    HolidayRule rule;
    rule.Name = std::move(name);
    rule.Month = month;
    rule.Day = day;
    rule.Move = move;
    return rule;
}

HolidayRule Easter(std::string name, int offset)
{
    HolidayRule rule;
    rule.Kind = HolidayRuleKind::EasterOffset;
    rule.Name = std::move(name);
    rule.Offset = offset;
    return rule;
}

// nth 0: the last such weekday of the month.
HolidayRule Weekday(std::string name, int nth, int weekday, int month)
{
    HolidayRule rule;
    rule.Kind = nth == 0 ? HolidayRuleKind::LastWeekday : HolidayRuleKind::NthWeekday;
    rule.Name = std::move(name);
    rule.Nth = nth == 0 ? 1 : nth;
    rule.Weekday = weekday;
    rule.Month = month;
    return rule;
}

constexpr int Sun = 0;
constexpr int Mon = 1;
constexpr int Thu = 4;
constexpr int Sat = 6;

// A moved date's day: one of the weekend moves applied to `date`; `taken` holds the days
// other holidays of the period already have.
TDateTime MovedDate(TDateTime date, WeekendMove move, const std::set<TDateTime> &taken)
{
    const int weekday = DayOfWeek(date);
    switch (move) {
    case WeekendMove::None:
        return date;
    case WeekendMove::Monday:
        if (weekday == Sat || weekday == Sun) {
            date += weekday == Sat ? 2 : 1;
            while (taken.contains(date) || DayOfWeek(date) == Sat || DayOfWeek(date) == Sun) {
                date += 1;
            }
        }
        return date;
    case WeekendMove::NearestWeekday:
        return weekday == Sat ? date - 1 : weekday == Sun ? date + 1 : date;
    case WeekendMove::SundayToSaturday:
        return weekday == Sun ? date - 1 : date;
    }
    return date;
}

} // namespace

bool SameRule(const HolidayRule &a, const HolidayRule &b)
{
    HolidayRule ticked = a;
    ticked.Used = b.Used;
    return ticked == b;
}

int DayOfWeek(TDateTime date)
{
    // Day 0, 30 December 1899, was a Saturday. The day of a negative value counts toward
    // day 0, as in DecodeDate.
    const auto day = static_cast<long long>(DatePart(date));
    return static_cast<int>(((day + Sat) % DaysPerWeek + DaysPerWeek) % DaysPerWeek);
}

std::optional<std::string> RuleProblem(const HolidayRule &rule)
{
    const bool usesMonth = rule.Kind != HolidayRuleKind::EasterOffset;
    if (usesMonth && (rule.Month < 1 || rule.Month > 12)) {
        return "The month must be from 1 to 12.";
    }
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        if (rule.Day < 1 || rule.Day > LongestMonth.at(static_cast<std::size_t>(rule.Month - 1))) {
            return std::to_string(rule.Day) + " " + std::string(MonthNames.at(static_cast<std::size_t>(rule.Month - 1))) +
                   " is not a date.";
        }
        break;
    case HolidayRuleKind::EasterOffset:
        if (std::abs(rule.Offset) > MaxEasterOffset) {
            return "Days from Easter Sunday must be from -" + std::to_string(MaxEasterOffset) + " to " +
                   std::to_string(MaxEasterOffset) + ".";
        }
        break;
    case HolidayRuleKind::NthWeekday:
        if (rule.Nth < 1 || rule.Nth > 4) {
            return "Which weekday of the month must be from 1 to 4 (or the last).";
        }
        [[fallthrough]];
    case HolidayRuleKind::LastWeekday:
        if (rule.Weekday < 0 || rule.Weekday >= DaysPerWeek) {
            return "The weekday must be from 0 (Sunday) to 6 (Saturday).";
        }
        break;
    }
    return std::nullopt;
}

std::optional<TDateTime> RuleDate(const HolidayRule &rule, int year)
{
    if (RuleProblem(rule)) {
        return std::nullopt;
    }
    TDateTime date = 0;
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        if (!TryEncodeDate(year, rule.Month, rule.Day, date)) {
            return std::nullopt;
        }
        return date;
    case HolidayRuleKind::EasterOffset: {
        const DateParts easter = EasterSunday(year);
        return DateOf(easter.Year, easter.Month, easter.Day) + rule.Offset;
    }
    case HolidayRuleKind::NthWeekday: {
        const TDateTime first = DateOf(year, rule.Month, 1);
        const int ahead = (rule.Weekday - DayOfWeek(first) + DaysPerWeek) % DaysPerWeek;
        return first + ahead + DaysPerWeek * (rule.Nth - 1);
    }
    case HolidayRuleKind::LastWeekday: {
        const TDateTime last = rule.Month == 12 ? DateOf(year, 12, 31) : DateOf(year, rule.Month + 1, 1) - 1;
        return last - (DayOfWeek(last) - rule.Weekday + DaysPerWeek) % DaysPerWeek;
    }
    }
    return std::nullopt;
}

std::vector<Holiday> GenerateHolidays(const std::vector<HolidayRule> &rules, TDateTime firstDay, TDateTime lastDay)
{
    if (!std::isfinite(firstDay) || !std::isfinite(lastDay)) {
        return {};
    }
    // Years one either side, for dates a move carries over a year's end; none the device
    // cannot hold.
    const int firstYear = std::max(DecodeDate(firstDay).Year - 1, FirstSendableYear - 1);
    const int lastYear = std::min(DecodeDate(lastDay).Year + 1, LastSendableYear + 1);
    std::vector<Holiday> all;
    for (int year = firstYear; year <= lastYear; ++year) {
        // The dates as they fall first, so that a substitute day skips them all.
        std::vector<std::pair<const HolidayRule *, TDateTime>> dates;
        std::set<TDateTime> taken;
        for (const HolidayRule &rule : rules) {
            if (const auto date = rule.Used ? RuleDate(rule, year) : std::nullopt) {
                dates.emplace_back(&rule, *date);
                taken.insert(*date);
            }
        }
        // A day moved alike once more goes where it went the first time.
        std::map<std::pair<TDateTime, WeekendMove>, TDateTime> movedBefore;
        for (auto &[rule, date] : dates) {
            const WeekendMove move = rule->Kind == HolidayRuleKind::FixedDate ? rule->Move : WeekendMove::None;
            const auto before = movedBefore.find({date, move});
            const TDateTime moved = before != movedBefore.end() ? before->second : MovedDate(date, move, taken);
            movedBefore.emplace(std::pair{date, move}, moved);
            if (moved == date) {
                all.push_back({date, rule->Name});
                continue;
            }
            taken.insert(moved);
            const char *why = rule->Move == WeekendMove::Monday ? " (substitute day)" : " (observed)";
            all.push_back({moved, rule->Name + why});
        }
    }
    std::ranges::stable_sort(all, {}, &Holiday::Date);
    std::vector<Holiday> holidays;
    for (Holiday &holiday : all) {
        if (holiday.Date < std::trunc(firstDay) || holiday.Date > std::trunc(lastDay) || !IsSendableDate(holiday.Date)) {
            continue;
        }
        if (!holidays.empty() && holidays.back().Date == holiday.Date) {
            // Two countries' rules may name the same day alike: the name is given once.
            std::string &name = holidays.back().Name;
            const std::string joined = " / " + name + " / ";
            if (joined.find(" / " + holiday.Name + " / ") == std::string::npos) {
                name += " / " + holiday.Name;
            }
        } else {
            holidays.push_back(std::move(holiday));
        }
    }
    return holidays;
}

std::string HolidayText(const Holiday &holiday)
{
    static constexpr std::array<std::string_view, DaysPerWeek> days{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const DateParts d = DecodeDate(holiday.Date);
    std::array<char, 16> date{};
    std::snprintf(date.data(), date.size(), "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return std::string(date.data()) + ' ' + std::string(days.at(static_cast<std::size_t>(DayOfWeek(holiday.Date)))) +
           ' ' + holiday.Name;
}

const std::vector<HolidayPreset> &HolidayPresets()
{
    constexpr WeekendMove Substitute = WeekendMove::Monday;
    static const std::vector<HolidayPreset> presets{
        // The bank holidays of England and Wales; 2026 checked against gov.uk's list
        // (https://www.gov.uk/bank-holidays).
        {"gb-eaw",
         "England and Wales",
         {Fixed("New Year's Day", 1, 1, Substitute), Easter("Good Friday", -2), Easter("Easter Monday", 1),
          Weekday("Early May bank holiday", 1, Mon, 5), Weekday("Spring bank holiday", 0, Mon, 5),
          Weekday("Summer bank holiday", 0, Mon, 8), Fixed("Christmas Day", 12, 25, Substitute),
          Fixed("Boxing Day", 12, 26, Substitute)}},
        // Germany's nationwide public holidays (the states add their own); 2026 checked against
        // the Federal Ministry of the Interior's list of public holidays (bmi.bund.de,
        // "Feiertage").
        {"de",
         "Germany (nationwide)",
         {Fixed("New Year's Day", 1, 1), Easter("Good Friday", -2), Easter("Easter Monday", 1),
          Fixed("Labour Day", 5, 1), Easter("Ascension Day", 39), Easter("Whit Monday", 50),
          Fixed("Day of German Unity", 10, 3), Fixed("Christmas Day", 12, 25), Fixed("Second Day of Christmas", 12, 26)}},
        // France's public holidays (without those of Alsace and Moselle only); 2026 checked
        // against service-public.fr ("Jours fériés").
        {"fr",
         "France",
         {Fixed("New Year's Day", 1, 1), Easter("Easter Monday", 1), Fixed("Labour Day", 5, 1),
          Fixed("Victory in Europe Day", 5, 8), Easter("Ascension Day", 39), Easter("Whit Monday", 50),
          Fixed("Bastille Day", 7, 14), Fixed("Assumption of Mary", 8, 15), Fixed("All Saints' Day", 11, 1),
          Fixed("Armistice Day", 11, 11), Fixed("Christmas Day", 12, 25)}},
        // The United States' federal holidays, on the days federal offices close; 2026 checked
        // against the Office of Personnel Management's list (opm.gov, "Federal Holidays").
        {"us",
         "United States (federal)",
         {Fixed("New Year's Day", 1, 1, WeekendMove::NearestWeekday),
          Weekday("Birthday of Martin Luther King, Jr.", 3, Mon, 1), Weekday("Washington's Birthday", 3, Mon, 2),
          Weekday("Memorial Day", 0, Mon, 5), Fixed("Juneteenth National Independence Day", 6, 19, WeekendMove::NearestWeekday),
          Fixed("Independence Day", 7, 4, WeekendMove::NearestWeekday), Weekday("Labor Day", 1, Mon, 9),
          Weekday("Columbus Day", 2, Mon, 10), Fixed("Veterans Day", 11, 11, WeekendMove::NearestWeekday),
          Weekday("Thanksgiving Day", 4, Thu, 11), Fixed("Christmas Day", 12, 25, WeekendMove::NearestWeekday)}},
        // The Netherlands' public holidays; 2026 checked against rijksoverheid.nl ("Officiële
        // feestdagen").
        {"nl",
         "Netherlands",
         {Fixed("New Year's Day", 1, 1), Easter("Good Friday", -2), Easter("Easter Sunday", 0),
          Easter("Easter Monday", 1), Fixed("King's Day", 4, 27, WeekendMove::SundayToSaturday),
          Fixed("Liberation Day", 5, 5), Easter("Ascension Day", 39), Easter("Whit Sunday", 49),
          Easter("Whit Monday", 50), Fixed("Christmas Day", 12, 25), Fixed("Second Day of Christmas", 12, 26)}},
    };
    return presets;
}

const HolidayPreset *FindHolidayPreset(std::string_view code)
{
    const auto &presets = HolidayPresets();
    const auto found = std::ranges::find(presets, code, &HolidayPreset::Code);
    return found == presets.end() ? nullptr : &*found;
}

std::vector<Holiday> ApplyHolidays(ScheduleModel &model, std::vector<Holiday> holidays, FewerHolidays fewer)
{
    std::ranges::stable_sort(holidays, {}, &Holiday::Date);
    std::vector<Holiday> leftOut;
    std::size_t k = 0;
    for (Holiday &holiday : holidays) {
        if (k < model.SpecialDates.size() && IsSendableDate(holiday.Date)) {
            model.SpecialDates.at(k++) = std::trunc(holiday.Date);
        } else {
            leftOut.push_back(std::move(holiday));
        }
    }
    if (k > 0 && fewer == FewerHolidays::RepeatLast) {
        std::fill(model.SpecialDates.begin() + static_cast<std::ptrdiff_t>(k), model.SpecialDates.end(),
                  model.SpecialDates.at(k - 1));
    }
    return leftOut;
}

} // namespace korvelt
