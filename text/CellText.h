#pragma once

#include "core/DateTime.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvelt {

// The one text form of a time value in a grid cell, after a locale: a time of day in the
// locale's long time format (without a time-zone name), a whole day in its short date
// format (with a four-digit year, so that the text reads back as the same day), anything
// else as date and time; a value none of these can show (not a number, beyond every date,
// before the first) as its number, which no parsing reads. Parsing accepts what the formatter writes, a time without
// seconds, and a 24-hour time in a 12-hour locale; it refuses dates before 30 December 1899, whose values (below 0) a
// cell would show as a time of day alone.
class CellTextCodec {
public:
    explicit CellTextCodec(const QLocale &locale);

    [[nodiscard]] QString TimeToCellText(TDateTime value) const;
    // The time of day alone, and the date alone, in the cell formats.
    [[nodiscard]] QString TimeText(TDateTime value) const;
    [[nodiscard]] QString DateText(TDateTime value) const;
    [[nodiscard]] std::optional<TDateTime> CellTextToTime(const QString &text) const;
    // The value of a text typed into a time cell. It reads a time of day the ways people
    // write one: hours and minutes, with or without seconds, separated by ':' or '.'
    // (13:30, 13:30:00, 7:05, 7.05), or digits alone (13, 1330, 133000); each with am or
    // pm (or the locale's own texts for them) before or after it, which makes the hours 1
    // to 12 (12 am is midnight); without, the hours run from 0 to 23. What is not typed is
    // zero. A text that is none of these is read as a cell text (a date and time, say).
    // Anything else, out-of-range numbers included, is refused: nothing is guessed.
    [[nodiscard]] std::optional<TDateTime> TypedTextToTime(const QString &text) const;

    [[nodiscard]] const QLocale &Locale() const { return locale_; }
    [[nodiscard]] const QString &TimeFormat() const { return timeFormat_; }
    [[nodiscard]] const QString &DateFormat() const { return dateFormat_; }

private:
    [[nodiscard]] std::optional<TDateTime> ParseTime(const QString &text) const;
    [[nodiscard]] std::optional<TDateTime> ParseDate(const QString &text) const;
    [[nodiscard]] std::optional<TDateTime> ParseTypedTime(const QString &text) const;

    QLocale locale_;
    QString timeFormat_;
    QString dateFormat_;
    QStringList timeParseFormats_;
};

// The same conversions after the user's (default) locale.
QString TimeToCellText(TDateTime value);
std::optional<TDateTime> CellTextToTime(const QString &text);
std::optional<TDateTime> TypedTextToTime(const QString &text);

// How a grid stores one time cell into its value: a cell whose text is still the text of
// the value keeps the value bit for bit (one with fractions of a second, say); a text that
// is no time leaves the value as it was; any other text replaces it.
void StoreCellText(const QString &text, TDateTime &value);

// The codec of the user's (default) locale.
const CellTextCodec &DefaultCellTextCodec();

// Removes the time-zone tokens (t) from a Qt time format and the spaces they leave.
QString StripTimeZone(const QString &format);
// Removes the seconds (s, ss) from a Qt time format with the separator before them.
QString WithoutSeconds(const QString &format);

} // namespace korvelt
