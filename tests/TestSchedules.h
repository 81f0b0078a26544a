#pragma once

// Values, schedules and byte helpers shared by the device tests.

#include "DateTime.h"
#include "Report.h"
#include "ScheduleModel.h"

#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
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

inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values) {
        bytes.append(static_cast<char>(v));
    }
    return bytes;
}

template <std::size_t N> QByteArray Bytes(const std::array<std::uint8_t, N> &array, std::size_t from, std::size_t count)
{
    return {reinterpret_cast<const char *>(array.data() + from), static_cast<qsizetype>(count)};
}

// A report with `from1` at bytes 1, 2, ... and every other byte 0.
inline Report ReportOf(std::initializer_list<int> from1)
{
    Report report{};
    std::size_t i = 1;
    for (const int v : from1) {
        report.at(i++) = static_cast<std::uint8_t>(v);
    }
    return report;
}

// The packed bytes of slot `slot` of output `output` of DistinctSchedule: DistinctSchedule is
// built from these bytes, so a test can compare the device's bytes with them directly.
inline QByteArray DistinctPackedSlot(bool special, int output, int slot)
{
    const int n = output * SlotCount + slot;
    const int days = special ? (n * 11 + 5) % 128 : (n * 37) % 128;
    return special ? Bytes({days, 23 - output, 59 - slot, 3, output, slot * 2, 4})
                   : Bytes({days, output, slot, 1, output + 8, slot, 2});
}

// A schedule in which every output, slot, date and rule field differs from the defaults and
// from each other, with values that the device can hold (whole seconds, years 2000..2255).
// Special date i is 28 - i, 1 + i % 12, 2001 + 13 * i; the rule goes out as 0, 1, 10, 2, 3.
inline ScheduleModel DistinctSchedule()
{
    ScheduleModel model;
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            for (const bool special : {false, true}) {
                TimeSlot &slot = (special ? model.SpecialTimes : model.NormalTimes)
                                     .at(static_cast<std::size_t>(o))
                                     .at(static_cast<std::size_t>(s));
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

// Every field compared by its bits.
inline bool SameSchedule(const ScheduleModel &a, const ScheduleModel &b)
{
    return EncodeScheduleImage(a) == EncodeScheduleImage(b);
}

} // namespace korvelt::testing
