#include "core/ScheduleDifference.h"

#include "core/SlotPacking.h"

#include <array>

namespace korvelt {

namespace {

std::array<std::uint8_t, PackedSlotSize> Packed(const TimeSlot &slot)
{
    std::array<std::uint8_t, PackedSlotSize> bytes{};
    EncodeSlot(slot, PackedSlot(bytes));
    return bytes;
}

void CompareSlots(const SlotTable &a, const SlotTable &b, ScheduleDifference::Part part,
                  std::vector<ScheduleDifference> &found)
{
    for (std::size_t o = 0; o < a.size(); ++o) {
        for (std::size_t s = 0; s < a[o].size(); ++s) {
            if (Packed(a[o][s]) != Packed(b[o][s])) {
                found.push_back({part, static_cast<int>(o), static_cast<int>(s)});
            }
        }
    }
}

} // namespace

std::vector<ScheduleDifference> CompareSchedules(const ScheduleModel &a, const ScheduleModel &b)
{
    using Part = ScheduleDifference::Part;
    std::vector<ScheduleDifference> found;
    if (SettingsHalf(a.DaylightSaving) != SettingsHalf(b.DaylightSaving)) {
        found.push_back({Part::DaylightSaving});
    }
    const BlockHalf datesA = SpecialDatesHalf(a.SpecialDates);
    const BlockHalf datesB = SpecialDatesHalf(b.SpecialDates);
    constexpr std::size_t DateSize = 3;
    for (std::size_t k = 0; k < a.SpecialDates.size(); ++k) {
        if (!std::equal(datesA.begin() + DateSize * k, datesA.begin() + DateSize * (k + 1),
                        datesB.begin() + DateSize * k)) {
            found.push_back({Part::SpecialDate, -1, static_cast<int>(k)});
        }
    }
    CompareSlots(a.NormalTimes, b.NormalTimes, Part::NormalSlot, found);
    CompareSlots(a.SpecialTimes, b.SpecialTimes, Part::SpecialSlot, found);
    return found;
}

} // namespace korvelt
