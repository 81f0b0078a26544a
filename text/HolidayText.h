#pragma once

#include "core/HolidayRules.h"

#include <QStringList>

#include <string>
#include <vector>

namespace korvelt {

// The holidays as the user reads them. The presets' names are English keys (rule files and
// korveltctl --json carry them); they are shown in the program's language, the names of the
// user's own rules as written.

// Every name of a preset and of its holidays, as source texts of the context "HolidayNames".
[[nodiscard]] const std::vector<const char *> &HolidayNameTable();

// A rule's name as shown: translated for a preset's rule, as written otherwise.
[[nodiscard]] QString HolidayRuleNameText(const HolidayRule &rule);
// Every note of a preset's rules, as source texts of the context "HolidayNotes".
[[nodiscard]] const std::vector<const char *> &HolidayNoteTable();
// A rule's note as shown: translated for a preset's rule, as written otherwise.
[[nodiscard]] QString HolidayRuleNoteText(const HolidayRule &rule);

// A preset's country or region, translated.
[[nodiscard]] QString HolidayPresetNameText(const HolidayPreset &preset);

// A holiday's names as shown, each with its move: "Boxing Day (substitute day)".
[[nodiscard]] QStringList HolidayNameTexts(const Holiday &holiday);
// The same joined: "Labour Day / Ascension Day".
[[nodiscard]] QString HolidayNamesText(const Holiday &holiday);

// One holiday as a line of plain text (UTF-8), the date in ISO form and the weekday as data:
// "2027-01-01 Fri New Year's Day".
[[nodiscard]] std::string HolidayText(const Holiday &holiday);

// A month's name as a rule's date shows it ("25 December"), 1 January .. 12 December, in the
// program's language; the number itself for any other month.
[[nodiscard]] QString HolidayMonthText(int month);

// Why a rule can make no date: "30 February is not a date."
[[nodiscard]] QString RuleProblemText(const RuleProblemFound &problem);

} // namespace korvelt
