#include "text/ScheduleCsv.h"

#include "text/ScheduleJson.h"

#include <array>
#include <charconv>

namespace korvelt {

namespace {

QByteArray TimeField(TDateTime value)
{
    const QString text = WholeSecondTimeText(value);
    if (!text.isEmpty()) {
        return text.toLatin1();
    }
    // The shortest text that reads back as the same number, sign of zero and NaN included.
    std::array<char, 32> number{};
    auto *const end = std::to_chars(number.begin(), number.end(), value).ptr;
    return {number.data(), static_cast<qsizetype>(end - number.begin())};
}

} // namespace

QByteArray ScheduleToCsv(const ScheduleModel &model)
{
    QByteArray csv = "output,table,slot,start,end,Sun,Mon,Tue,Wed,Thu,Fri,Sat\r\n";
    for (int o = 0; o < OutputCount; ++o) {
        for (const bool special : {false, true}) {
            const OutputSlots &table = (special ? model.SpecialTimes : model.NormalTimes).at(o);
            for (int s = 0; s < SlotCount; ++s) {
                const TimeSlot &slot = table.at(s);
                csv += QByteArray::number(o + 1) + (special ? ",special," : ",normal,") + QByteArray::number(s + 1) +
                       ',' + TimeField(slot.Start) + ',' + TimeField(slot.End);
                for (const std::uint8_t day : slot.Days) {
                    csv += ',' + QByteArray::number(day);
                }
                csv += "\r\n";
            }
        }
    }
    return csv;
}

} // namespace korvelt
