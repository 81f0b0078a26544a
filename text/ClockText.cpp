#include "text/ClockText.h"

#include "core/DeviceClock.h"

namespace korvelt {

QString UnreadableClockText(const std::array<std::uint8_t, 6> &bytes)
{
    return QStringLiteral("the KORVELT's clock holds no valid time (bytes %1)")
        .arg(QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", 2000 + bytes[5], bytes[4], bytes[3], bytes[0], bytes[1],
                               bytes[2]));
}

QString ClockMessageText(const CellTextCodec &codec, TDateTime date, TDateTime time)
{
    if (const auto bytes = UnreadableClockBytes(date, time)) {
        QString text = UnreadableClockText(*bytes);
        text[0] = text[0].toUpper();
        return text;
    }
    return QStringLiteral("Module Time: ") + codec.TimeText(time) + QStringLiteral("\nModule Date: ") +
           codec.DateText(date);
}

QString ClockMessageText(TDateTime date, TDateTime time)
{
    return ClockMessageText(DefaultCellTextCodec(), date, time);
}

QString ClockDifferenceText(qint64 behind)
{
    if (behind == 0) {
        return QStringLiteral("KORVELT and this PC agree to the second");
    }
    const qint64 seconds = behind < 0 ? -behind : behind;
    constexpr qint64 Minute = 60;
    constexpr qint64 Hour = 60 * Minute;
    constexpr qint64 Day = 24 * Hour;
    // The two largest units that are not zero say enough.
    QString amount;
    if (seconds >= Day) {
        amount = QStringLiteral("%1 d %2 h").arg(seconds / Day).arg(seconds % Day / Hour);
    } else if (seconds >= Hour) {
        amount = QStringLiteral("%1 h %2 min").arg(seconds / Hour).arg(seconds % Hour / Minute);
    } else if (seconds >= Minute) {
        amount = QStringLiteral("%1 min %2 s").arg(seconds / Minute).arg(seconds % Minute);
    } else {
        amount = QStringLiteral("%1 s").arg(seconds);
    }
    return QStringLiteral("KORVELT is %1 %2 this PC")
        .arg(amount, behind > 0 ? QStringLiteral("behind") : QStringLiteral("ahead of"));
}

} // namespace korvelt
