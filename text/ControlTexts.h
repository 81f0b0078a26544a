#pragma once

#include <QStringList>

namespace korvelt {

// Texts of the window's controls that other texts repeat: the week items of the
// daylight-saving rule, its month items as the month boxes spell them, and the time grid's
// day headings, Sunday first.
[[nodiscard]] const QStringList &WeekItemTexts();
[[nodiscard]] const QStringList &MonthItemTexts();
[[nodiscard]] const QStringList &DayHeadingTexts();

} // namespace korvelt
