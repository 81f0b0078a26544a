#include "core/Easter.h"

namespace korvelt {

DateParts EasterSunday(int year)
{
    const int a = year % 19;  // place in the 19-year cycle of the moon
    const int b = year / 100; // century
    const int c = year % 100;
    const int d = b / 4; // leap centuries
    const int e = b % 4;
    const int f = (b + 8) / 25; // the moon's correction
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30; // epact: days from the new moon to the full moon
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7; // days from the full moon to the Sunday after
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return DateParts{year, month, day};
}

} // namespace korvelt
