#include "core/SendCheck.h"

#include "core/DeviceLimits.h"

#include <cmath>

namespace korvelt {

namespace {

void CheckSlots(const SlotTable &table, UnsendableValue::Field start, UnsendableValue::Field end,
                std::vector<UnsendableValue> &found)
{
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            const TimeSlot &slot = table.at(static_cast<std::size_t>(o)).at(static_cast<std::size_t>(s));
            if (!IsSendableTime(slot.Start)) {
                found.push_back({start, o, s});
            }
            if (!IsSendableTime(slot.End)) {
                found.push_back({end, o, s});
            }
        }
    }
}

} // namespace

bool IsSendableTime(TDateTime value)
{
    // A value just below a whole day rounds up to it and would be sent as midnight; one beyond
    // every date decodes to the origin and would be sent as midnight too.
    const DateParts origin{};
    const DateParts date = DecodeDate(value);
    return std::isfinite(value) && value >= 0 && value < 1.0 && date.Year == origin.Year &&
           date.Month == origin.Month && date.Day == origin.Day;
}

bool IsSendableDate(TDateTime value)
{
    if (!IsDecodable(value)) {
        return false;
    }
    const int year = DecodeDate(value).Year;
    return year >= FirstDeviceYear && year <= LastDeviceYear;
}

std::vector<UnsendableValue> FindUnsendableValues(const ScheduleModel &model)
{
    using Field = UnsendableValue::Field;
    std::vector<UnsendableValue> found;
    const DaylightSavingRule &rule = model.DaylightSaving;
    const auto inRange = [](std::int32_t value, int count) { return value >= 0 && value < count; };
    if (!inRange(rule.AdvanceWeek, WeekItemCount)) {
        found.push_back({Field::AdvanceWeek});
    }
    if (!inRange(rule.AdvanceMonth, MonthItemCount)) {
        found.push_back({Field::AdvanceMonth});
    }
    if (!inRange(rule.RetardWeek, WeekItemCount)) {
        found.push_back({Field::RetardWeek});
    }
    if (!inRange(rule.RetardMonth, MonthItemCount)) {
        found.push_back({Field::RetardMonth});
    }
    for (int k = 0; k < SpecialDateCount; ++k) {
        if (!IsSendableDate(model.SpecialDates.at(static_cast<std::size_t>(k)))) {
            found.push_back({Field::SpecialDate, -1, k});
        }
    }
    CheckSlots(model.NormalTimes, Field::NormalStart, Field::NormalEnd, found);
    CheckSlots(model.SpecialTimes, Field::SpecialStart, Field::SpecialEnd, found);
    return found;
}

} // namespace korvelt
