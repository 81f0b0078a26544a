#pragma once

#include "HolidayRules.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <vector>

namespace korvelt {

// The user's holiday rules as a small JSON file, so that next year's holidays take a load
// and a click. The names of the holidays live here; the data file has no room for them.
//
//   {"format": "korvelt-holiday-rules", "version": 1, "rules": [
//     {"kind": "fixed", "name": "Christmas Day", "month": 12, "day": 25, "weekend": "monday"},
//     {"kind": "easter", "name": "Whit Monday", "offset": 50},
//     {"kind": "nth-weekday", "name": "Thanksgiving Day", "nth": 4, "weekday": "thursday", "month": 11},
//     {"kind": "last-weekday", "name": "Memorial Day", "weekday": "monday", "month": 5, "used": false}]}
//
// "weekend" is "none" (or left out), "monday", "nearest-weekday" or "sunday-to-saturday";
// "used" (true when left out) is whether the rule is ticked.

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

} // namespace korvelt
