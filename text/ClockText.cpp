#include "ClockText.h"


namespace korvelt {

QString ClockMessageText(const CellTextCodec &codec, TDateTime date, TDateTime time)
{
    return QStringLiteral("Module Time: ") + codec.TimeText(time) + QStringLiteral("\nModule Date: ") +
           codec.DateText(date);
}

QString ClockMessageText(TDateTime date, TDateTime time)
{
    return ClockMessageText(DefaultCellTextCodec(), date, time);
}

} // namespace korvelt
