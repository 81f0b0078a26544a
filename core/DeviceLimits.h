#pragma once

namespace korvelt {

// What the KORVELT can hold, for everything that checks a value before it is sent: a date
// keeps its year as the offset from 2000 in one byte.
inline constexpr int FirstDeviceYear = 2000;
inline constexpr int LastDeviceYear = FirstDeviceYear + 255; // 2255

} // namespace korvelt
