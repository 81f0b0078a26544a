#include "ScheduleCheck.h"

namespace korvelt {

bool IsMistake(const ScheduleFinding &finding)
{
    using Kind = ScheduleFinding::Kind;
    return finding.What != Kind::PastSpecialDate && finding.What != Kind::RepeatedSpecialDate &&
           finding.What != Kind::SpecialSlotsWithoutFutureDate;
}

std::vector<ScheduleFinding> CheckSchedule(const ScheduleModel &model, TDateTime /*today*/)
{
    using Field = UnsendableValue::Field;
    std::vector<ScheduleFinding> found;
    for (const UnsendableValue &value : FindUnsendableValues(model)) {
        ScheduleFinding finding;
        finding.What = ScheduleFinding::Kind::Unsendable;
        finding.Special = value.What == Field::SpecialStart || value.What == Field::SpecialEnd;
        finding.Output = value.Output;
        finding.Slot = value.Index;
        finding.Value = value;
        found.push_back(finding);
    }
    return found;
}

} // namespace korvelt
