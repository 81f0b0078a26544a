#include "text/ControlTexts.h"

#include <QCoreApplication>

namespace korvelt {

const QStringList &WeekItemTexts()
{
    static const QStringList texts{QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "1st Sunday")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "2nd Sunday")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "3rd Sunday")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "4th Sunday")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Last Sunday"))};
    return texts;
}

const QStringList &MonthItemTexts()
{
    static const QStringList texts{QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "January")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Febuary")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "March")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "April")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "May")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "June")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "July")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "August")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "September")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "October")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "November")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "December"))};
    return texts;
}

const QStringList &DayHeadingTexts()
{
    static const QStringList texts{QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Sun")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Mon")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Tue")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Wed")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Thur")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Fri")),
                                   QString::fromUtf8(QT_TRANSLATE_NOOP("ControlTexts", "Sat"))};
    return texts;
}

QString ControlText(const QString &entry)
{
    return QCoreApplication::translate("ControlTexts", entry.toUtf8().constData());
}

QStringList ControlTexts(const QStringList &entries)
{
    QStringList shown;
    shown.reserve(entries.size());
    for (const QString &entry : entries) {
        shown << ControlText(entry);
    }
    return shown;
}

} // namespace korvelt
