#include "core/HolidayRules.h"

#include "core/Easter.h"
#include "core/SendCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>

namespace korvelt {

namespace {

// The longest each month can be (February in a leap year).
constexpr std::array<int, 12> LongestMonth{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

TDateTime DateOf(int year, int month, int day)
{
    TDateTime date = 0;
    TryEncodeDate(year, month, day, date);
    return date;
}

constexpr int Sun = 0;
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
    case WeekendMove::SundayToMonday:
        if (weekday == Sun || (weekday == Sat && move == WeekendMove::Monday)) {
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

namespace {

// The rule with the parts its kind does not use, its note and its tick as a new rule has them.
HolidayRule Essential(HolidayRule rule)
{
    const HolidayRule blank;
    const bool fixed = rule.Kind == HolidayRuleKind::FixedDate;
    const bool weekday = rule.Kind == HolidayRuleKind::NthWeekday || rule.Kind == HolidayRuleKind::LastWeekday;
    rule.Month = rule.Kind == HolidayRuleKind::EasterOffset ? blank.Month : rule.Month;
    rule.Day = fixed ? rule.Day : blank.Day;
    rule.Move = fixed ? rule.Move : blank.Move;
    rule.Offset = rule.Kind == HolidayRuleKind::EasterOffset ? rule.Offset : blank.Offset;
    rule.Weekday = weekday ? rule.Weekday : blank.Weekday;
    rule.Nth = rule.Kind == HolidayRuleKind::NthWeekday ? rule.Nth : blank.Nth;
    rule.StepWeekday = rule.Step == WeekdayStep::None ? blank.StepWeekday : rule.StepWeekday;
    rule.Note = blank.Note;
    rule.Used = blank.Used;
    return rule;
}

} // namespace

bool SameRule(const HolidayRule &a, const HolidayRule &b)
{
    return Essential(a) == Essential(b);
}

int DayOfWeek(TDateTime date)
{
    // Day 0, 30 December 1899, was a Saturday. The day of a negative value counts toward
    // day 0, as in DecodeDate.
    const auto day = static_cast<long long>(DatePart(date));
    return static_cast<int>(((day + Sat) % DaysPerWeek + DaysPerWeek) % DaysPerWeek);
}

bool HolidayRule::operator==(const HolidayRule &other) const
{
    const auto parts = [](const HolidayRule &r) {
        return std::tie(r.Kind, r.Name, r.Month, r.Day, r.Offset, r.Weekday, r.Nth, r.Move, r.Step, r.StepWeekday,
                        r.FirstYear, r.LastYear, r.EveryYears, r.Changes, r.Note, r.Used);
    };
    return parts(*this) == parts(other);
}

std::optional<RuleProblemFound> RuleProblem(const HolidayRule &rule)
{
    using Kind = RuleProblemKind;
    const bool usesMonth = rule.Kind != HolidayRuleKind::EasterOffset;
    if (usesMonth && (rule.Month < 1 || rule.Month > 12)) {
        return RuleProblemFound{Kind::MonthOutOfRange};
    }
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        if (rule.Day < 1 || rule.Day > LongestMonth.at(static_cast<std::size_t>(rule.Month - 1))) {
            return RuleProblemFound{Kind::NotADate, rule.Day, rule.Month};
        }
        break;
    case HolidayRuleKind::EasterOffset:
        if (std::abs(rule.Offset) > MaxEasterOffset) {
            return RuleProblemFound{Kind::EasterOffsetOutOfRange, MaxEasterOffset};
        }
        break;
    case HolidayRuleKind::NthWeekday:
        if (rule.Nth < 1 || rule.Nth > 4) {
            return RuleProblemFound{Kind::NthOutOfRange};
        }
        [[fallthrough]];
    case HolidayRuleKind::LastWeekday:
        if (rule.Weekday < 0 || rule.Weekday >= DaysPerWeek) {
            return RuleProblemFound{Kind::WeekdayOutOfRange};
        }
        break;
    }
    if (rule.Step != WeekdayStep::None && (rule.StepWeekday < 0 || rule.StepWeekday >= DaysPerWeek)) {
        return RuleProblemFound{Kind::StepWeekdayOutOfRange};
    }
    const auto yearOutside = [](int year) { return year != 0 && (year < FirstRuleYear || year > LastRuleYear); };
    if (yearOutside(rule.FirstYear) || yearOutside(rule.LastYear)) {
        return RuleProblemFound{Kind::YearOutOfRange, FirstRuleYear, LastRuleYear};
    }
    if (rule.FirstYear != 0 && rule.LastYear != 0 && rule.LastYear < rule.FirstYear) {
        return RuleProblemFound{Kind::LastYearBeforeFirst, rule.LastYear, rule.FirstYear};
    }
    if (rule.EveryYears < 1 || rule.EveryYears > 100) {
        return RuleProblemFound{Kind::EveryOutOfRange};
    }
    if (rule.EveryYears > 1 && rule.FirstYear == 0) {
        return RuleProblemFound{Kind::EveryWithoutFirstYear, rule.EveryYears};
    }
    std::set<int> changed;
    for (const YearChange &change : rule.Changes) {
        TDateTime date = 0;
        if (change.Year < FirstRuleYear || change.Year > LastRuleYear) {
            return RuleProblemFound{Kind::ChangeYearOutOfRange, FirstRuleYear, LastRuleYear};
        }
        if (!changed.insert(change.Year).second) {
            return RuleProblemFound{Kind::YearChangedTwice, change.Year};
        }
        if (change.Month != 0 && !TryEncodeDate(change.Year, change.Month, change.Day, date)) {
            return RuleProblemFound{Kind::ChangeNotADate, change.Year};
        }
    }
    return std::nullopt;
}

namespace {

// Whether a sound rule holds in a year, its one-off changes aside.
bool HoldsIn(const HolidayRule &rule, int year)
{
    return (rule.FirstYear == 0 || year >= rule.FirstYear) && (rule.LastYear == 0 || year <= rule.LastYear) &&
           (rule.EveryYears <= 1 || (year - rule.FirstYear) % rule.EveryYears == 0);
}

TDateTime Stepped(TDateTime date, WeekdayStep step, int weekday)
{
    const int back = (DayOfWeek(date) - weekday + DaysPerWeek) % DaysPerWeek; // days back to it
    const int ahead = (weekday - DayOfWeek(date) + DaysPerWeek) % DaysPerWeek;
    switch (step) {
    case WeekdayStep::None:
        return date;
    case WeekdayStep::Before:
        return date - (back == 0 ? DaysPerWeek : back);
    case WeekdayStep::After:
        return date + (ahead == 0 ? DaysPerWeek : ahead);
    case WeekdayStep::OnOrBefore:
        return date - back;
    case WeekdayStep::OnOrAfter:
        return date + ahead;
    }
    return date;
}

// The date of a sound rule in a year before its weekday step, the changes aside.
std::optional<TDateTime> BaseDate(const HolidayRule &rule, int year)
{
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

// A rule's day in a year, and whether a one-off change put it there.
struct RuleDay {
    TDateTime Date = 0;
    bool Changed = false;
};

std::optional<RuleDay> DayInYear(const HolidayRule &rule, int year)
{
    if (RuleProblem(rule)) {
        return std::nullopt;
    }
    const auto change = std::ranges::find(rule.Changes, year, &YearChange::Year);
    if (change != rule.Changes.end()) {
        if (change->Month == 0) {
            return std::nullopt;
        }
        return RuleDay{DateOf(year, change->Month, change->Day), true};
    }
    if (!HoldsIn(rule, year)) {
        return std::nullopt;
    }
    const auto date = BaseDate(rule, year);
    if (!date) {
        return std::nullopt;
    }
    return RuleDay{Stepped(*date, rule.Step, rule.StepWeekday), false};
}

} // namespace

std::optional<TDateTime> RuleDate(const HolidayRule &rule, int year)
{
    const auto day = DayInYear(rule, year);
    return day ? std::optional(day->Date) : std::nullopt;
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
    // The dates as they fall first, in every year of the span, so that a substitute day skips
    // them all, those of the next year too when it is carried over the year's end.
    std::vector<std::pair<const HolidayRule *, RuleDay>> dates;
    std::set<TDateTime> taken;
    for (int year = firstYear; year <= lastYear; ++year) {
        for (const HolidayRule &rule : rules) {
            if (const auto day = rule.Used ? DayInYear(rule, year) : std::nullopt) {
                dates.emplace_back(&rule, *day);
                taken.insert(day->Date);
            }
        }
    }
    // Year by year, so that a day carried into the next year is taken before that year's own
    // days move. A day moved alike once more goes where it went the first time.
    std::vector<Holiday> all;
    std::map<std::pair<TDateTime, WeekendMove>, TDateTime> movedBefore;
    for (auto &[rule, day] : dates) {
        const TDateTime date = day.Date;
        const WeekendMove move =
            rule->Kind == HolidayRuleKind::FixedDate && !day.Changed ? rule->Move : WeekendMove::None;
        const auto before = movedBefore.find({date, move});
        const TDateTime moved = before != movedBefore.end() ? before->second : MovedDate(date, move, taken);
        movedBefore.emplace(std::pair{date, move}, moved);
        if (moved == date) {
            all.push_back({date, {{rule->Name, rule->Preset, HolidayMove::None}}});
            continue;
        }
        taken.insert(moved);
        const bool substitute = move == WeekendMove::Monday || move == WeekendMove::SundayToMonday;
        all.push_back(
            {moved, {{rule->Name, rule->Preset, substitute ? HolidayMove::Substitute : HolidayMove::Observed}}});
    }
    std::ranges::stable_sort(all, {}, &Holiday::Date);
    std::vector<Holiday> holidays;
    for (Holiday &holiday : all) {
        if (holiday.Date < std::trunc(firstDay) || holiday.Date > std::trunc(lastDay) ||
            !IsSendableDate(holiday.Date)) {
            continue;
        }
        if (!holidays.empty() && holidays.back().Date == holiday.Date) {
            // Two countries' rules may name the same day alike: the name is given once.
            std::vector<HolidayName> &names = holidays.back().Names;
            for (HolidayName &name : holiday.Names) {
                if (std::ranges::none_of(names, [&name](const HolidayName &had) {
                        return had.Name == name.Name && had.Moved == name.Moved;
                    })) {
                    names.push_back(std::move(name));
                }
            }
        } else {
            holidays.push_back(std::move(holiday));
        }
    }
    return holidays;
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
