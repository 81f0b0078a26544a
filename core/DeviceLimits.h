#pragma once

namespace korvelt {

// What the KORVELT can hold, for everything that checks a value before it is sent or counts
// what a schedule has: a date keeps its year as the offset from 2000 in one byte.
inline constexpr int FirstDeviceYear = 2000;
inline constexpr int LastDeviceYear = FirstDeviceYear + 255; // 2255

// A schedule switches 16 outputs, each with 16 normal and 16 special time slots, and has
// 16 special dates.
inline constexpr int OutputCount = 16;
inline constexpr int SlotCount = 16;
inline constexpr int SpecialDateCount = 16;

} // namespace korvelt
