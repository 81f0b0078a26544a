#include "core/DateTime.h"

#include <array>
#include <cmath>
#include <optional>

namespace korvelt {

namespace {

// Day number of 30 December 1899 counted as in DaysFromCivil below.
constexpr std::int64_t OriginDays = -25'569;
// 1 January 0001 and 31 December 9999 as TDateTime day numbers.
constexpr double FirstDay = -693'593.0;
constexpr double LastDay = 2'958'465.0;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days.at(static_cast<std::size_t>(month - 1));
}

// Days since 1 January 1970 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146'097 + static_cast<std::int64_t>(doe) - 719'468;
}

DateParts CivilFromDays(std::int64_t z)
{
    z += 719'468;
    const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
    const auto doe = static_cast<unsigned>(z - era * 146'097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return DateParts{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

bool InRange(TDateTime value)
{
    return std::isfinite(value) && value >= FirstDay && value < LastDay + 1.0;
}

struct DayAndTime {
    std::int64_t Day = 0;          // TDateTime day number
    std::int64_t MilliSeconds = 0; // time of day
};

std::optional<DayAndTime> Split(TDateTime value)
{
    if (!std::isfinite(value) || value <= FirstDay - 1.0 || value >= LastDay + 1.0) {
        return std::nullopt;
    }
    const double wholeDays = std::trunc(value);
    DayAndTime split{static_cast<std::int64_t>(wholeDays),
                     static_cast<std::int64_t>(std::llround(std::fabs(value - wholeDays) * MSecsPerDay))};
    if (split.MilliSeconds >= MSecsPerDay) {
        split.MilliSeconds = 0;
        split.Day += value < 0 ? -1 : 1;
    }
    if (static_cast<double>(split.Day) < FirstDay || static_cast<double>(split.Day) > LastDay) {
        return std::nullopt;
    }
    return split;
}

} // namespace

bool TryEncodeDate(int year, int month, int day, TDateTime &result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        return false;
    }
    result =
        static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - OriginDays);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int milliSecond, TDateTime &result)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || milliSecond < 0 ||
        milliSecond > 999) {
        return false;
    }
    const std::int64_t ms = ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + milliSecond;
    result = static_cast<double>(ms) / static_cast<double>(MSecsPerDay);
    return true;
}

TDateTime DatePart(TDateTime value)
{
    return InRange(value) ? std::trunc(value) : 0.0;
}

bool IsDecodable(TDateTime value)
{
    return Split(value).has_value();
}

DateParts DecodeDate(TDateTime value)
{
    const std::optional<DayAndTime> split = Split(value);
    if (!split) {
        return DateParts{};
    }
    return CivilFromDays(split->Day + OriginDays);
}

TimeParts DecodeTime(TDateTime value)
{
    const std::optional<DayAndTime> split = Split(value);
    if (!split) {
        return TimeParts{};
    }
    std::int64_t ms = split->MilliSeconds;
    TimeParts parts;
    parts.MilliSecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    parts.Second = static_cast<int>(ms % 60);
    ms /= 60;
    parts.Minute = static_cast<int>(ms % 60);
    parts.Hour = static_cast<int>(ms / 60);
    return parts;
}

} // namespace korvelt
