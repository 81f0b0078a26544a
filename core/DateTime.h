#pragma once

#include <cstdint>

namespace korvelt {

// Days since 30 December 1899; the fraction is the time of day (0.5 = 12:00).
using TDateTime = double;

inline constexpr std::int64_t MSecsPerDay = 86'400'000;

struct DateParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
};

struct TimeParts {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MilliSecond = 0;
};

// Composition fails (returns false, leaves `result` alone) on impossible values.
bool TryEncodeDate(int year, int month, int day, TDateTime &result);
bool TryEncodeTime(int hour, int minute, int second, int milliSecond, TDateTime &result);

// Whether a value decomposes into a date in years 1..9999 and a time of day: it is finite,
// and its day lies in those years once its time of day has been rounded to the millisecond.
bool IsDecodable(TDateTime value);

// Decomposition never fails: values that are not decodable decompose to the origin
// (30 December 1899, midnight). The day counts toward the origin and the time of day is
// the magnitude of the fraction, to the nearest millisecond; a time of day that rounds up
// to a whole day is midnight of the next day away from the origin, so that date and time
// always describe the same moment.
DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);

// The whole-day part of a value, truncated toward zero (0 for values that are not finite
// or out of range).
TDateTime DatePart(TDateTime value);

} // namespace korvelt
