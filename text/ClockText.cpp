#include "text/ClockText.h"

#include "core/DeviceClock.h"
#include "core/DeviceLimits.h"

#include <QCoreApplication>

namespace korvelt {

QString UnreadableClockText(const std::array<std::uint8_t, 6> &bytes)
{
    //: Begins with a small letter: it also stands inside other sentences. %1 is the clock's bytes as a date and time
    return QCoreApplication::translate("ClockText", "the KORVELT's clock holds no valid time (bytes %1)")
        .arg(QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", FirstDeviceYear + bytes[5], bytes[4], bytes[3],
                               bytes[0], bytes[1], bytes[2]));
}

QString ClockMessageText(const CellTextCodec &codec, TDateTime date, TDateTime time)
{
    if (const auto bytes = UnreadableClockBytes(date, time)) {
        QString text = UnreadableClockText(*bytes);
        text[0] = text[0].toUpper();
        return text;
    }
    //: The device's clock: %1 is its time, %2 its date
    return QCoreApplication::translate("ClockText", "Module Time: %1\nModule Date: %2")
        .arg(codec.TimeText(time), codec.DateText(date));
}

QString ClockMessageText(TDateTime date, TDateTime time)
{
    return ClockMessageText(DefaultCellTextCodec(), date, time);
}

QString ClockDifferenceText(qint64 behind)
{
    if (behind == 0) {
        return QCoreApplication::translate("ClockText", "KORVELT and this PC agree to the second");
    }
    const qint64 seconds = behind < 0 ? -behind : behind;
    constexpr qint64 Minute = 60;
    constexpr qint64 Hour = 60 * Minute;
    constexpr qint64 Day = 24 * Hour;
    // The two largest units that are not zero say enough.
    QString amount;
    if (seconds >= Day) {
        //: An amount of time: days and hours
        amount = QCoreApplication::translate("ClockText", "%1 d %2 h").arg(seconds / Day).arg(seconds % Day / Hour);
    } else if (seconds >= Hour) {
        //: An amount of time: hours and minutes
        amount =
            QCoreApplication::translate("ClockText", "%1 h %2 min").arg(seconds / Hour).arg(seconds % Hour / Minute);
    } else if (seconds >= Minute) {
        //: An amount of time: minutes and seconds
        amount = QCoreApplication::translate("ClockText", "%1 min %2 s").arg(seconds / Minute).arg(seconds % Minute);
    } else {
        //: An amount of time: seconds
        amount = QCoreApplication::translate("ClockText", "%1 s").arg(seconds);
    }
    //: %1 is an amount of time, as in "3 min 38 s"
    return behind > 0 ? QCoreApplication::translate("ClockText", "KORVELT is %1 behind this PC").arg(amount)
                      //: %1 is an amount of time, as in "3 min 38 s"
                      : QCoreApplication::translate("ClockText", "KORVELT is %1 ahead of this PC").arg(amount);
}

} // namespace korvelt
