#pragma once

#include "core/HolidayRules.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <vector>

namespace korvelt {

// The user's holiday rules as a small JSON file, so that next year's holidays take a load
// and a click. The names of the holidays live here; the data file has no room for them.
//
//   {"format": "korvelt-holiday-rules", "version": 2, "rules": [
//     {"kind": "fixed", "name": "Christmas Day", "month": 12, "day": 25, "weekend": "monday"},
//     {"kind": "easter", "name": "Whit Monday", "offset": 50},
//     {"kind": "nth-weekday", "name": "Thanksgiving Day", "nth": 4, "weekday": "thursday", "month": 11},
//     {"kind": "last-weekday", "name": "Memorial Day", "weekday": "monday", "month": 5, "used": false},
//     {"kind": "fixed", "name": "Day of Repentance and Prayer", "month": 11, "day": 23,
//      "then": "before", "then-weekday": "wednesday"},
//     {"kind": "nth-weekday", "name": "Early May bank holiday", "nth": 1, "weekday": "monday", "month": 5,
//      "changes": [{"year": 2020, "month": 5, "day": 8}, {"year": 2031, "dropped": true}]},
//     {"kind": "fixed", "name": "Royal wedding", "month": 4, "day": 29, "from": 2011, "until": 2011},
//     {"kind": "fixed", "name": "Liberation Day", "month": 5, "day": 5, "from": 2000, "every": 5,
//      "note": "Every fifth year"}]}
//
// "weekend" is "none" (or left out), "monday", "nearest-weekday", "sunday-to-saturday" or
// "sunday-to-monday"; "used" (true when left out) is whether the rule is ticked; "then" takes
// the "then-weekday" "before", "after", "on-or-before" or "on-or-after" the date; "from",
// "until" and "every" are the years it holds; "changes" move or drop its day in single years.
// docs/holiday-rules.md describes the format whole. Version 1 files (the four kinds and
// the first four moves alone) load unchanged, and a file that needs nothing more is written
// as version 1.

struct HolidayRuleFileResult {
    bool Loaded = false;
    std::vector<HolidayRule> Rules; // empty unless loaded
    QString Message;                // why it was refused; empty when loaded
};

inline constexpr qsizetype MaxHolidayRuleFileSize = 1 << 20;

[[nodiscard]] QByteArray HolidayRulesToJson(const std::vector<HolidayRule> &rules);
[[nodiscard]] HolidayRuleFileResult HolidayRulesFromJson(const QByteArray &json);

// Written atomically (as the data file is): on failure the file on disk is as it was.
[[nodiscard]] bool SaveHolidayRuleFile(const std::filesystem::path &path, const std::vector<HolidayRule> &rules);
[[nodiscard]] HolidayRuleFileResult LoadHolidayRuleFile(const std::filesystem::path &path);

// The texts the file and the dialog use for a rule's parts.
[[nodiscard]] QString RuleKindKey(HolidayRuleKind kind);
[[nodiscard]] QString WeekendMoveKey(WeekendMove move);
[[nodiscard]] QString WeekdayKey(int weekday); // "sunday" .. "saturday"
[[nodiscard]] QString WeekdayStepKey(WeekdayStep step);

} // namespace korvelt
