#include "text/CellText.h"

#include <limits>

#include "text/QtDateTime.h"

#include <QDate>
#include <QTime>

#include <array>
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

bool IsAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

// The number that a run of decimal digits spells (in any script); nothing when the run is
// empty or holds anything else.
std::optional<int> NumberOf(QStringView digits)
{
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    int number = 0;
    for (const QChar c : digits) {
        if (!c.isDigit()) {
            return std::nullopt;
        }
        number = number * 10 + c.digitValue();
    }
    return number;
}

// An am or pm text as it is compared: without dots and spaces, case folded ("a.m." = "AM").
QString MarkerKey(QString text)
{
    text.remove(QLatin1Char('.'));
    text.remove(QLatin1Char(' '));
    return text.toCaseFolded();
}

bool IsMarkerChar(QChar c)
{
    return c.isLetter() || c.isSpace() || c == QLatin1Char('.');
}

} // namespace

QString WithoutSeconds(const QString &format)
{
    return EditUnquoted(format, [](const QString &part) {
        // "mm:ss" and "mm.ss" and the like: drop the seconds with the separator before them.
        QString kept;
        QString separator; // what stands between the last letter and what comes next
        for (const QChar c : part) {
            if (c == QLatin1Char('s')) {
                separator.clear();
            } else if (IsAsciiLetter(c)) {
                kept += separator + c;
                separator.clear();
            } else {
                separator += c;
            }
        }
        return kept + separator;
    });
}

QString StripTimeZone(const QString &format)
{
    // Each run of "t" goes with the spaces around it; one space stands in its place.
    return EditUnquoted(format,
                        [](const QString &part) {
                            QString kept;
                            for (qsizetype k = 0; k < part.size();) {
                                if (part.at(k) != QLatin1Char('t')) {
                                    kept += part.at(k++);
                                    continue;
                                }
                                while (!kept.isEmpty() && kept.back().isSpace()) {
                                    kept.chop(1);
                                }
                                while (k < part.size() && (part.at(k) == QLatin1Char('t') || part.at(k).isSpace())) {
                                    ++k;
                                }
                                kept += QLatin1Char(' ');
                            }
                            return kept;
                        })
        .simplified();
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
    // A value no date or time can show (beyond every date, before the first, not a number)
    // shows as the number it is, so that it reads as no time and the check can name it.
    if (!IsDecodable(value) || value < 0) {
        return QString::number(value, 'g', std::numeric_limits<double>::max_digits10);
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

std::optional<TDateTime> CellTextCodec::ParseTypedTime(const QString &rawText) const
{
    const QString text = rawText.trimmed();
    // An am or pm text before or after the digits, not both.
    qsizetype first = 0;
    while (first < text.size() && IsMarkerChar(text.at(first))) {
        ++first;
    }
    qsizetype last = text.size();
    while (last > first && IsMarkerChar(text.at(last - 1))) {
        --last;
    }
    if (first > 0 && last < text.size()) {
        return std::nullopt;
    }
    bool am = false;
    bool pm = false;
    if (first > 0 || last < text.size()) {
        const QString marker = MarkerKey(first > 0 ? text.left(first) : text.mid(last));
        am = marker == MarkerKey(locale_.amText()) || marker == QLatin1String("am");
        pm = marker == MarkerKey(locale_.pmText()) || marker == QLatin1String("pm");
        if (am == pm) {
            return std::nullopt;
        }
    }
    const QStringView number = QStringView(text).mid(first, last - first);

    // Hours, minutes and seconds, with one kind of separator or none at all.
    QList<QStringView> parts;
    const bool colon = number.contains(QLatin1Char(':'));
    const bool dot = number.contains(QLatin1Char('.'));
    if (colon && dot) {
        return std::nullopt;
    }
    if (colon || dot) {
        parts = number.split(colon ? QLatin1Char(':') : QLatin1Char('.'));
        if (parts.size() > 3 || parts.front().size() > 2) {
            return std::nullopt;
        }
        for (qsizetype i = 1; i < parts.size(); ++i) {
            if (parts.at(i).size() != 2) {
                return std::nullopt;
            }
        }
    } else {
        // 13, 1330, 133000; an odd count has a one-digit hour (730, 73000).
        if (number.isEmpty() || number.size() > 6) {
            return std::nullopt;
        }
        const qsizetype hourDigits = number.size() <= 2 ? number.size() : 2 - number.size() % 2;
        parts << number.left(hourDigits);
        for (qsizetype i = hourDigits; i < number.size(); i += 2) {
            parts << number.mid(i, 2);
        }
    }
    std::array<int, 3> hms{0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto value = NumberOf(parts.at(i));
        if (!value) {
            return std::nullopt;
        }
        hms.at(static_cast<std::size_t>(i)) = *value;
    }
    int hour = hms[0];
    if (am || pm) {
        // A 12-hour clock runs from 12 through 1 to 11: 0 pm is no more a time than 13 pm.
        if (hour < 1 || hour > 12) {
            return std::nullopt;
        }
        hour = hour % 12 + (pm ? 12 : 0);
    }
    const QTime time(hour, hms[1], hms[2]);
    if (!time.isValid()) {
        return std::nullopt;
    }
    return FromQTime(time);
}

std::optional<TDateTime> CellTextCodec::TypedTextToTime(const QString &text) const
{
    if (auto time = ParseTypedTime(text)) {
        return time;
    }
    // Digits that read as a time, refused with their am or pm: the hour is none of a 12-hour
    // clock (0:30 pm, 13:30 pm). The locale's own reading would take 0 pm for noon.
    const QString trimmed = text.trimmed();
    qsizetype first = 0;
    while (first < trimmed.size() && IsMarkerChar(trimmed.at(first))) {
        ++first;
    }
    qsizetype last = trimmed.size();
    while (last > first && IsMarkerChar(trimmed.at(last - 1))) {
        --last;
    }
    if ((first > 0) != (last < trimmed.size()) && ParseTypedTime(trimmed.mid(first, last - first))) {
        return std::nullopt;
    }
    return CellTextToTime(text);
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

std::optional<TDateTime> TypedTextToTime(const QString &text)
{
    return DefaultCellTextCodec().TypedTextToTime(text);
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
