#include "text/DifferenceText.h"

#include "text/CellText.h"
#include "text/ControlTexts.h"
#include "core/SendCheck.h"

namespace korvelt {

namespace {


// What the window shows where it holds a value the KORVELT cannot: an empty time cell, a
// special date it cannot show, a week or month none of whose items is chosen.
const QString EmptyText = QStringLiteral("(empty)");
const QString NotSetText = QStringLiteral("(not set)");
const QString NotChosenText = QStringLiteral("(not chosen)");

QString ItemText(const QStringList &items, std::int32_t index)
{
    return index >= 0 && index < items.size() ? items.at(index) : NotChosenText;
}

QString TimeText(TDateTime value)
{
    const QString text = TimeToCellText(value);
    return text.isEmpty() ? EmptyText : text;
}

QString DaysText(const TimeSlot &slot)
{
    QStringList on;
    for (int d = 0; d < DayCount; ++d) {
        if (slot.Days.at(static_cast<std::size_t>(d)) != 0) {
            on << DayHeadingTexts().at(d);
        }
    }
    return on.isEmpty() ? QStringLiteral("no days") : on.join(QLatin1Char(' '));
}

bool SameDays(const TimeSlot &a, const TimeSlot &b)
{
    for (int d = 0; d < DayCount; ++d) {
        if ((a.Days.at(static_cast<std::size_t>(d)) != 0) != (b.Days.at(static_cast<std::size_t>(d)) != 0)) {
            return false;
        }
    }
    return true;
}

QString SlotText(const TimeSlot &slot, bool withDays)
{
    QString text = QStringLiteral("%1 to %2").arg(TimeText(slot.Start), TimeText(slot.End));
    if (withDays) {
        text += QLatin1Char(' ') + DaysText(slot);
    }
    return text;
}

QString RuleText(const DaylightSavingRule &rule)
{
    return QStringLiteral("%1, %2 of %3 to %4 of %5")
        .arg(rule.Enabled != 0 ? QStringLiteral("on") : QStringLiteral("off"),
             ItemText(WeekItemTexts(), rule.AdvanceWeek), ItemText(MonthItemTexts(), rule.AdvanceMonth),
             ItemText(WeekItemTexts(), rule.RetardWeek), ItemText(MonthItemTexts(), rule.RetardMonth));
}

QString DateText(TDateTime value)
{
    return IsSendableDate(value) ? DefaultCellTextCodec().DateText(value) : NotSetText;
}

const TimeSlot &SlotAt(const SlotTable &table, const ScheduleDifference &where)
{
    return table.at(static_cast<std::size_t>(where.Output)).at(static_cast<std::size_t>(where.Index));
}

QString DifferenceLine(const ScheduleModel &window, const ScheduleModel &device, const ScheduleDifference &where)
{
    using Part = ScheduleDifference::Part;
    const auto slotLine = [&where](bool special, const TimeSlot &a, const TimeSlot &b, bool withDays) {
        return QStringLiteral("%1: window %2, KORVELT %3")
            .arg(SlotPlaceText(where.Output, special, where.Index), SlotText(a, withDays), SlotText(b, withDays));
    };
    switch (where.Where) {
    case Part::DaylightSaving:
        return QStringLiteral("Daylight Saving: window %1; KORVELT %2")
            .arg(RuleText(window.DaylightSaving), RuleText(device.DaylightSaving));
    case Part::SpecialDate: {
        const auto k = static_cast<std::size_t>(where.Index);
        return QStringLiteral("Special date %1: window %2, KORVELT %3")
            .arg(where.Index + 1)
            .arg(DateText(window.SpecialDates.at(k)), DateText(device.SpecialDates.at(k)));
    }
    case Part::NormalSlot:
        return slotLine(false, SlotAt(window.NormalTimes, where), SlotAt(device.NormalTimes, where), true);
    case Part::SpecialSlot: {
        const TimeSlot &a = SlotAt(window.SpecialTimes, where);
        const TimeSlot &b = SlotAt(device.SpecialTimes, where);
        // The window does not show the days of special slots; they are named where they differ.
        return slotLine(true, a, b, !SameDays(a, b));
    }
    }
    return {};
}

} // namespace

QString SlotPlaceText(int output, bool special, int slot)
{
    return QStringLiteral("Output %1, %2 slot %3")
        .arg(output + 1)
        .arg(special ? QStringLiteral("Special Times") : QStringLiteral("Normal Times"))
        .arg(slot + 1);
}

QStringList DifferenceLines(const ScheduleModel &window, const ScheduleModel &device,
                            const std::vector<ScheduleDifference> &differences)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(differences.size()));
    for (const ScheduleDifference &where : differences) {
        lines << DifferenceLine(window, device, where);
    }
    return lines;
}

} // namespace korvelt
