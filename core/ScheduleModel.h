#pragma once

#include "core/DeviceLimits.h"
#include "core/TimeSlot.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvelt {

inline constexpr int WeekItemCount = 5;   // "1st Sunday" .. "Last Sunday"
inline constexpr int MonthItemCount = 12; // "January" .. "December"

// 1 November 2009, the date every special date starts with.
inline constexpr TDateTime DefaultSpecialDate = 40118.0;

struct DaylightSavingRule {
    std::uint8_t Enabled = 1;
    std::int32_t AdvanceWeek = 4;
    std::int32_t RetardWeek = 4;
    std::int32_t AdvanceMonth = 2;
    std::int32_t RetardMonth = 9;

    bool operator==(const DaylightSavingRule &) const = default;
};

using OutputSlots = std::array<TimeSlot, SlotCount>;
using SlotTable = std::array<OutputSlots, OutputCount>;
using SpecialDateTable = std::array<TDateTime, SpecialDateCount>;

// The whole configuration of one controller. Default-constructed it holds the defaults.
struct ScheduleModel {
    SlotTable NormalTimes{};
    SlotTable SpecialTimes{};
    DaylightSavingRule DaylightSaving{};
    SpecialDateTable SpecialDates = DefaultSpecialDates();

    void SetDefaultSchedule() { *this = ScheduleModel{}; }

    static constexpr SpecialDateTable DefaultSpecialDates()
    {
        SpecialDateTable dates{};
        dates.fill(DefaultSpecialDate);
        return dates;
    }
};

// The two timetables of every output.
enum class TimesTable { Normal, Special };

// Copies the slots of output `from` in one timetable to each output of `to`, replacing
// theirs; outputs count from 0. The source itself and numbers that are no output are passed
// over. Returns how many outputs were written.
int CopyOutputTimes(ScheduleModel &model, TimesTable table, int from, std::span<const int> to);

// Byte images of the four blocks, little-endian, as stored in data files and compared by
// change tracking.
inline constexpr std::size_t TimeSlotImageSize = 24;
inline constexpr std::size_t SlotTableImageSize = TimeSlotImageSize * OutputCount * SlotCount; // 6144
inline constexpr std::size_t DaylightSavingImageSize = 20;
inline constexpr std::size_t SpecialDatesImageSize = std::size_t{8} * SpecialDateCount; // 128
inline constexpr std::size_t ScheduleImageSize =
    2 * SlotTableImageSize + DaylightSavingImageSize + SpecialDatesImageSize; // 12436

using ScheduleImage = std::array<std::uint8_t, ScheduleImageSize>;

// The four blocks in file order: NormalTimes, SpecialTimes, DaylightSaving, SpecialDates.
ScheduleImage EncodeScheduleImage(const ScheduleModel &model);
// The inverse; padding bytes are not interpreted.
ScheduleModel DecodeScheduleImage(const ScheduleImage &image);

} // namespace korvelt
