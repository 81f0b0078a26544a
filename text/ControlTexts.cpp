#include "text/ControlTexts.h"

namespace korvelt {

const QStringList &WeekItemTexts()
{
    static const QStringList texts{QStringLiteral("1st Sunday"), QStringLiteral("2nd Sunday"),
                                   QStringLiteral("3rd Sunday"), QStringLiteral("4th Sunday"),
                                   QStringLiteral("Last Sunday")};
    return texts;
}

const QStringList &MonthItemTexts()
{
    static const QStringList texts{QStringLiteral("January"), QStringLiteral("Febuary"),  QStringLiteral("March"),
                                   QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                                   QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                                   QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return texts;
}

const QStringList &DayHeadingTexts()
{
    static const QStringList texts{QStringLiteral("Sun"), QStringLiteral("Mon"),  QStringLiteral("Tue"),
                                   QStringLiteral("Wed"), QStringLiteral("Thur"), QStringLiteral("Fri"),
                                   QStringLiteral("Sat")};
    return texts;
}

} // namespace korvelt
