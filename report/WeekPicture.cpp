#include "report/WeekPicture.h"

#include "text/CellText.h"
#include "text/CheckText.h"
#include "text/ControlTexts.h"
#include "text/DifferenceText.h"
#include "text/QtDateTime.h"
#include "core/ScheduleCheck.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>

namespace korvelt {

namespace {

constexpr double StripGap = 2;     // between two day strips, and above and below a bar
constexpr double MarkWidth = 2;    // the mark of a slot that starts where it ends
constexpr double WideColumn = 400; // a column this wide marks every second hour, others every sixth

const QColor BarColour(46, 125, 50);
const QColor BarEdgeColour(27, 80, 30);
const QColor OvernightColour(165, 214, 167);
const QColor MarkColour(198, 40, 40);

std::int64_t Milliseconds(TDateTime time)
{
    return std::llround(time * static_cast<double>(MSecsPerDay));
}

// Bars of one kind. The raster engine draws them all at once; a PDF or printer engine fills
// rectangles drawn together with the even-odd rule, so two bars that overlap (a duplicated
// slot) would cancel each other out there: each is drawn on its own.
void DrawBars(QPainter &painter, const QList<QRectF> &rects)
{
    if (painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster) {
        painter.drawRects(rects);
        return;
    }
    for (const QRectF &rect : rects) {
        painter.drawRect(rect);
    }
}

int ColumnsOf(WeekChoice choice)
{
    return choice.SpecialDate < 0 ? DayCount : 1;
}

const TimeSlot &SlotOf(const ScheduleModel &model, const WeekBar &bar)
{
    const SlotTable &table = bar.Special ? model.SpecialTimes : model.NormalTimes;
    return table.at(static_cast<std::size_t>(bar.Output)).at(static_cast<std::size_t>(bar.Slot));
}

// The label of an output's row.
QString OutputLabel(int output)
{
    //: The label of an output's row in the week picture; keep it short
    return QCoreApplication::translate("WeekPicture", "Output %1").arg(output + 1);
}

QString TimesText(const TimeSlot &slot)
{
    //: A slot's times: %1 its start, %2 its end
    return QCoreApplication::translate("WeekPicture", "%1 to %2", "slot times")
        .arg(TimeToCellText(slot.Start), TimeToCellText(slot.End));
}

} // namespace

WeekLayout::WeekLayout(const QRectF &rect, int columns, const QFontMetricsF &metrics)
    : rect_(rect), columns_(columns), labelWidth_(metrics.horizontalAdvance(OutputLabel(OutputCount - 1)) + 10),
      headingHeight_(2 * metrics.height() + 4), rowHeight_((rect.height() - headingHeight_) / OutputCount),
      columnWidth_((rect.width() - labelWidth_) / columns)
{
}

QRectF WeekLayout::Heading(int column) const
{
    return {rect_.left() + labelWidth_ + column * columnWidth_, rect_.top(), columnWidth_, headingHeight_};
}

QRectF WeekLayout::Label(int output) const
{
    return {rect_.left(), rect_.top() + headingHeight_ + output * rowHeight_, labelWidth_, rowHeight_};
}

QRectF WeekLayout::Row(int output) const
{
    return {rect_.left(), rect_.top() + headingHeight_ + output * rowHeight_, rect_.width(), rowHeight_};
}

QRectF WeekLayout::Strip(int output, int column) const
{
    const QRectF heading = Heading(column);
    const QRectF row = Row(output);
    return {heading.left() + StripGap / 2, row.top(), heading.width() - StripGap, row.height()};
}

double WeekLayout::X(int column, double time) const
{
    const QRectF strip = Strip(0, column);
    return strip.left() + strip.width() * std::clamp(time, 0.0, 1.0);
}

std::vector<WeekBar> WeekBars(const WeekLayout &layout, const ScheduleModel &model, WeekChoice choice)
{
    const bool special = choice.SpecialDate >= 0;
    const std::array<int, DayCount> days = LocaleDayOrder();
    std::vector<WeekBar> bars;
    bars.reserve(std::size_t{OutputCount} * SlotCount * static_cast<std::size_t>(layout.Columns()));
    for (int o = 0; o < OutputCount; ++o) {
        const OutputSlots &outputSlots =
            (special ? model.SpecialTimes : model.NormalTimes).at(static_cast<std::size_t>(o));
        for (int s = 0; s < SlotCount; ++s) {
            const TimeSlot &slot = outputSlots.at(static_cast<std::size_t>(s));
            if (!IsSendableTime(slot.Start) || !IsSendableTime(slot.End) || !SlotInUse(slot, special)) {
                continue;
            }
            const std::int64_t start = Milliseconds(slot.Start);
            const std::int64_t end = Milliseconds(slot.End);
            WeekBar bar;
            bar.Output = o;
            bar.Slot = s;
            bar.Special = special;
            bar.Kind =
                end > start ? WeekBar::Shape::Normal : (end < start ? WeekBar::Shape::Overnight : WeekBar::Shape::Mark);
            for (int c = 0; c < layout.Columns(); ++c) {
                if (!special && slot.Days.at(static_cast<std::size_t>(days.at(static_cast<std::size_t>(c)))) == 0) {
                    continue;
                }
                const QRectF strip = layout.Strip(o, c).adjusted(0, StripGap, 0, -StripGap);
                const double left = layout.X(c, slot.Start);
                bar.Column = c;
                switch (bar.Kind) {
                case WeekBar::Shape::Normal:
                    bar.Rect = QRectF(left, strip.top(), std::max(1.0, layout.X(c, slot.End) - left), strip.height());
                    break;
                case WeekBar::Shape::Overnight:
                    bar.Rect = QRectF(left, strip.top(), std::max(1.0, strip.right() - left), strip.height());
                    break;
                case WeekBar::Shape::Mark:
                    bar.Rect = QRectF(left - MarkWidth / 2, strip.top(), MarkWidth, strip.height());
                    break;
                }
                bars.push_back(bar);
            }
        }
    }
    return bars;
}

QString SpecialDateHeading(const ScheduleModel &model, int entry)
{
    const TDateTime date = model.SpecialDates.at(static_cast<std::size_t>(entry));
    if (!IsSendableDate(date)) {
        return QCoreApplication::translate("WeekPicture", "Special date %1: (not set)").arg(entry + 1);
    }
    //: Heading of the week picture of a special date: %1 its number, %2 its weekday, %3 its date
    return QCoreApplication::translate("WeekPicture", "Special date %1: %2 %3")
        .arg(entry + 1)
        .arg(QLocale().dayName(ToQDate(date).dayOfWeek()), DefaultCellTextCodec().DateText(date));
}

WeekColours WeekColours::FromPalette(const QPalette &palette)
{
    WeekColours colours;
    colours.Text = palette.color(QPalette::Text);
    colours.RowShade = palette.color(QPalette::AlternateBase);
    colours.Strip = palette.color(QPalette::Base);
    // The hour lines halfway between the strip and the text, faint on either.
    const QColor base = colours.Strip;
    const QColor ink = colours.Text;
    colours.HourLine = QColor((3 * base.red() + ink.red()) / 4, (3 * base.green() + ink.green()) / 4,
                              (3 * base.blue() + ink.blue()) / 4);
    return colours;
}

void PaintWeek(QPainter &painter, const QRectF &rect, const ScheduleModel &model, WeekChoice choice,
               const WeekColours &colours)
{
    painter.save();
    const WeekLayout layout(rect, ColumnsOf(choice), QFontMetricsF(painter.font()));
    const QFontMetricsF metrics(painter.font());
    const QColor text = colours.Text;

    // Rows, day strips and the hours (6, 12 and 18 in a week) as faint lines, each kind drawn
    // at once.
    painter.setPen(Qt::NoPen);
    QList<QRectF> shaded;
    QList<QRectF> strips;
    for (int o = 0; o < OutputCount; ++o) {
        if (o % 2 == 1) {
            shaded << layout.Row(o);
        }
        for (int c = 0; c < layout.Columns(); ++c) {
            strips << layout.Strip(o, c).adjusted(0, 1, 0, -1);
        }
    }
    painter.setBrush(colours.RowShade);
    painter.drawRects(shaded);
    painter.setBrush(colours.Strip);
    painter.drawRects(strips);
    const double top = layout.Row(0).top();
    const double bottom = layout.Row(OutputCount - 1).bottom();
    const int hourStep = layout.Heading(0).width() > WideColumn ? 2 : 6;
    QList<QLineF> hourLines;
    for (int c = 0; c < layout.Columns(); ++c) {
        for (int hour = hourStep; hour < 24; hour += hourStep) {
            const double x = layout.X(c, hour / 24.0);
            hourLines << QLineF(x, top, x, bottom);
        }
    }
    painter.setPen(QPen(colours.HourLine, 0));
    painter.drawLines(hourLines);

    // The headings: the days in the locale's order, or the special date, with the hours
    // marked below where there is room for them.
    painter.setPen(text);
    const std::array<int, DayCount> days = LocaleDayOrder();
    const bool hoursFit = layout.Heading(0).width() > 6 * metrics.horizontalAdvance(QStringLiteral("18"));
    for (int c = 0; c < layout.Columns(); ++c) {
        const QRectF heading = layout.Heading(c);
        const QString title = choice.SpecialDate < 0
                                  ? ControlText(DayHeadingTexts().at(days.at(static_cast<std::size_t>(c))))
                                  : SpecialDateHeading(model, choice.SpecialDate);
        painter.drawText(QRectF(heading.left(), heading.top(), heading.width(), metrics.height()), Qt::AlignCenter,
                         title);
        if (hoursFit) {
            for (int hour = hourStep; hour < 24; hour += hourStep) {
                const double x = layout.X(c, hour / 24.0);
                painter.drawText(QRectF(x - 20, heading.top() + metrics.height() + 2, 40, metrics.height()),
                                 Qt::AlignCenter, QString::number(hour));
            }
        }
    }
    for (int o = 0; o < OutputCount; ++o) {
        painter.drawText(layout.Label(o).adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, OutputLabel(o));
    }

    // The bars, each shape drawn at once: a slot that ends before it starts runs to midnight,
    // hatched.
    const std::vector<WeekBar> bars = WeekBars(layout, model, choice);
    std::array<QList<QRectF>, 3> shapes;
    for (QList<QRectF> &rects : shapes) {
        rects.reserve(static_cast<qsizetype>(bars.size()));
    }
    for (const WeekBar &bar : bars) {
        shapes.at(static_cast<std::size_t>(bar.Kind)) << bar.Rect;
    }
    painter.setPen(QPen(BarEdgeColour, 0));
    painter.setBrush(BarColour);
    DrawBars(painter, shapes.at(static_cast<std::size_t>(WeekBar::Shape::Normal)));
    const QList<QRectF> &overnight = shapes.at(static_cast<std::size_t>(WeekBar::Shape::Overnight));
    painter.setBrush(OvernightColour);
    DrawBars(painter, overnight);
    painter.setBrush(QBrush(BarEdgeColour, Qt::BDiagPattern));
    DrawBars(painter, overnight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(MarkColour);
    DrawBars(painter, shapes.at(static_cast<std::size_t>(WeekBar::Shape::Mark)));
    painter.restore();
}

QStringList RowDescriptions(const ScheduleModel &model, WeekChoice choice)
{
    // Any layout does: only which bars fall on which day is used.
    const WeekLayout layout(QRectF(0, 0, 1000, 1000), ColumnsOf(choice), QFontMetricsF(QFont()));
    // For each output and column, its slots' times in the order they start.
    std::vector<std::vector<std::vector<std::pair<std::int64_t, QString>>>> onTimes(
        OutputCount,
        std::vector<std::vector<std::pair<std::int64_t, QString>>>(static_cast<std::size_t>(layout.Columns())));
    for (const WeekBar &bar : WeekBars(layout, model, choice)) {
        const TimeSlot &slot = SlotOf(model, bar);
        QString times = TimesText(slot);
        if (bar.Kind == WeekBar::Shape::Overnight) {
            //: %1 is a slot's times, as in "22:00:00 to 06:00:00"
            times = QCoreApplication::translate("WeekPicture", "%1 (ends before it starts)").arg(times);
        }
        onTimes.at(static_cast<std::size_t>(bar.Output))
            .at(static_cast<std::size_t>(bar.Column))
            .emplace_back(Milliseconds(slot.Start), times);
    }
    const std::array<int, DayCount> days = LocaleDayOrder();
    const auto dayName = [&days](int column) {
        return ControlText(DayHeadingTexts().at(days.at(static_cast<std::size_t>(column))));
    };
    //: An output's day with nothing on
    const QString off = QCoreApplication::translate("WeekPicture", "off", "day with nothing on");
    QStringList rows;
    for (auto &columns : onTimes) {
        QStringList dayTexts;
        for (auto &times : columns) {
            std::sort(times.begin(), times.end());
            QStringList texts;
            for (const auto &time : times) {
                texts << time.second;
            }
            dayTexts << (texts.isEmpty() ? off
                                         //: Joins the times of a day's slots, as in "06:00:00 to 07:00:00 and
                                         //: 18:00:00 to 20:00:00"
                                         : texts.join(QCoreApplication::translate("WeekPicture", " and ")));
        }
        if (choice.SpecialDate >= 0) {
            rows << dayTexts.front();
            continue;
        }
        if (dayTexts.count(off) == DayCount) {
            rows << QCoreApplication::translate("WeekPicture", "off all week");
            continue;
        }
        // Days in a row with the same times are told once: "Mon to Fri 07:30:00 to 20:00:00".
        QStringList parts;
        for (int c = 0; c < DayCount;) {
            int last = c;
            while (last + 1 < DayCount && dayTexts.at(last + 1) == dayTexts.at(c)) {
                ++last;
            }
            //: A range of days, as in "Mon to Fri"
            const QString when = last == c ? dayName(c)
                                           : QCoreApplication::translate("WeekPicture", "%1 to %2", "range of days")
                                                 .arg(dayName(c), dayName(last));
            //: %1 is a day or range of days, %2 what that day does, as in "Mon to Fri" and "07:30:00 to 20:00:00"
            parts << QCoreApplication::translate("WeekPicture", "%1 %2", "days and their times")
                         .arg(when, dayTexts.at(c));
            c = last + 1;
        }
        rows << parts.join(QCoreApplication::translate("WeekPicture", "; ", "between days"));
    }
    return rows;
}

QString BarText(const ScheduleModel &model, const WeekBar &bar)
{
    const TimeSlot &slot = SlotOf(model, bar);
    const QString place = SlotPlaceText(bar.Output, bar.Special, bar.Slot);
    if (bar.Kind == WeekBar::Shape::Overnight) {
        //: Tooltip of a bar: %1 is the slot's place ("Output 2, Normal Times slot 3"), %2 its times
        return QCoreApplication::translate("WeekPicture",
                                           "%1: %2\nIt ends before it starts: drawn up to midnight, as it is not "
                                           "known whether the KORVELT runs it on overnight.")
            .arg(place, TimesText(slot));
    }
    //: Tooltip of a bar: %1 is the slot's place ("Output 2, Normal Times slot 3"), %2 its times
    return QCoreApplication::translate("WeekPicture", "%1: %2", "slot and its times").arg(place, TimesText(slot));
}

int WeekColumnCount(WeekChoice choice)
{
    return ColumnsOf(choice);
}

} // namespace korvelt
