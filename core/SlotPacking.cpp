#include "core/SlotPacking.h"

#include "core/BytePacking.h"

#include <cstddef>

namespace korvelt {

namespace {

constexpr std::uint8_t SettingsMarker = 0x55;
constexpr std::uint8_t ErasedByte = 0xFF;
constexpr std::size_t DateEntrySize = 3;

} // namespace

void EncodeSlot(const TimeSlot &slot, PackedSlot dest)
{
    std::uint8_t days = 0;
    for (int d = 0; d < DayCount; ++d) {
        if (slot.Days.at(static_cast<std::size_t>(d)) != 0) {
            days = static_cast<std::uint8_t>(days | (1U << d));
        }
    }
    dest[0] = days;
    PackDeviceTime(slot.Start, dest.subspan<1, 3>());
    PackDeviceTime(slot.End, dest.subspan<4, 3>());
}

bool DecodeSlot(ConstPackedSlot source, TimeSlot &slot)
{
    TimeSlot decoded = slot;
    if (!UnpackDeviceTime(source.subspan<1, 3>(), decoded.Start) ||
        !UnpackDeviceTime(source.subspan<4, 3>(), decoded.End)) {
        return false;
    }
    for (int d = 0; d < DayCount; ++d) {
        decoded.Days.at(static_cast<std::size_t>(d)) = static_cast<std::uint8_t>((source[0] >> d) & 1U);
    }
    slot = decoded;
    return true;
}

void EncodeSlotHalf(const OutputSlots &slots, int firstSlot, HalfBytes dest)
{
    for (int i = 0; i < SlotsPerHalf; ++i) {
        const auto field = dest.subspan(static_cast<std::size_t>(i) * SlotFieldSize).first<PackedSlotSize>();
        EncodeSlot(slots.at(static_cast<std::size_t>(firstSlot) + static_cast<std::size_t>(i)), field);
    }
}

bool DecodeSlotHalf(ConstHalfBytes source, OutputSlots &slots, int firstSlot)
{
    for (int i = 0; i < SlotsPerHalf; ++i) {
        const auto field = source.subspan(static_cast<std::size_t>(i) * SlotFieldSize).first<PackedSlotSize>();
        if (!DecodeSlot(field, slots.at(static_cast<std::size_t>(firstSlot) + static_cast<std::size_t>(i)))) {
            return false;
        }
    }
    return true;
}

BlockHalf SettingsHalf(const DaylightSavingRule &rule)
{
    BlockHalf half{};
    half.fill(ErasedByte);
    half[0] = SettingsMarker;
    half[1] = rule.Enabled != 0 ? 1 : 0;
    // The order on the wire: advance week, advance month, retard week, retard month.
    half[2] = static_cast<std::uint8_t>(rule.AdvanceWeek);
    half[3] = static_cast<std::uint8_t>(rule.AdvanceMonth);
    half[4] = static_cast<std::uint8_t>(rule.RetardWeek);
    half[5] = static_cast<std::uint8_t>(rule.RetardMonth);
    return half;
}

BlockHalf SpecialDatesHalf(const SpecialDateTable &dates)
{
    BlockHalf half{};
    for (std::size_t i = 0; i < dates.size(); ++i) {
        PackDeviceDate(dates[i], std::span(half).subspan(DateEntrySize * i).first<DateEntrySize>());
    }
    return half;
}

bool UnpackBlockZero(const BlockImage &image, DaylightSavingRule &rule, SpecialDateTable &dates)
{
    SpecialDateTable decoded{};
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const auto entry = std::span(image).subspan(HalfSize + DateEntrySize * i).first<DateEntrySize>();
        if (!UnpackDeviceDate(entry, decoded[i])) {
            return false;
        }
    }
    dates = decoded;
    rule.Enabled = static_cast<std::uint8_t>(image[1] & 1U);
    rule.AdvanceWeek = image[2];
    rule.AdvanceMonth = image[3];
    rule.RetardWeek = image[4];
    rule.RetardMonth = image[5];
    return true;
}

} // namespace korvelt
