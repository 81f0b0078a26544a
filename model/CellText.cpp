#include "CellText.h"

#include "QtDateTime.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include <cmath>

namespace korvelt {

namespace {

// Applies `edit` to the unquoted parts of a Qt date/time format.
template <typename Edit> QString EditUnquoted(const QString &format, Edit edit)
{
    QString result;
    QString run;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            if (!quoted) {
                result += edit(run);
                run.clear();
            }
            quoted = !quoted;
            result += c;
        } else if (quoted) {
            result += c;
        } else {
            run += c;
        }
    }
    return result + edit(run);
}

QString WithFourDigitYear(const QString &format)
{
    return EditUnquoted(format, [](QString part) {
        if (!part.contains(QLatin1String("yyyy"))) {
            part.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        }
        return part;
    });
}

QString WithoutSeconds(const QString &format)
{
    return EditUnquoted(format, [](QString part) {
        // "mm:ss" and "mm.ss" and the like: drop the seconds with the separator before them.
        static const QRegularExpression seconds(QStringLiteral("[^A-Za-z]*s{1,2}"));
        return part.remove(seconds);
    });
}

} // namespace

QString StripTimeZone(const QString &format)
{
    return EditUnquoted(format, [](QString part) {
        static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
        part.replace(zone, QStringLiteral(" "));
        return part;
    }).simplified();
}

CellTextCodec::CellTextCodec(const QLocale &locale)
    : locale_(locale), timeFormat_(StripTimeZone(locale.timeFormat(QLocale::LongFormat))),
      dateFormat_(WithFourDigitYear(locale.dateFormat(QLocale::ShortFormat)))
{
    timeParseFormats_ << timeFormat_ << WithoutSeconds(timeFormat_) << QStringLiteral("H:mm:ss")
                      << QStringLiteral("H:mm");
    timeParseFormats_.removeDuplicates();
}

QString CellTextCodec::TimeToCellText(TDateTime value) const
{
    if (!IsDecodable(value)) {
        return {};
    }
    if (value < 1.0) {
        return TimeText(value);
    }
    if (value == std::trunc(value)) {
        return DateText(value);
    }
    return DateText(value) + QLatin1Char(' ') + TimeText(value);
}

QString CellTextCodec::TimeText(TDateTime value) const
{
    return locale_.toString(ToQTime(value), timeFormat_);
}

QString CellTextCodec::DateText(TDateTime value) const
{
    return locale_.toString(ToQDate(value), dateFormat_);
}

std::optional<TDateTime> CellTextCodec::ParseTime(const QString &text) const
{
    for (const QString &format : timeParseFormats_) {
        const QTime time = locale_.toTime(text, format);
        if (time.isValid()) {
            return FromQTime(time);
        }
    }
    return std::nullopt;
}

std::optional<TDateTime> CellTextCodec::ParseDate(const QString &text) const
{
    const QDate date = locale_.toDate(text, dateFormat_);
    TDateTime value = 0;
    // A cell shows every value below 1 as a time of day alone, so a date before 30 December
    // 1899 (a negative value) could never be shown again: such a date is no cell value.
    if (date.isValid() && TryEncodeDate(date.year(), date.month(), date.day(), value) && value >= 0) {
        return value;
    }
    return std::nullopt;
}

std::optional<TDateTime> CellTextCodec::CellTextToTime(const QString &rawText) const
{
    const QString text = rawText.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (auto time = ParseTime(text)) {
        return time;
    }
    if (auto date = ParseDate(text)) {
        return date;
    }
    // A date followed by a time: try every space as the boundary.
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0; i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const auto date = ParseDate(text.left(i).trimmed());
        if (!date) {
            continue;
        }
        if (const auto time = ParseTime(text.mid(i + 1).trimmed())) {
            return *date + *time;
        }
    }
    return std::nullopt;
}

const CellTextCodec &DefaultCellTextCodec()
{
    thread_local std::optional<CellTextCodec> codec;
    const QLocale current;
    if (!codec || codec->Locale() != current) {
        codec.emplace(current);
    }
    return *codec;
}

QString TimeToCellText(TDateTime value)
{
    return DefaultCellTextCodec().TimeToCellText(value);
}

std::optional<TDateTime> CellTextToTime(const QString &text)
{
    return DefaultCellTextCodec().CellTextToTime(text);
}

void StoreCellText(const QString &text, TDateTime &value)
{
    if (text == TimeToCellText(value)) {
        return;
    }
    if (const auto parsed = CellTextToTime(text)) {
        value = *parsed;
    }
}

} // namespace korvelt
