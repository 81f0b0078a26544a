#include "text/DifferenceText.h"

#include "text/CellText.h"
#include "text/ControlTexts.h"
#include "core/SendCheck.h"

#include <QCoreApplication>

#include <array>

namespace korvelt {

namespace {


// What the window shows where it holds a value the KORVELT cannot: an empty time cell, a
// special date it cannot show, a week or month none of whose items is chosen.
QString ItemText(const QStringList &items, std::int32_t index)
{
    return index >= 0 && index < items.size()
               ? ControlText(items.at(index))
               //: A week or month box of the daylight-saving rule none of whose items is chosen
               : QCoreApplication::translate("DifferenceText", "(not chosen)");
}

QString TimeText(TDateTime value)
{
    const QString text = TimeToCellText(value);
    //: An empty time cell
    return text.isEmpty() ? QCoreApplication::translate("DifferenceText", "(empty)") : text;
}

QString DaysText(const TimeSlot &slot)
{
    QStringList on;
    for (int d = 0; d < DayCount; ++d) {
        if (slot.Days.at(static_cast<std::size_t>(d)) != 0) {
            on << ControlText(DayHeadingTexts().at(d));
        }
    }
    return on.isEmpty() ? QCoreApplication::translate("DifferenceText", "no days") : on.join(QLatin1Char(' '));
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
    if (withDays) {
        //: A slot: %1 its start time, %2 its end time, %3 its days ("Mon Tue" or "no days")
        return QCoreApplication::translate("DifferenceText", "%1 to %2 %3")
            .arg(TimeText(slot.Start), TimeText(slot.End), DaysText(slot));
    }
    //: A slot: %1 its start time, %2 its end time
    return QCoreApplication::translate("DifferenceText", "%1 to %2", "slot times")
        .arg(TimeText(slot.Start), TimeText(slot.End));
}

// The rule's weeks and months inside the sentence of the Compare window, where other languages
// write them in small letters ("letzter Sonntag", "mars"); English keeps the boxes' own words.
struct SentenceWord {
    const char *Source;
    const char *Comment;
};

constexpr std::array<SentenceWord, 5> SentenceWeeks{{
    QT_TRANSLATE_NOOP3("DifferenceText", "1st Sunday", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "2nd Sunday", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "3rd Sunday", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "4th Sunday", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "Last Sunday", "inside the rule's sentence"),
}};

constexpr std::array<SentenceWord, 12> SentenceMonths{{
    QT_TRANSLATE_NOOP3("DifferenceText", "January", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "Febuary", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "March", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "April", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "May", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "June", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "July", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "August", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "September", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "October", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "November", "inside the rule's sentence"),
    QT_TRANSLATE_NOOP3("DifferenceText", "December", "inside the rule's sentence"),
}};

template <std::size_t N>
QString SentenceItemText(const std::array<SentenceWord, N> &words, const QStringList &items, std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N) {
        return ItemText(items, index);
    }
    const SentenceWord &word = words.at(static_cast<std::size_t>(index));
    return QCoreApplication::translate("DifferenceText", word.Source, word.Comment);
}

QString RuleText(const DaylightSavingRule &rule)
{
    const QString advanceWeek = SentenceItemText(SentenceWeeks, WeekItemTexts(), rule.AdvanceWeek);
    const QString advanceMonth = SentenceItemText(SentenceMonths, MonthItemTexts(), rule.AdvanceMonth);
    const QString retardWeek = SentenceItemText(SentenceWeeks, WeekItemTexts(), rule.RetardWeek);
    const QString retardMonth = SentenceItemText(SentenceMonths, MonthItemTexts(), rule.RetardMonth);
    if (rule.Enabled != 0) {
        //: The daylight-saving rule, switched on: %1 of %2 (as in "Last Sunday of March") the clock goes forward,
        //: %3 of %4 it goes back
        return QCoreApplication::translate("DifferenceText", "on, %1 of %2 to %3 of %4")
            .arg(advanceWeek, advanceMonth, retardWeek, retardMonth);
    }
    //: The daylight-saving rule, switched off: %1 of %2 (as in "Last Sunday of March") the clock would go forward,
    //: %3 of %4 it would go back
    return QCoreApplication::translate("DifferenceText", "off, %1 of %2 to %3 of %4")
        .arg(advanceWeek, advanceMonth, retardWeek, retardMonth);
}

QString DateText(TDateTime value)
{
    //: A special date the window cannot show
    return IsSendableDate(value) ? DefaultCellTextCodec().DateText(value)
                                 : QCoreApplication::translate("DifferenceText", "(not set)");
}

const TimeSlot &SlotAt(const SlotTable &table, const ScheduleDifference &where)
{
    return table.at(static_cast<std::size_t>(where.Output)).at(static_cast<std::size_t>(where.Index));
}

QString DifferenceLine(const ScheduleModel &window, const ScheduleModel &device, const ScheduleDifference &where)
{
    using Part = ScheduleDifference::Part;
    const auto slotLine = [&where](bool special, const TimeSlot &a, const TimeSlot &b, bool withDays) {
        //: %1 is the slot's place ("Output 2, Normal Times slot 3"), %2 the window's slot, %3 the KORVELT's
        return QCoreApplication::translate("DifferenceText", "%1: window %2, KORVELT %3")
            .arg(SlotPlaceText(where.Output, special, where.Index), SlotText(a, withDays), SlotText(b, withDays));
    };
    switch (where.Where) {
    case Part::DaylightSaving:
        //: %1 is the window's daylight-saving rule, %2 the KORVELT's
        return QCoreApplication::translate("DifferenceText", "Daylight Saving: window %1; KORVELT %2")
            .arg(RuleText(window.DaylightSaving), RuleText(device.DaylightSaving));
    case Part::SpecialDate: {
        const auto k = static_cast<std::size_t>(where.Index);
        //: %1 is the special date's number, %2 the window's date, %3 the KORVELT's
        return QCoreApplication::translate("DifferenceText", "Special date %1: window %2, KORVELT %3")
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
    //: The place of a slot: %1 is the output, %2 the slot
    return special ? QCoreApplication::translate("DifferenceText", "Output %1, Special Times slot %2")
                         .arg(output + 1)
                         .arg(slot + 1)
                   //: The place of a slot: %1 is the output, %2 the slot
                   : QCoreApplication::translate("DifferenceText", "Output %1, Normal Times slot %2")
                         .arg(output + 1)
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
