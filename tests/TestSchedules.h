#pragma once

// Values and schedules shared by the device tests.

#include "DateTime.h"
#include "ScheduleModel.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace korvelt::testing {

inline TDateTime TimeOf(int hour, int minute, int second, int milliSecond = 0)
{
    TDateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, milliSecond, value)) {
        throw std::invalid_argument("impossible time in a test");
    }
    return value;
}

inline TDateTime DateOf(int year, int month, int day)
{
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) {
        throw std::invalid_argument("impossible date in a test");
    }
    return value;
}

inline TimeSlot &SlotAt(SlotTable &table, int output, int slot)
{
    return table.at(static_cast<std::size_t>(output)).at(static_cast<std::size_t>(slot));
}

inline const TimeSlot &SlotAt(const SlotTable &table, int output, int slot)
{
    return table.at(static_cast<std::size_t>(output)).at(static_cast<std::size_t>(slot));
}

// The packed bytes of slot `slot` of output `output` of DistinctSchedule, written out from
// the formulas below rather than through the packing code.
inline std::uint8_t DistinctDays(bool special, int output, int slot)
{
    const int n = output * SlotCount + slot;
    return static_cast<std::uint8_t>(special ? (n * 11 + 5) % 128 : (n * 37) % 128);
}

inline QByteArray DistinctPackedSlot(bool special, int output, int slot)
{
    QByteArray bytes;
    bytes.append(static_cast<char>(DistinctDays(special, output, slot)));
    if (special) {
        bytes.append(static_cast<char>(23 - output)).append(static_cast<char>(59 - slot)).append(char{3});
        bytes.append(static_cast<char>(output)).append(static_cast<char>(slot * 2)).append(char{4});
    } else {
        bytes.append(static_cast<char>(output)).append(static_cast<char>(slot)).append(char{1});
        bytes.append(static_cast<char>(output + 8)).append(static_cast<char>(slot)).append(char{2});
    }
    return bytes;
}

// A schedule in which every output, slot, date and rule field differs from the defaults and
// from each other, with values that the device can hold (whole seconds, years 2000..2255).
inline ScheduleModel DistinctSchedule()
{
    ScheduleModel model;
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            for (const bool special : {false, true}) {
                TimeSlot &slot = SlotAt(special ? model.SpecialTimes : model.NormalTimes, o, s);
                const QByteArray b = DistinctPackedSlot(special, o, s);
                slot.Start = TimeOf(b[1], b[2], b[3]);
                slot.End = TimeOf(b[4], b[5], b[6]);
                for (int d = 0; d < DayCount; ++d) {
                    slot.Days.at(static_cast<std::size_t>(d)) = (b[0] >> d) & 1;
                }
            }
        }
    }
    for (int i = 0; i < SpecialDateCount; ++i) {
        model.SpecialDates.at(static_cast<std::size_t>(i)) = DateOf(2001 + 13 * i, 1 + i % 12, 28 - i);
    }
    model.DaylightSaving = DaylightSavingRule{0, 1, 2, 10, 3};
    return model;
}

inline bool SameSchedule(const ScheduleModel &a, const ScheduleModel &b)
{
    return EncodeScheduleImage(a) == EncodeScheduleImage(b);
}

} // namespace korvelt::testing
