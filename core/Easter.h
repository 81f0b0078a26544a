#pragma once

#include "core/DateTime.h"

namespace korvelt {

// Easter Sunday of a year of the Gregorian calendar (1583 and later): the anonymous
// Gregorian computus (Meeus/Jones/Butcher), exact for every such year. Years before 1583
// give what the Gregorian rules would have given.
DateParts EasterSunday(int year);

} // namespace korvelt
