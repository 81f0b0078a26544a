#include "text/CheckText.h"

#include "core/DeviceLimits.h"
#include "text/CellText.h"
#include "text/ControlTexts.h"
#include "text/DifferenceText.h"

#include <QCoreApplication>
#include <QLocale>

namespace korvelt {

namespace {

QString SpecialDateText(int entry, TDateTime date)
{
    //: A special date with its place and date, as in "Special date 3 (24/12/2027)"
    return QCoreApplication::translate("CheckText", "Special date %1 (%2)")
        .arg(entry + 1)
        .arg(DefaultCellTextCodec().DateText(date));
}

QString FractionText(const QString &place, UnsendableValue::Field field)
{
    using Field = UnsendableValue::Field;
    //: %1 is the slot's place, as in "Output 2, Normal Times slot 3"
    return field == Field::NormalStart || field == Field::SpecialStart
               ? QCoreApplication::translate("CheckText",
                                             "%1: the Start time has fractions of a second; the KORVELT keeps whole "
                                             "seconds.")
                     .arg(place)
               : QCoreApplication::translate("CheckText",
                                             "%1: the End time has fractions of a second; the KORVELT keeps whole "
                                             "seconds.")
                     .arg(place);
}

} // namespace

QString UnsendableText(const UnsendableValue &value)
{
    using Field = UnsendableValue::Field;
    const auto place = [&value](bool special) { return SlotPlaceText(value.Output, special, value.Index); };
    switch (value.What) {
    case Field::NormalStart:
        //: %1 is the slot's place, as in "Output 2, Normal Times slot 3"
        return QCoreApplication::translate("CheckText", "%1: the Start time is not a time of day.").arg(place(false));
    case Field::NormalEnd:
        //: %1 is the slot's place, as in "Output 2, Normal Times slot 3"
        return QCoreApplication::translate("CheckText", "%1: the End time is not a time of day.").arg(place(false));
    case Field::SpecialStart:
        //: %1 is the slot's place, as in "Output 2, Special Times slot 3"
        return QCoreApplication::translate("CheckText", "%1: the Start time is not a time of day.").arg(place(true));
    case Field::SpecialEnd:
        //: %1 is the slot's place, as in "Output 2, Special Times slot 3"
        return QCoreApplication::translate("CheckText", "%1: the End time is not a time of day.").arg(place(true));
    case Field::SpecialDate:
        //: %1 is the special date's number, %2 and %3 the first and last year the KORVELT can hold
        return QCoreApplication::translate("CheckText", "Special date %1 is not set to a date from %2 to %3.")
            .arg(value.Index + 1)
            .arg(FirstDeviceYear)
            .arg(LastDeviceYear);
    case Field::AdvanceWeek:
        return QCoreApplication::translate("CheckText", "Daylight Saving: no Advance Clock week is chosen.");
    case Field::AdvanceMonth:
        return QCoreApplication::translate("CheckText", "Daylight Saving: no Advance Clock month is chosen.");
    case Field::RetardWeek:
        return QCoreApplication::translate("CheckText", "Daylight Saving: no Retard Clock week is chosen.");
    case Field::RetardMonth:
        return QCoreApplication::translate("CheckText", "Daylight Saving: no Retard Clock month is chosen.");
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
        //: %1 is the slot's place ("Output 2, Normal Times slot 3"), %2 its end time, %3 its start time
        return QCoreApplication::translate("CheckText", "%1: ends at %2, before it starts at %3.")
            .arg(place, end, start);
    case Kind::StartEqualsEnd:
        //: %1 is the slot's place, %2 its time, %3 its days ("Mon to Fri")
        return QCoreApplication::translate("CheckText", "%1: starts and ends at %2 on %3.")
            .arg(place, start, DayMaskText(finding.Days));
    case Kind::TimesWithoutDays:
        //: %1 is the slot's place, %2 and %3 its start and end time; "On" is the day cells' text
        return QCoreApplication::translate("CheckText", "%1: %2 to %3, but no day is On.").arg(place, start, end);
    case Kind::Overlap:
        if (finding.Special) {
            //: %1 is the slot's place, %2 and %3 its times, %4 the number of the other slot
            return QCoreApplication::translate("CheckText", "%1 (%2 to %3) overlaps slot %4.")
                .arg(place, start, end)
                .arg(finding.Other + 1);
        }
        //: %1 is the slot's place, %2 and %3 its times, %4 the number of the other slot, %5 the days ("Mon to Fri")
        return QCoreApplication::translate("CheckText", "%1 (%2 to %3) overlaps slot %4 on %5.")
            .arg(place, start, end)
            .arg(finding.Other + 1)
            .arg(DayMaskText(finding.Days));
    case Kind::Duplicate:
        //: %1 is the slot's place, %2 and %3 its times, %4 the number of the other slot
        return QCoreApplication::translate("CheckText", "%1 (%2 to %3) is the same as slot %4.")
            .arg(place, start, end)
            .arg(finding.Other + 1);
    case Kind::NotWholeSeconds:
        return FractionText(place, finding.Value.What);
    case Kind::Unsendable:
        return UnsendableText(finding.Value);
    case Kind::SpecialDateWithTime:
        //: %1 is the special date's number, %2 its date, %3 its time of day
        return QCoreApplication::translate(
                   "CheckText", "Special date %1 (%2 %3) carries a time of day; the KORVELT keeps only the date.")
            .arg(finding.Slot + 1)
            .arg(DefaultCellTextCodec().DateText(finding.Date), DefaultCellTextCodec().TimeText(finding.Date));
    case Kind::PastSpecialDate:
        //: %1 is a special date with its place, as in "Special date 3 (24/12/2027)"
        return QCoreApplication::translate("CheckText", "%1 is in the past.")
            .arg(SpecialDateText(finding.Slot, finding.Date));
    case Kind::RepeatedSpecialDate:
        //: %1 is a special date with its place, as in "Special date 3 (24/12/2027)"; %2 the other's number
        return QCoreApplication::translate("CheckText", "%1 is the same as special date %2.")
            .arg(SpecialDateText(finding.Slot, finding.Date))
            .arg(finding.Other + 1);
    case Kind::SpecialSlotsWithoutFutureDate:
        return QCoreApplication::translate(
                   "CheckText", "Output %1, Special Times: slots are set, but no special date is today or later.")
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
    const auto name = [&](int i) { return ControlText(DayHeadingTexts().at(order.at(static_cast<std::size_t>(i)))); };
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
            //: A range of days in the schedule check, as in "Mon to Fri"
            names << QCoreApplication::translate("CheckText", "%1 to %2", "range of days").arg(name(i), name(last));
            i = last;
        } else {
            names << name(i);
        }
    }
    return names.join(QLatin1Char(' '));
}

} // namespace korvelt
