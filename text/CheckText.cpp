#include "text/CheckText.h"

#include "core/DeviceLimits.h"
#include "text/CellText.h"
#include "text/ControlTexts.h"
#include "text/DifferenceText.h"

#include <QLocale>

namespace korvelt {

namespace {

QString FieldName(UnsendableValue::Field field)
{
    using Field = UnsendableValue::Field;
    return field == Field::NormalStart || field == Field::SpecialStart ? QStringLiteral("Start")
                                                                       : QStringLiteral("End");
}

QString SpecialDateText(int entry, TDateTime date)
{
    return QStringLiteral("Special date %1 (%2)").arg(entry + 1).arg(DefaultCellTextCodec().DateText(date));
}

} // namespace

QString UnsendableText(const UnsendableValue &value)
{
    using Field = UnsendableValue::Field;
    const auto slotLine = [&value](bool special, const char *time) {
        return QStringLiteral("%1: the %2 time is not a time of day.")
            .arg(SlotPlaceText(value.Output, special, value.Index), QLatin1String(time));
    };
    const auto ruleLine = [](const char *what) {
        return QStringLiteral("Daylight Saving: no %1 is chosen.").arg(QLatin1String(what));
    };
    switch (value.What) {
    case Field::NormalStart:
        return slotLine(false, "Start");
    case Field::NormalEnd:
        return slotLine(false, "End");
    case Field::SpecialStart:
        return slotLine(true, "Start");
    case Field::SpecialEnd:
        return slotLine(true, "End");
    case Field::SpecialDate:
        return QStringLiteral("Special date %1 is not set to a date from %2 to %3.")
            .arg(value.Index + 1)
            .arg(FirstDeviceYear)
            .arg(LastDeviceYear);
    case Field::AdvanceWeek:
        return ruleLine("Advance Clock week");
    case Field::AdvanceMonth:
        return ruleLine("Advance Clock month");
    case Field::RetardWeek:
        return ruleLine("Retard Clock week");
    case Field::RetardMonth:
        return ruleLine("Retard Clock month");
    }
    return {};
}

QString FindingText(const ScheduleFinding &finding)
{
    using Kind = ScheduleFinding::Kind;
    const QString place = SlotPlaceText(finding.Output, finding.Special, finding.Slot);
    const QString start = TimeToCellText(finding.Start);
    const QString end = TimeToCellText(finding.End);
    switch (finding.What) {
    case Kind::EndBeforeStart:
        return QStringLiteral("%1: ends at %2, before it starts at %3.").arg(place, end, start);
    case Kind::StartEqualsEnd:
        return QStringLiteral("%1: starts and ends at %2 on %3.").arg(place, start, DayMaskText(finding.Days));
    case Kind::TimesWithoutDays:
        return QStringLiteral("%1: %2 to %3, but no day is On.").arg(place, start, end);
    case Kind::Overlap:
        return QStringLiteral("%1 (%2 to %3) overlaps slot %4%5.")
            .arg(place, start, end)
            .arg(finding.Other + 1)
            .arg(finding.Special ? QString() : QStringLiteral(" on ") + DayMaskText(finding.Days));
    case Kind::Duplicate:
        return QStringLiteral("%1 (%2 to %3) is the same as slot %4.").arg(place, start, end).arg(finding.Other + 1);
    case Kind::NotWholeSeconds:
        return QStringLiteral("%1: the %2 time has fractions of a second; the KORVELT keeps whole seconds.")
            .arg(place, FieldName(finding.Value.What));
    case Kind::Unsendable:
        return UnsendableText(finding.Value);
    case Kind::SpecialDateWithTime:
        return QStringLiteral("Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.")
            .arg(finding.Slot + 1)
            .arg(DefaultCellTextCodec().DateText(finding.Date), DefaultCellTextCodec().TimeText(finding.Date));
    case Kind::PastSpecialDate:
        return QStringLiteral("%1 is in the past.").arg(SpecialDateText(finding.Slot, finding.Date));
    case Kind::RepeatedSpecialDate:
        return QStringLiteral("%1 is the same as special date %2.")
            .arg(SpecialDateText(finding.Slot, finding.Date))
            .arg(finding.Other + 1);
    case Kind::SpecialSlotsWithoutFutureDate:
        return QStringLiteral("Output %1, Special Times: slots are set, but no special date is today or later.")
            .arg(finding.Output + 1);
    }
    return {};
}

std::array<int, DayCount> LocaleDayOrder(const QLocale &locale)
{
    // Qt counts Monday as 1 and Sunday as 7; the slots count Sunday as 0.
    const int first = static_cast<int>(locale.firstDayOfWeek()) % DayCount;
    std::array<int, DayCount> order{};
    for (int i = 0; i < DayCount; ++i) {
        order.at(static_cast<std::size_t>(i)) = (first + i) % DayCount;
    }
    return order;
}

QString DayMaskText(int days)
{
    // Three days or more in a row are told as a range: "Mon to Sat".
    const std::array<int, DayCount> order = LocaleDayOrder();
    const auto on = [&](int i) { return i < DayCount && (days & (1 << order.at(static_cast<std::size_t>(i)))) != 0; };
    const auto name = [&](int i) { return DayHeadingTexts().at(order.at(static_cast<std::size_t>(i))); };
    QStringList names;
    for (int i = 0; i < DayCount; ++i) {
        if (!on(i)) {
            continue;
        }
        int last = i;
        while (on(last + 1)) {
            ++last;
        }
        if (last - i >= 2) {
            names << QStringLiteral("%1 to %2").arg(name(i), name(last));
            i = last;
        } else {
            names << name(i);
        }
    }
    return names.join(QLatin1Char(' '));
}

} // namespace korvelt
