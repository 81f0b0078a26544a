#pragma once

#include "CellText.h"
#include "DateTime.h"

#include <QString>

namespace korvelt {

// The message that shows the device's clock: "Module Time: <time>\nModule Date: <date>", the
// time in the long time format and the date in the short date format of the codec's locale
// (the formats of the grid cells).
QString ClockMessageText(const CellTextCodec &codec, TDateTime date, TDateTime time);

// The same after the user's (default) locale.
QString ClockMessageText(TDateTime date, TDateTime time);

// How far the device's clock is from the PC's, `behind` seconds behind it (negative: ahead):
// "KORVELT is 3 min 38 s behind this PC", "KORVELT is 2 h 5 min ahead of this PC",
// "KORVELT and this PC agree to the second".
QString ClockDifferenceText(qint64 behind);

} // namespace korvelt
