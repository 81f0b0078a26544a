#pragma once

#include "core/Report.h"
#include "core/ScheduleModel.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace korvelt {

// A block half carries four slot fields of 12 bytes; a slot uses the first 7 of its field:
// the day bits (bit 0 Sunday .. bit 6 Saturday), then start and end as hour, minute, second.
inline constexpr std::size_t SlotFieldSize = 12;
inline constexpr std::size_t PackedSlotSize = 7;
inline constexpr int SlotsPerHalf = 4;
inline constexpr int SlotsPerBlock = 2 * SlotsPerHalf;

// Block numbers of the slot blocks: block 0 holds the settings and the special dates.
inline constexpr int FirstNormalBlock = 1;
inline constexpr int FirstSpecialBlock = FirstNormalBlock + OutputCount * SlotCount / SlotsPerBlock; // 33

using PackedSlot = std::span<std::uint8_t, PackedSlotSize>;
using ConstPackedSlot = std::span<const std::uint8_t, PackedSlotSize>;
using HalfBytes = std::span<std::uint8_t, HalfSize>;
using ConstHalfBytes = std::span<const std::uint8_t, HalfSize>;

// Packs a slot into field bytes 0..6. Milliseconds are dropped, not rounded into the seconds.
void EncodeSlot(const TimeSlot &slot, PackedSlot dest);

// Unpacks field bytes 0..6 into `slot`. Returns false, and leaves `slot` alone, when a start or
// end time is impossible (hour above 23, minute or second above 59). Bit 7 of the day byte is
// ignored.
[[nodiscard]] bool DecodeSlot(ConstPackedSlot source, TimeSlot &slot);

// The four slots firstSlot..firstSlot+3 into the fields at half bytes 0, 12, 24 and 36; field
// bytes 7..11 are left as they are.
void EncodeSlotHalf(const OutputSlots &slots, int firstSlot, HalfBytes dest);

// The inverse. Stops at the first field that cannot be converted and returns false; the slots
// before it have then been written.
[[nodiscard]] bool DecodeSlotHalf(ConstHalfBytes source, OutputSlots &slots, int firstSlot);

// Block 0, first half: 0x55, the enabled flag, advance week, advance month, retard week,
// retard month (the low 8 bits of each), then 0xFF.
BlockHalf SettingsHalf(const DaylightSavingRule &rule);

// Block 0, second half: day, month and year - 2000 (low 8 bits) of each special date.
BlockHalf SpecialDatesHalf(const SpecialDateTable &dates);

// Unpacks the daylight-saving rule and the special dates from the two halves of block 0.
// Returns false, and changes neither output, when an entry is not a calendar date (erased
// memory reads as day 255 of month 255).
[[nodiscard]] bool UnpackBlockZero(const BlockImage &image, DaylightSavingRule &rule, SpecialDateTable &dates);

} // namespace korvelt
