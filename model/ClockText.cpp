#include "ClockText.h"

#include <QDate>
#include <QTime>

namespace korvelt {

QString ClockMessageText(const CellTextCodec &codec, TDateTime date, TDateTime time)
{
    const TimeParts t = DecodeTime(time);
    const DateParts d = DecodeDate(date);
    const QString timeText = codec.Locale().toString(QTime(t.Hour, t.Minute, t.Second), codec.TimeFormat());
    const QString dateText = codec.Locale().toString(QDate(d.Year, d.Month, d.Day), codec.DateFormat());
    return QStringLiteral("Module Time: ") + timeText + QStringLiteral("\nModule Date: ") + dateText;
}

QString ClockMessageText(TDateTime date, TDateTime time)
{
    return ClockMessageText(DefaultCellTextCodec(), date, time);
}

} // namespace korvelt
