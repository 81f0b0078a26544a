#pragma once

#include "core/DateTime.h"

#include <QDate>
#include <QTime>

namespace korvelt {

// TDateTime values to and from Qt's date and time types, for the controls and the locale's
// texts.

// The whole-day part as a date (the origin for values that cannot be decoded).
QDate ToQDate(TDateTime value);
// The time of day, to the millisecond.
QTime ToQTime(TDateTime value);
// A whole day; 0 (the origin) for a date outside years 1..9999.
TDateTime FromQDate(const QDate &date);
// A time of day in [0, 1), to the millisecond.
TDateTime FromQTime(const QTime &time);

} // namespace korvelt
