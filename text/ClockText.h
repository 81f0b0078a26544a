#pragma once

#include "text/CellText.h"
#include "core/DateTime.h"

#include <QString>

#include <array>
#include <cstdint>

namespace korvelt {

// The message that shows the device's clock: "Module Time: <time>\nModule Date: <date>", the
// time in the long time format and the date in the short date format of the codec's locale
// (the formats of the grid cells).
QString ClockMessageText(const CellTextCodec &codec, TDateTime date, TDateTime time);

// A clock that holds no valid time is said to be one, with its bytes:
// "the KORVELT's clock holds no valid time (bytes 2030-02-30 25:61:61)"; ClockMessageText
// gives the same, starting with a capital.
QString UnreadableClockText(const std::array<std::uint8_t, 6> &bytes);

// The same after the user's (default) locale.
QString ClockMessageText(TDateTime date, TDateTime time);

// How far the device's clock is from the PC's, `behind` seconds behind it (negative: ahead):
// "KORVELT is 3 min 38 s behind this PC", "KORVELT is 2 h 5 min ahead of this PC",
// "KORVELT and this PC agree to the second".
QString ClockDifferenceText(qint64 behind);

} // namespace korvelt
