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

// Decomposition never fails: values that are not finite, or whose day lies outside
// years 1..9999, decompose to the origin (30 December 1899, midnight).
DateParts DecodeDate(TDateTime value);
TimeParts DecodeTime(TDateTime value);

// The whole-day part of a value, truncated toward zero (0 for values that are not finite
// or out of range).
TDateTime DatePart(TDateTime value);

} // namespace korvelt
