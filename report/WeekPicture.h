#pragma once

#include "core/ScheduleModel.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPalette>
#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <vector>

namespace korvelt {

// One bar of the week picture: where a slot switches its output on, on one day.
struct WeekBar {
    enum class Shape {
        Normal,    // from start to end
        Overnight, // end before start: drawn from start to midnight, hatched
        Mark,      // start equal to end: a thin mark
    };
    int Output = 0;
    int Slot = 0;
    bool Special = false;
    int Column = 0; // the day column: the place of the day in the locale's week, or 0 for a special date
    Shape Kind = Shape::Normal;
    QRectF Rect;
};

// Where the parts of the picture lie in a rectangle: a column of output labels, a heading
// row with the days (or the special date), then one row for each output, each day a strip
// of 24 hours from left to right.
class WeekLayout {
public:
    WeekLayout(const QRectF &rect, int columns, const QFontMetricsF &metrics);

    [[nodiscard]] int Columns() const { return columns_; }
    [[nodiscard]] QRectF Heading(int column) const;
    [[nodiscard]] QRectF Label(int output) const;
    [[nodiscard]] QRectF Row(int output) const;
    [[nodiscard]] QRectF Strip(int output, int column) const;
    // The x of a time of day (0 to 1) in a column.
    [[nodiscard]] double X(int column, double time) const;

private:
    QRectF rect_;
    int columns_;
    double labelWidth_;
    double headingHeight_;
    double rowHeight_;
    double columnWidth_;
};

// What the picture shows: the normal week, or the special slots on one special date.
struct WeekChoice {
    int SpecialDate = -1; // the special-date entry; -1 for the normal week
};

// The bars of every slot in use that the picture shows, in the layout.
[[nodiscard]] std::vector<WeekBar> WeekBars(const WeekLayout &layout, const ScheduleModel &model, WeekChoice choice);

// The colours of the picture. The printed page keeps the light ones; the window takes the
// rows, strips and texts from its palette, so that a dark theme draws it dark.
struct WeekColours {
    QColor Text{Qt::black};
    QColor RowShade{238, 240, 244}; // every second output's row
    QColor Strip{255, 255, 255};    // a day of an output
    QColor HourLine{214, 218, 226};

    // From a palette: texts in its text colour on its base and alternate base.
    [[nodiscard]] static WeekColours FromPalette(const QPalette &palette);
};

// Draws the picture of all sixteen outputs into a rectangle, in vector form only, so that a
// printed page can use it as the window does.
void PaintWeek(QPainter &painter, const QRectF &rect, const ScheduleModel &model, WeekChoice choice = {},
               const WeekColours &colours = {});

// The heading of a special date: "Special date 3: Sunday 01/11/2009".
[[nodiscard]] QString SpecialDateHeading(const ScheduleModel &model, int entry);
// Each output's on-times in words, as a screen reader reads its row:
//   "Mon to Fri 07:30:00 to 20:00:00; Sat 09:00:00 to 14:00:00; Sun off"
[[nodiscard]] QStringList RowDescriptions(const ScheduleModel &model, WeekChoice choice);
// What hovering over a bar tells: its place and times.
[[nodiscard]] QString BarText(const ScheduleModel &model, const WeekBar &bar);

// The number of day columns the picture has for a choice: seven, or one for a special date.
[[nodiscard]] int WeekColumnCount(WeekChoice choice);

} // namespace korvelt
