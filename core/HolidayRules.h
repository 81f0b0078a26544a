#pragma once

#include "core/DeviceLimits.h"

#include "core/DateTime.h"
#include "core/ScheduleModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvelt {

// Holidays made from rules: a fixed date, a date relative to Easter Sunday, the nth or the
// last weekday of a month, each in the years a rule holds (all, from or until a year, or
// every Nth year), possibly then a weekday before or after that date, with the years a
// calendar moved or dropped the day once; and the special dates filled from them.

enum class HolidayRuleKind {
    FixedDate,    // Month and Day, every year (29 February in leap years only)
    EasterOffset, // Offset days from Easter Sunday (Good Friday -2, Whit Monday +50)
    NthWeekday,   // the Nth (1 to 4) Weekday of Month
    LastWeekday,  // the last Weekday of Month
};

// What a fixed date does when it falls on a weekend.
enum class WeekendMove {
    None,
    Monday,           // Saturday and Sunday move to the Monday after, or the next weekday that is
                      // no holiday yet (a substitute day)
    NearestWeekday,   // Saturday to the Friday before, Sunday to the Monday after (observed)
    SundayToSaturday, // Sunday to the Saturday before
    SundayToMonday,   // Sunday alone to the Monday after, or the next weekday that is no holiday
                      // yet (a substitute day); Saturday stays
};

// A weekday taken from the date a rule gives: "the Wednesday before 23 November", "the
// Friday after the 4th Thursday of November".
enum class WeekdayStep {
    None,
    Before,     // the last such weekday before the date (a week before when the date is one)
    After,      // the first such weekday after the date (a week after when the date is one)
    OnOrBefore, // the date itself when it is that weekday, else the one before
    OnOrAfter,  // the date itself when it is that weekday, else the one after
};

// The years the device can hold a date in.
inline constexpr int FirstSendableYear = FirstDeviceYear;
inline constexpr int LastSendableYear = LastDeviceYear;
// The years a rule may name (its first and last year, a one-off change).
inline constexpr int FirstRuleYear = 1583;
inline constexpr int LastRuleYear = 9999;

// Days of the week as the grids count them: 0 Sunday .. 6 Saturday.
inline constexpr int DaysPerWeek = 7;
[[nodiscard]] int DayOfWeek(TDateTime date);

// A rule's day changed for one year: moved to Month/Day of that year, or (Month 0) dropped.
// A moved day stays where it is put: no weekend move, no weekday step.
struct YearChange {
    int Year = 0;
    int Month = 0; // 0: no holiday that year
    int Day = 0;

    bool operator==(const YearChange &) const = default;
};

struct HolidayRule {
    HolidayRuleKind Kind = HolidayRuleKind::FixedDate;
    std::string Name;
    int Month = 1;                        // FixedDate, NthWeekday, LastWeekday: 1 to 12
    int Day = 1;                          // FixedDate
    int Offset = 0;                       // EasterOffset: -MaxEasterOffset to MaxEasterOffset
    int Weekday = 1;                      // NthWeekday, LastWeekday: 0 Sunday .. 6 Saturday
    int Nth = 1;                          // NthWeekday: 1 to 4
    WeekendMove Move = WeekendMove::None; // FixedDate only
    WeekdayStep Step = WeekdayStep::None; // then this weekday before or after the date
    int StepWeekday = 0;                  // 0 Sunday .. 6 Saturday
    int FirstYear = 0;                    // the first year the rule holds; 0: no first year
    int LastYear = 0;                     // the last year; 0: no last year. A one-off day: both the same year
    int EveryYears = 1;                   // every Nth year counted from FirstYear (which it then needs)
    std::vector<YearChange> Changes;      // one per year at most
    std::string Note;                     // why the rule is as it is, why it is unticked
    bool Used = true;                     // ticked: generated from
    bool Preset = false;                  // from a preset: its name is shown in the program's language

    // Equal in all but where they came from: a preset's rule saved and loaded is the same rule.
    bool operator==(const HolidayRule &other) const;
};

// Whether two rules make the same holiday: equal in all that gives their days, whatever their
// ticks, notes and the parts their kinds do not use.
[[nodiscard]] bool SameRule(const HolidayRule &a, const HolidayRule &b);
inline constexpr int MaxEasterOffset = 200;

// Why a rule can make no date, with the numbers that say it (the text layer makes the
// sentence: "30 February is not a date.").
enum class RuleProblemKind {
    MonthOutOfRange,        // the month is not 1 to 12
    NotADate,               // First day of month Second does not exist
    EasterOffsetOutOfRange, // the offset is not from -First to First
    NthOutOfRange,          // the nth weekday is not 1 to 4
    WeekdayOutOfRange,      // the weekday is not 0 to 6
    StepWeekdayOutOfRange,  // the weekday before or after is not 0 to 6
    YearOutOfRange,         // the first or last year is not from First to Second
    LastYearBeforeFirst,    // the last year First is before the first year Second
    EveryOutOfRange,        // every how many years is not 1 to 100
    EveryWithoutFirstYear,  // every First years, but no first year
    ChangeYearOutOfRange,   // a change's year is not from First to Second
    YearChangedTwice,       // year First is changed twice
    ChangeNotADate,         // the change of year First is no date
};
struct RuleProblemFound {
    RuleProblemKind Kind = RuleProblemKind::MonthOutOfRange;
    int First = 0;
    int Second = 0;

    bool operator==(const RuleProblemFound &) const = default;
};
// Nothing when the rule is sound.
[[nodiscard]] std::optional<RuleProblemFound> RuleProblem(const HolidayRule &rule);

// The date a rule gives in a year before any weekend move; nothing when there is none (29
// February of a common year, a year the rule does not hold or drops, an unsound rule).
[[nodiscard]] std::optional<TDateTime> RuleDate(const HolidayRule &rule, int year);

// Where a holiday is when a weekend moved it.
enum class HolidayMove {
    None,
    Substitute, // a substitute day: "<name> (substitute day)"
    Observed,   // observed on a weekday: "<name> (observed)"
};

// One name of a holiday: the name of a rule that gave the day, whether that rule came from a
// preset (whose names the text layer translates), and whether the day was moved.
struct HolidayName {
    std::string Name;
    bool Preset = false;
    HolidayMove Moved = HolidayMove::None;

    bool operator==(const HolidayName &) const = default;
};

struct Holiday {
    TDateTime Date = 0;             // a whole day
    std::vector<HolidayName> Names; // of all rules that gave this day, each name once

    bool operator==(const Holiday &) const = default;
};

// The holidays the used, sound rules give from firstDay to lastDay (whole days, both
// included), in date order, one entry a day, and only days the device can hold (years 2000
// to 2255). A moved date carries the move with its name. Rules that give the same day and
// move it alike (a rule listed twice, or two countries' Christmas Day) are one holiday: they
// get one substitute day, not one each; a name and move that two rules share is given once.
[[nodiscard]] std::vector<Holiday> GenerateHolidays(const std::vector<HolidayRule> &rules, TDateTime firstDay,
                                                    TDateTime lastDay);

// A country's public holidays as rules, found by a short code.
struct HolidayPreset {
    std::string_view Code; // "gb-eaw", "de", "fr", "us", "nl"
    std::string_view Name; // "England and Wales", ...: the English name, which the text layer translates
    std::vector<HolidayRule> Rules;
};
[[nodiscard]] const std::vector<HolidayPreset> &HolidayPresets();
[[nodiscard]] const HolidayPreset *FindHolidayPreset(std::string_view code);

// What the special dates after the holidays do when there are fewer than SpecialDateCount.
enum class FewerHolidays {
    KeepOthers, // the remaining special dates keep their dates
    RepeatLast, // they repeat the last holiday (a repeated date changes nothing on the device)
};

// Writes the first SpecialDateCount holidays the device can hold, in date order, into the
// model's special dates, starting with special date 1, and returns those left out (after the
// first SpecialDateCount, or not a date the device can hold). No holidays: nothing changes.
std::vector<Holiday> ApplyHolidays(ScheduleModel &model, std::vector<Holiday> holidays, FewerHolidays fewer);

} // namespace korvelt
