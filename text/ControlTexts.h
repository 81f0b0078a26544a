#pragma once

#include <QStringList>

namespace korvelt {

// Texts of the window's controls that other texts repeat: the week items of the
// daylight-saving rule, its month items as the month boxes spell them, and the time grid's
// day headings, Sunday first. The tables hold the English source texts; ControlText and
// ControlTexts give them as shown, in the program's language.
[[nodiscard]] const QStringList &WeekItemTexts();
[[nodiscard]] const QStringList &MonthItemTexts();
[[nodiscard]] const QStringList &DayHeadingTexts();

[[nodiscard]] QString ControlText(const QString &entry);
[[nodiscard]] QStringList ControlTexts(const QStringList &entries);

} // namespace korvelt
