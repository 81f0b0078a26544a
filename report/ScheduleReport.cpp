#include "report/ScheduleReport.h"

#include "platform/AtomicFile.h"
#include "text/CellText.h"
#include "text/CheckText.h"
#include "text/QtDateTime.h"
#include "core/ScheduleCheck.h"
#include "core/SendCheck.h"
#include "report/WeekPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

namespace korvelt {

namespace {

// Everything is laid out in points (1/72 inch); fonts are sized in the same units.
constexpr qreal PointsPerInch = 72.0;
constexpr qreal BodySize = 9.0;
constexpr qreal HeadingSize = 12.0;
constexpr qreal TitleSize = 10.0;
constexpr qreal LineGap = 2.0;
constexpr qreal SectionGap = 12.0;
constexpr qreal CellPadding = 3.0;
// The week picture: all sixteen outputs, at most this share of a page's height.
constexpr qreal WeekPictureShare = 0.62;

const QString CheckMark = QStringLiteral("\u2713");

QFont ReportFont(qreal size, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    // No ligatures: "off" stays three letters for anyone who searches or copies the text.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// A slot the report lists: one in use as the schedule check counts it, and a normal slot with
// times but no day as well (the check names it as a mistake, so the table shows it). The
// check's special-slot rule is the one that compares the times.
bool SlotUsed(const TimeSlot &slot, bool special)
{
    return SlotInUse(slot, true) || (!special && SlotInUse(slot, false));
}

// A table row, and the room a heading with a few lines under it needs at a page's foot.
qreal RowHeight()
{
    return QFontMetricsF(ReportFont(BodySize)).height() + 2 * CellPadding;
}

qreal HeadingRoom()
{
    return 3 * QFontMetricsF(ReportFont(HeadingSize)).height();
}

bool OutputUsed(const ScheduleModel &model, int output)
{
    const auto o = static_cast<std::size_t>(output);
    const auto used = [](const OutputSlots &outputSlots, bool special) {
        return std::any_of(outputSlots.begin(), outputSlots.end(),
                           [special](const TimeSlot &slot) { return SlotUsed(slot, special); });
    };
    return used(model.NormalTimes.at(o), false) || used(model.SpecialTimes.at(o), true);
}

// The report's own names of the months and weekdays (the window's month boxes spell one of
// them otherwise), as source texts; shown through QCoreApplication::translate.
constexpr std::array<const char *, 12> MonthNames{
    QT_TRANSLATE_NOOP("ScheduleReport", "January"),   QT_TRANSLATE_NOOP("ScheduleReport", "February"),
    QT_TRANSLATE_NOOP("ScheduleReport", "March"),     QT_TRANSLATE_NOOP("ScheduleReport", "April"),
    QT_TRANSLATE_NOOP("ScheduleReport", "May"),       QT_TRANSLATE_NOOP("ScheduleReport", "June"),
    QT_TRANSLATE_NOOP("ScheduleReport", "July"),      QT_TRANSLATE_NOOP("ScheduleReport", "August"),
    QT_TRANSLATE_NOOP("ScheduleReport", "September"), QT_TRANSLATE_NOOP("ScheduleReport", "October"),
    QT_TRANSLATE_NOOP("ScheduleReport", "November"),  QT_TRANSLATE_NOOP("ScheduleReport", "December")};
// Monday first, as Qt counts them.
constexpr std::array<const char *, DayCount> WeekdayNames{
    QT_TRANSLATE_NOOP("ScheduleReport", "Monday"),    QT_TRANSLATE_NOOP("ScheduleReport", "Tuesday"),
    QT_TRANSLATE_NOOP("ScheduleReport", "Wednesday"), QT_TRANSLATE_NOOP("ScheduleReport", "Thursday"),
    QT_TRANSLATE_NOOP("ScheduleReport", "Friday"),    QT_TRANSLATE_NOOP("ScheduleReport", "Saturday"),
    QT_TRANSLATE_NOOP("ScheduleReport", "Sunday")};
//: The short weekday names heading the day columns of an output's table
constexpr std::array<const char *, DayCount> ShortWeekdayNames{
    QT_TRANSLATE_NOOP("ScheduleReport", "Mon"), QT_TRANSLATE_NOOP("ScheduleReport", "Tue"),
    QT_TRANSLATE_NOOP("ScheduleReport", "Wed"), QT_TRANSLATE_NOOP("ScheduleReport", "Thu"),
    QT_TRANSLATE_NOOP("ScheduleReport", "Fri"), QT_TRANSLATE_NOOP("ScheduleReport", "Sat"),
    QT_TRANSLATE_NOOP("ScheduleReport", "Sun")};

// A weekday's name, day 1 Monday to 7 Sunday as Qt counts them.
QString WeekdayName(int day)
{
    return QCoreApplication::translate("ScheduleReport", WeekdayNames.at(static_cast<std::size_t>(day - 1)));
}

QString ShortWeekdayName(int day)
{
    return QCoreApplication::translate("ScheduleReport", ShortWeekdayNames.at(static_cast<std::size_t>(day - 1)));
}

// When the clocks change, in words: "the last Sunday of March", or what is missing when the
// week or the month is not chosen.
QString ChangeDayText(std::int32_t week, std::int32_t month)
{
    const bool monthChosen = month >= 0 && month < MonthItemCount;
    const QString monthName =
        monthChosen ? QCoreApplication::translate("ScheduleReport", MonthNames.at(static_cast<std::size_t>(month)))
                    : QString();
    if (monthChosen) {
        switch (week) {
        case 0:
            //: When the clocks change; %1 is a month
            return QCoreApplication::translate("ScheduleReport", "the first Sunday of %1").arg(monthName);
        case 1:
            return QCoreApplication::translate("ScheduleReport", "the second Sunday of %1").arg(monthName);
        case 2:
            return QCoreApplication::translate("ScheduleReport", "the third Sunday of %1").arg(monthName);
        case 3:
            return QCoreApplication::translate("ScheduleReport", "the fourth Sunday of %1").arg(monthName);
        case 4:
            return QCoreApplication::translate("ScheduleReport", "the last Sunday of %1").arg(monthName);
        default:
            //: When the clocks change, with no week chosen; %1 is a month
            return QCoreApplication::translate("ScheduleReport", "a Sunday in %1 (no week chosen)").arg(monthName);
        }
    }
    switch (week) {
    case 0:
        return QCoreApplication::translate("ScheduleReport", "the first Sunday of a month (no month chosen)");
    case 1:
        return QCoreApplication::translate("ScheduleReport", "the second Sunday of a month (no month chosen)");
    case 2:
        return QCoreApplication::translate("ScheduleReport", "the third Sunday of a month (no month chosen)");
    case 3:
        return QCoreApplication::translate("ScheduleReport", "the fourth Sunday of a month (no month chosen)");
    case 4:
        return QCoreApplication::translate("ScheduleReport", "the last Sunday of a month (no month chosen)");
    default:
        return QCoreApplication::translate("ScheduleReport", "a day not chosen");
    }
}

// "Clocks go forward on the last Sunday of March and back on the last Sunday of October".
QString DaylightSavingSentence(const DaylightSavingRule &rule)
{
    if (rule.Enabled == 0) {
        return QCoreApplication::translate("ScheduleReport", "Daylight saving off");
    }
    //: The daylight-saving rule in words; %1 and %2 are days such as "the last Sunday of March"
    return QCoreApplication::translate("ScheduleReport", "Clocks go forward on %1 and back on %2")
        .arg(ChangeDayText(rule.AdvanceWeek, rule.AdvanceMonth), ChangeDayText(rule.RetardWeek, rule.RetardMonth));
}

// "Outputs 1, 3 and 9 to 16" for the 0-based outputs given in order.
QString OutputRangesText(const std::vector<int> &outputs)
{
    QStringList ranges;
    for (std::size_t i = 0; i < outputs.size();) {
        std::size_t j = i;
        while (j + 1 < outputs.size() && outputs.at(j + 1) == outputs.at(j) + 1) {
            ++j;
        }
        //: A range of output numbers, as in "Outputs 1, 3 and 9 to 16"
        ranges << (i == j ? QString::number(outputs.at(i) + 1)
                          : QCoreApplication::translate("ScheduleReport", "%1 to %2", "range of outputs")
                                .arg(outputs.at(i) + 1)
                                .arg(outputs.at(j) + 1));
        i = j + 1;
    }
    QString text = ranges.takeLast();
    if (!ranges.isEmpty()) {
        //: The list of output numbers: %1 all but the last, joined by commas, %2 the last, as in "1, 3 and 9 to 16"
        text = QCoreApplication::translate("ScheduleReport", "%1 and %2", "list of outputs")
                   .arg(ranges.join(QCoreApplication::translate("ScheduleReport", ", ", "list of outputs")), text);
    }
    if (outputs.size() > 1) {
        //: %1 is a list of output numbers, as in "1, 3 and 9 to 16"
        return QCoreApplication::translate("ScheduleReport", "Outputs %1").arg(text);
    }
    //: %1 is one output's number
    return QCoreApplication::translate("ScheduleReport", "Output %1", "one output in a list").arg(text);
}

struct Table {
    QStringList Headings;
    std::vector<qreal> Widths; // in points
    std::vector<QStringList> Rows;
};

// Places the report's parts one below the other, page after page. Run once without a
// painter to count the pages, then with one to draw them.
class ReportPages {
public:
    ReportPages(const ReportSource &source, QSizeF page, QPagedPaintDevice *device, QPainter *painter, int pageCount)
        : source_(source), page_(page), device_(device), painter_(painter), pageCount_(pageCount)
    {
        StartPage();
    }

    [[nodiscard]] int Pages() const { return pageNumber_; }

    void Heading(const QString &text)
    {
        const QFont font = ReportFont(HeadingSize, true);
        const qreal height = QFontMetricsF(font).height();
        // A heading is never left alone at the foot of a page.
        Need(height + 3 * QFontMetricsF(ReportFont(BodySize)).height());
        if (y_ > top_) {
            y_ += SectionGap;
        }
        Draw(font, QRectF(0, y_, page_.width(), height), Qt::AlignLeft, text);
        y_ += height + LineGap * 2;
    }

    void Paragraph(const QString &text)
    {
        const QFont font = ReportFont(BodySize);
        const QRectF box = QFontMetricsF(font).boundingRect(QRectF(0, 0, page_.width(), 1e6), Qt::TextWordWrap, text);
        Need(box.height());
        Draw(font, QRectF(0, y_, page_.width(), box.height()), Qt::TextWordWrap, text);
        y_ += box.height() + LineGap;
    }

    // Rows that do not fit go on to the next page below the headings again.
    void Rows(const Table &table)
    {
        const qreal rowHeight = RowHeight();
        const std::vector<qreal> widths = FittedWidths(table);
        Need(2 * rowHeight);
        Row(widths, table.Headings, rowHeight, true);
        for (const QStringList &row : table.Rows) {
            if (y_ + rowHeight > page_.height()) {
                NewPage();
                Row(widths, table.Headings, rowHeight, true);
            }
            Row(widths, row, rowHeight, false);
        }
        y_ += LineGap;
    }

    // The columns' widths, each grown to hold its heading whole (a heading runs longer in
    // some languages than the design allows); the room comes from the last column where the
    // page has none to spare, as far as its own heading lets it give.
    [[nodiscard]] std::vector<qreal> FittedWidths(const Table &table) const
    {
        const QFontMetricsF metrics(ReportFont(BodySize, true));
        std::vector<qreal> widths = table.Widths;
        std::vector<qreal> least(widths.size(), 0);
        for (std::size_t c = 0; c < widths.size() && c < static_cast<std::size_t>(table.Headings.size()); ++c) {
            least.at(c) = std::ceil(metrics.horizontalAdvance(table.Headings.at(static_cast<qsizetype>(c)))) +
                          2 * CellPadding + 1;
            widths.at(c) = std::max(widths.at(c), least.at(c));
        }
        const qreal total = std::accumulate(widths.begin(), widths.end(), qreal{0});
        if (!widths.empty() && total > page_.width()) {
            widths.back() = std::max(least.back(), widths.back() - (total - page_.width()));
        }
        return widths;
    }

    // Keeps what follows together on one page when it fits on one.
    void KeepTogether(qreal height)
    {
        if (height <= page_.height() - top_) {
            Need(height);
        }
    }

    [[nodiscard]] static qreal TableHeight(const Table &table)
    {
        return RowHeight() * static_cast<qreal>(table.Rows.size() + 1) + LineGap;
    }

    void Picture(qreal height, const std::function<void(QPainter &, const QRectF &)> &paint)
    {
        Need(height);
        if (painter_ != nullptr) {
            painter_->save();
            paint(*painter_, QRectF(0, y_, page_.width(), height));
            painter_->restore();
        }
        y_ += height + LineGap;
    }

    [[nodiscard]] qreal PageHeightLeft() const { return page_.height() - y_; }
    [[nodiscard]] qreal Width() const { return page_.width(); }
    [[nodiscard]] qreal BodyHeight() const { return page_.height() - top_; }

    void NewPage()
    {
        if (device_ != nullptr && painter_ != nullptr) {
            device_->newPage();
        }
        ++pageNumber_;
        StartPage();
    }

private:
    void Need(qreal height)
    {
        if (y_ + height > page_.height() && y_ > top_) {
            NewPage();
        }
    }

    void Draw(const QFont &font, const QRectF &box, int flags, const QString &text)
    {
        if (painter_ != nullptr) {
            painter_->setFont(font);
            painter_->drawText(box, flags, text);
        }
    }

    void Row(const std::vector<qreal> &widths, const QStringList &cells, qreal height, bool heading)
    {
        const QFont font = ReportFont(BodySize, heading);
        qreal x = 0;
        for (int c = 0; c < cells.size() && c < static_cast<int>(widths.size()); ++c) {
            const qreal width = widths.at(static_cast<std::size_t>(c));
            if (painter_ != nullptr) {
                const QRectF cell(x, y_, width, height);
                painter_->setPen(QPen(QColor(0x90, 0x90, 0x90), 0.5));
                painter_->drawRect(cell);
                painter_->setPen(Qt::black);
                const QString text =
                    QFontMetricsF(font).elidedText(cells.at(c), Qt::ElideRight, width - 2 * CellPadding);
                const bool tick = cells.at(c) == CheckMark;
                const Qt::Alignment align = Qt::AlignVCenter | (tick ? Qt::AlignHCenter : Qt::AlignLeft);
                Draw(font, cell.adjusted(CellPadding, 0, -CellPadding, 0), static_cast<int>(align), text);
            }
            x += width;
        }
        y_ += height;
    }

    // The header of every page: the program, the file, when it was printed, the KORVELT of
    // this run, and the page number.
    void StartPage()
    {
        const QFont title = ReportFont(TitleSize, true);
        const QFont small = ReportFont(BodySize);
        const qreal line = QFontMetricsF(small).height();
        const QString file = source_.FileName.isEmpty()
                                 //: In the page header, in place of the file name
                                 ? QCoreApplication::translate("ScheduleReport", "not saved")
                                 : source_.FileName;
        const QString printed = CellTextCodec(source_.Locale).DateText(FromQDate(source_.Printed.date())) +
                                QLatin1Char(' ') +
                                source_.Locale.toString(source_.Printed.time(), QLocale::ShortFormat);
        //: In the page header: %1 is the date and time of printing
        const QString printedText = QCoreApplication::translate("ScheduleReport", "Printed: %1").arg(printed);
        const QString pageText =
            QCoreApplication::translate("ScheduleReport", "Page %1 of %2").arg(pageNumber_).arg(pageCount_);
        Draw(title, QRectF(0, 0, page_.width(), line * 1.3), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("KORVELT Time Control"));
        Draw(small, QRectF(0, 0, page_.width(), line * 1.3), Qt::AlignRight | Qt::AlignVCenter, pageText);
        // The file name takes what room the moment of printing leaves; a long one is cut in the
        // middle, so that its start and its ending stay.
        const QFontMetricsF metrics(small);
        const qreal printedWidth = metrics.horizontalAdvance(printedText);
        const qreal fileRoom =
            std::max<qreal>(0, page_.width() - printedWidth - metrics.horizontalAdvance(QStringLiteral("    ")));
        const QString fileText = metrics.elidedText(QCoreApplication::translate("ScheduleReport", "File: %1").arg(file),
                                                    Qt::ElideMiddle, fileRoom);
        Draw(small, QRectF(0, line * 1.3, fileRoom, line), Qt::AlignLeft | Qt::AlignVCenter, fileText);
        Draw(small, QRectF(0, line * 1.3, page_.width(), line), Qt::AlignRight | Qt::AlignVCenter, printedText);
        qreal rule = line * 2.5;
        if (!source_.DeviceSerial.isEmpty() || !source_.DeviceVersion.isEmpty()) {
            const QString device =
                //: In the page header: %1 is the KORVELT's version, %2 its serial number
                QCoreApplication::translate("ScheduleReport", "KORVELT: %1, serial number %2")
                    .arg(source_.DeviceVersion, source_.DeviceSerial);
            Draw(small, QRectF(0, line * 2.3, page_.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                 metrics.elidedText(device, Qt::ElideRight, page_.width()));
            rule += line;
        }
        if (painter_ != nullptr) {
            painter_->setPen(QPen(Qt::black, 0.75));
            painter_->drawLine(QPointF(0, rule), QPointF(page_.width(), rule));
        }
        top_ = rule + SectionGap;
        y_ = top_;
    }

    const ReportSource &source_;
    QSizeF page_;
    QPagedPaintDevice *device_;
    QPainter *painter_;
    int pageCount_;
    int pageNumber_ = 1;
    qreal top_ = 0;
    qreal y_ = 0;
};

// The days in the locale's order of the week: TimeSlot index (0 = Sunday) and heading.
std::vector<std::pair<int, QString>> DayColumns(const QLocale &locale)
{
    std::vector<std::pair<int, QString>> days;
    for (const int day : LocaleDayOrder(locale)) {
        // Qt counts Monday as 1 and Sunday as 7.
        days.emplace_back(day, ShortWeekdayName(day == 0 ? DayCount : day));
    }
    return days;
}

void Summary(ReportPages &pages, const ReportSource &source, const CellTextCodec &codec)
{
    pages.Heading(QCoreApplication::translate("ScheduleReport", "Summary"));
    pages.Paragraph(DaylightSavingSentence(source.Model.DaylightSaving) + QLatin1Char('.'));

    // The special dates in date order; those the KORVELT cannot hold last.
    std::vector<int> order(SpecialDateCount);
    for (int k = 0; k < SpecialDateCount; ++k) {
        order.at(static_cast<std::size_t>(k)) = k;
    }
    const SpecialDateTable &dates = source.Model.SpecialDates;
    const auto key = [&dates](int k) {
        const TDateTime date = dates.at(static_cast<std::size_t>(k));
        return std::pair{!IsSendableDate(date), IsSendableDate(date) ? date : 0.0};
    };
    std::stable_sort(order.begin(), order.end(), [&key](int a, int b) { return key(a) < key(b); });
    // The notes on special dates stand beside them; the other findings are listed below.
    const std::vector<ScheduleFinding> findings = CheckSchedule(source.Model, FromQDate(source.Printed.date()));
    std::vector<QStringList> notes(SpecialDateCount);
    std::vector<ScheduleFinding> listed;
    for (const ScheduleFinding &finding : findings) {
        if (finding.What == ScheduleFinding::Kind::PastSpecialDate) {
            notes.at(static_cast<std::size_t>(finding.Slot))
                << QCoreApplication::translate("ScheduleReport", "in the past");
        } else if (finding.What == ScheduleFinding::Kind::RepeatedSpecialDate) {
            notes.at(static_cast<std::size_t>(finding.Slot))
                << QCoreApplication::translate("ScheduleReport", "same as special date %1").arg(finding.Other + 1);
        } else {
            listed.push_back(finding);
        }
    }
    Table table{{QCoreApplication::translate("ScheduleReport", "Date"),
                 QCoreApplication::translate("ScheduleReport", "Weekday"),
                 //: Column heading: the special date's number
                 QCoreApplication::translate("ScheduleReport", "Special date"),
                 QCoreApplication::translate("ScheduleReport", "Note")},
                {90, 90, 75, 200},
                {}};
    for (const int k : order) {
        const TDateTime date = dates.at(static_cast<std::size_t>(k));
        const bool set = IsSendableDate(date);
        table.Rows.push_back({set ? codec.DateText(date) : QCoreApplication::translate("ScheduleReport", "(not set)"),
                              set ? WeekdayName(ToQDate(date).dayOfWeek()) : QString(), QString::number(k + 1),
                              notes.at(static_cast<std::size_t>(k))
                                  .join(QCoreApplication::translate("ScheduleReport", ", ", "list of notes"))});
    }
    pages.Heading(QCoreApplication::translate("ScheduleReport", "Special dates"));
    pages.Rows(table);

    if (!listed.empty()) {
        pages.Heading(QCoreApplication::translate("ScheduleReport", "Schedule check"));
        for (const ScheduleFinding &finding : listed) {
            //: %1 is a finding of the schedule check
            pages.Paragraph(IsMistake(finding)
                                ? QCoreApplication::translate("ScheduleReport", "Mistake: %1").arg(FindingText(finding))
                                //: %1 is a finding of the schedule check
                                : QCoreApplication::translate("ScheduleReport", "Note: %1").arg(FindingText(finding)));
        }
    }
}

QString TimeCell(const CellTextCodec &codec, TDateTime value)
{
    const QString text = codec.TimeToCellText(value);
    //: An empty time cell
    return text.isEmpty() ? QCoreApplication::translate("ScheduleReport", "(empty)") : text;
}

void OutputTables(ReportPages &pages, const ReportSource &source, const CellTextCodec &codec)
{
    const auto days = DayColumns(source.Locale);
    std::vector<int> unused;
    for (int o = 0; o < OutputCount; ++o) {
        if (!OutputUsed(source.Model, o)) {
            unused.push_back(o);
            continue;
        }
        const auto out = static_cast<std::size_t>(o);
        Table normal{{QCoreApplication::translate("ScheduleReport", "Slot"),
                      QCoreApplication::translate("ScheduleReport", "Start", "slot start time"),
                      QCoreApplication::translate("ScheduleReport", "End", "slot end time")},
                     {40, 95, 95},
                     {}};
        for (const auto &day : days) {
            normal.Headings << day.second;
            normal.Widths.push_back(36);
        }
        Table special{{QCoreApplication::translate("ScheduleReport", "Special slot"),
                       QCoreApplication::translate("ScheduleReport", "Start", "slot start time"),
                       QCoreApplication::translate("ScheduleReport", "End", "slot end time")},
                      {70, 95, 95},
                      {}};
        for (int s = 0; s < SlotCount; ++s) {
            const TimeSlot &slot = source.Model.NormalTimes.at(out).at(static_cast<std::size_t>(s));
            if (SlotUsed(slot, false)) {
                QStringList row{QString::number(s + 1), TimeCell(codec, slot.Start), TimeCell(codec, slot.End)};
                for (const auto &day : days) {
                    row << (slot.Days.at(static_cast<std::size_t>(day.first)) != 0 ? CheckMark : QString());
                }
                normal.Rows.push_back(row);
            }
            const TimeSlot &specialSlot = source.Model.SpecialTimes.at(out).at(static_cast<std::size_t>(s));
            if (SlotUsed(specialSlot, true)) {
                special.Rows.push_back(
                    {QString::number(s + 1), TimeCell(codec, specialSlot.Start), TimeCell(codec, specialSlot.End)});
            }
        }
        pages.KeepTogether(HeadingRoom() + (normal.Rows.empty() ? 0 : ReportPages::TableHeight(normal)) +
                           (special.Rows.empty() ? 0 : ReportPages::TableHeight(special)));
        //: Heading of an output's tables
        pages.Heading(QCoreApplication::translate("ScheduleReport", "Output %1", "heading").arg(o + 1));
        if (!normal.Rows.empty()) {
            pages.Rows(normal);
        }
        if (!special.Rows.empty()) {
            pages.Rows(special);
        }
    }
    if (!unused.empty()) {
        pages.Heading(QCoreApplication::translate("ScheduleReport", "Outputs with nothing set"));
        //: %1 names outputs, as in "Outputs 1, 3 and 9 to 16"
        pages.Paragraph(QCoreApplication::translate("ScheduleReport", "%1: nothing set").arg(OutputRangesText(unused)));
    }
}

// Lays the whole report out; without a painter only the pages are counted.
int LayOut(QPagedPaintDevice *device, QPainter *painter, QSizeF page, const ReportSource &source, int pageCount)
{
    const CellTextCodec codec(source.Locale);
    ReportPages pages(source, page, device, painter, pageCount);
    Summary(pages, source, codec);
    bool anyUsed = false;
    for (int o = 0; o < OutputCount && !anyUsed; ++o) {
        anyUsed = OutputUsed(source.Model, o);
    }
    if (anyUsed) {
        const qreal height = pages.BodyHeight() * WeekPictureShare;
        pages.KeepTogether(height + HeadingRoom());
        pages.Heading(QCoreApplication::translate("ScheduleReport", "The week"));
        pages.Picture(height, [&source](QPainter &p, const QRectF &box) {
            p.setFont(ReportFont(BodySize * 0.8));
            PaintWeek(p, box, source.Model);
        });
    }
    OutputTables(pages, source, codec);
    return pages.Pages();
}

} // namespace

QPageSize::PageSizeId ReportPageSize(const QLocale &locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout ReportPageLayout(const QLocale &locale)
{
    constexpr qreal MarginMm = 15;
    return {QPageSize(ReportPageSize(locale)), QPageLayout::Portrait, QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
            QPageLayout::Millimeter};
}

int PaintScheduleReport(QPagedPaintDevice &device, const ReportSource &source)
{
    const QRectF paintRect = device.pageLayout().paintRect(QPageLayout::Point);
    const QSizeF page = paintRect.size();
    const int pageCount = LayOut(nullptr, nullptr, page, source, 0);
    QPainter painter(&device);
    // Points on the page, whatever the device's resolution.
    const qreal scale = static_cast<qreal>(device.logicalDpiX()) / PointsPerInch;
    painter.scale(scale, scale);
    LayOut(&device, &painter, page, source, pageCount);
    painter.end();
    return pageCount;
}

QByteArray ScheduleReportPdf(const ReportSource &source)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        //: The PDF file's title: %1 is the schedule's file name
        writer.setTitle(QCoreApplication::translate("ScheduleReport", "KORVELT Time Control: %1")
                            .arg(source.FileName.isEmpty() ? QCoreApplication::translate("ScheduleReport", "not saved")
                                                           : source.FileName));
        writer.setCreator(QStringLiteral("KORVELT Time Control"));
        writer.setPageLayout(ReportPageLayout(source.Locale));
        PaintScheduleReport(writer, source);
    }
    buffer.close();
    return bytes;
}

bool SaveScheduleReportPdf(const std::filesystem::path &path, const ReportSource &source)
{
    const QByteArray pdf = ScheduleReportPdf(source);
    return !pdf.isEmpty() && SaveFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t *>(pdf.constData()),
                                                                static_cast<std::size_t>(pdf.size())));
}

} // namespace korvelt
