#include "core/ScheduleCheck.h"

#include <cmath>
#include <cstdint>

namespace korvelt {

namespace {

using Kind = ScheduleFinding::Kind;
using Field = UnsendableValue::Field;

// A time of day in whole milliseconds, as the grids compare and show it.
std::int64_t Milliseconds(TDateTime time)
{
    return std::llround(time * static_cast<double>(MSecsPerDay));
}

int DayMask(const TimeSlot &slot)
{
    int mask = 0;
    for (int d = 0; d < DayCount; ++d) {
        if (slot.Days.at(static_cast<std::size_t>(d)) != 0) {
            mask |= 1 << d;
        }
    }
    return mask;
}

ScheduleFinding SlotFinding(Kind what, bool special, int output, int slot, const TimeSlot &values)
{
    ScheduleFinding finding;
    finding.What = what;
    finding.Special = special;
    finding.Output = output;
    finding.Slot = slot;
    finding.Start = values.Start;
    finding.End = values.End;
    finding.Days = special ? 0 : DayMask(values);
    return finding;
}

// The mistakes of one output's slots in one table, slot by slot. Overlaps and duplicates are
// told at the later slot of the two.
void CheckOutput(const OutputSlots &slots, bool special, int output, std::vector<ScheduleFinding> &found)
{
    const Field startField = special ? Field::SpecialStart : Field::NormalStart;
    const Field endField = special ? Field::SpecialEnd : Field::NormalEnd;
    // The slots that switch an output on and can be compared: in use, start before end.
    std::vector<int> running;
    for (int s = 0; s < SlotCount; ++s) {
        const TimeSlot &slot = slots.at(static_cast<std::size_t>(s));
        if (!IsSendableTime(slot.Start) || !IsSendableTime(slot.End)) {
            continue; // told as a value the device cannot hold
        }
        const auto add = [&](Kind what) { found.push_back(SlotFinding(what, special, output, s, slot)); };
        for (const auto &[time, field] : {std::pair{slot.Start, startField}, std::pair{slot.End, endField}}) {
            if (Milliseconds(time) % 1000 != 0) {
                ScheduleFinding finding = SlotFinding(Kind::NotWholeSeconds, special, output, s, slot);
                finding.Value = {field, output, s};
                found.push_back(finding);
            }
        }
        const std::int64_t start = Milliseconds(slot.Start);
        const std::int64_t end = Milliseconds(slot.End);
        const int days = special ? 0 : DayMask(slot);
        if (!special && days == 0) {
            if (start != end) {
                add(Kind::TimesWithoutDays);
            }
            continue;
        }
        if (special && start == end) {
            continue; // not in use
        }
        if (end < start) {
            add(Kind::EndBeforeStart);
            continue;
        }
        if (start == end) {
            add(Kind::StartEqualsEnd);
            continue;
        }
        bool duplicate = false;
        for (const int t : running) {
            const TimeSlot &other = slots.at(static_cast<std::size_t>(t));
            const int otherDays = special ? 0 : DayMask(other);
            if (Milliseconds(other.Start) == start && Milliseconds(other.End) == end && otherDays == days) {
                ScheduleFinding finding = SlotFinding(Kind::Duplicate, special, output, s, slot);
                finding.Other = t;
                found.push_back(finding);
                duplicate = true;
                break;
            }
        }
        if (duplicate) {
            continue;
        }
        for (const int t : running) {
            const TimeSlot &other = slots.at(static_cast<std::size_t>(t));
            const int common = special ? 0 : days & DayMask(other);
            if ((special || common != 0) && start < Milliseconds(other.End) && Milliseconds(other.Start) < end) {
                ScheduleFinding finding = SlotFinding(Kind::Overlap, special, output, s, slot);
                finding.Other = t;
                finding.Days = common;
                found.push_back(finding);
            }
        }
        running.push_back(s);
    }
}

// Special dates that carry a time of day: the KORVELT keeps the date alone, so what it would
// hold is not what the schedule says.
void CheckSpecialDateTimes(const ScheduleModel &model, std::vector<ScheduleFinding> &found)
{
    for (int k = 0; k < SpecialDateCount; ++k) {
        const TDateTime date = model.SpecialDates.at(static_cast<std::size_t>(k));
        if (IsSendableDate(date) && date != std::floor(date)) {
            ScheduleFinding finding;
            finding.What = Kind::SpecialDateWithTime;
            finding.Slot = k;
            finding.Date = date;
            found.push_back(finding);
        }
    }
}

// The notes on the special dates: a date before today, a date given twice, and special slots
// that no coming special date will run.
void CheckSpecialDates(const ScheduleModel &model, TDateTime today, std::vector<ScheduleFinding> &found)
{
    const TDateTime day = std::floor(today);
    bool anyComing = false;
    for (int k = 0; k < SpecialDateCount; ++k) {
        const TDateTime date = model.SpecialDates.at(static_cast<std::size_t>(k));
        if (!IsSendableDate(date)) {
            continue; // told as a value the device cannot hold
        }
        ScheduleFinding finding;
        finding.Slot = k;
        finding.Date = date;
        anyComing = anyComing || std::floor(date) >= day;
        // A date given before is told as such, not again as past.
        for (int first = 0; first < k; ++first) {
            const TDateTime earlier = model.SpecialDates.at(static_cast<std::size_t>(first));
            if (IsSendableDate(earlier) && std::floor(earlier) == std::floor(date)) {
                finding.What = Kind::RepeatedSpecialDate;
                finding.Other = first;
                break;
            }
        }
        if (finding.Other < 0 && std::floor(date) < day) {
            finding.What = Kind::PastSpecialDate;
        }
        if (finding.Other >= 0 || finding.What == Kind::PastSpecialDate) {
            found.push_back(finding);
        }
    }
    if (anyComing) {
        return;
    }
    for (int o = 0; o < OutputCount; ++o) {
        const OutputSlots &slots = model.SpecialTimes.at(static_cast<std::size_t>(o));
        for (int s = 0; s < SlotCount; ++s) {
            const TimeSlot &slot = slots.at(static_cast<std::size_t>(s));
            if (IsSendableTime(slot.Start) && IsSendableTime(slot.End) && SlotInUse(slot, true)) {
                found.push_back(SlotFinding(Kind::SpecialSlotsWithoutFutureDate, true, o, s, slot));
                break;
            }
        }
    }
}

} // namespace

bool IsMistake(const ScheduleFinding &finding)
{
    return finding.What != Kind::PastSpecialDate && finding.What != Kind::RepeatedSpecialDate &&
           finding.What != Kind::SpecialSlotsWithoutFutureDate;
}

bool SlotInUse(const TimeSlot &slot, bool special)
{
    if (special) {
        return Milliseconds(slot.Start) != Milliseconds(slot.End);
    }
    return DayMask(slot) != 0;
}

std::vector<ScheduleFinding> CheckSchedule(const ScheduleModel &model, TDateTime today)
{
    std::vector<ScheduleFinding> found;
    for (const UnsendableValue &value : FindUnsendableValues(model)) {
        ScheduleFinding finding;
        finding.What = Kind::Unsendable;
        finding.Special = value.What == Field::SpecialStart || value.What == Field::SpecialEnd;
        finding.Output = value.Output;
        finding.Slot = value.Index;
        finding.Value = value;
        found.push_back(finding);
    }
    for (const bool special : {false, true}) {
        const SlotTable &table = special ? model.SpecialTimes : model.NormalTimes;
        for (int o = 0; o < OutputCount; ++o) {
            CheckOutput(table.at(static_cast<std::size_t>(o)), special, o, found);
        }
    }
    CheckSpecialDateTimes(model, found);
    CheckSpecialDates(model, today, found);
    return found;
}

} // namespace korvelt
