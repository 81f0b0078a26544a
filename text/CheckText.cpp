#include "CheckText.h"

#include "DifferenceText.h"

namespace korvelt {

QString UnsendableText(const UnsendableValue &value)
{
    using Field = UnsendableValue::Field;
    const auto slotLine = [&value](bool special, const char *time) {
        return QStringLiteral("%1: the %2 time is not a time of day.")
            .arg(SlotPlaceText(value.Output, special, value.Index), QLatin1String(time));
    };
    const auto ruleLine = [](const char *what) {
        return QStringLiteral("Daylight Saving: no %1 is chosen.").arg(QLatin1String(what));
    };
    switch (value.What) {
    case Field::NormalStart:
        return slotLine(false, "Start");
    case Field::NormalEnd:
        return slotLine(false, "End");
    case Field::SpecialStart:
        return slotLine(true, "Start");
    case Field::SpecialEnd:
        return slotLine(true, "End");
    case Field::SpecialDate:
        return QStringLiteral("Special date %1 is not set to a date from 2000 to 2255.").arg(value.Index + 1);
    case Field::AdvanceWeek:
        return ruleLine("Advance Clock week");
    case Field::AdvanceMonth:
        return ruleLine("Advance Clock month");
    case Field::RetardWeek:
        return ruleLine("Retard Clock week");
    case Field::RetardMonth:
        return ruleLine("Retard Clock month");
    }
    return {};
}

QString FindingText(const ScheduleFinding &finding)
{
    if (finding.What == ScheduleFinding::Kind::Unsendable) {
        return UnsendableText(finding.Value);
    }
    return SlotPlaceText(finding.Output, finding.Special, finding.Slot);
}

} // namespace korvelt
