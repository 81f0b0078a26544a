#include "text/QtDateTime.h"

namespace korvelt {

QDate ToQDate(TDateTime value)
{
    const DateParts d = DecodeDate(value);
    return {d.Year, d.Month, d.Day};
}

QTime ToQTime(TDateTime value)
{
    const TimeParts t = DecodeTime(value);
    return {t.Hour, t.Minute, t.Second, t.MilliSecond};
}

TDateTime FromQDate(const QDate &date)
{
    TDateTime value = 0;
    TryEncodeDate(date.year(), date.month(), date.day(), value);
    return value;
}

TDateTime FromQTime(const QTime &time)
{
    TDateTime value = 0;
    TryEncodeTime(time.hour(), time.minute(), time.second(), time.msec(), value);
    return value;
}

} // namespace korvelt
