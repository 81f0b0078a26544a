#include "app/WeekView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace korvelt {

WeekView::WeekView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    //: The picture of the week
    setAccessibleName(tr("Week"));
    setAccessibleDescription(tr("The times each output is on, one row for each output."));
    for (std::size_t o = 0; o < rows_.size(); ++o) {
        auto row = std::make_unique<QWidget>(this);
        row->setObjectName(QStringLiteral("WeekRow%1").arg(o + 1));
        //: A row of the week's picture; %1 is the output's number
        row->setAccessibleName(tr("Output %1", "switched output number").arg(o + 1));
        row->setAttribute(Qt::WA_TransparentForMouseEvents);
        rows_.at(o) = std::move(row);
    }
    Describe();
}

void WeekView::SetModel(const ScheduleModel &model)
{
    model_ = model;
    Describe();
    update();
}

void WeekView::SetChoice(WeekChoice choice)
{
    choice_ = choice;
    Describe();
    update();
}

WeekLayout WeekView::Layout() const
{
    return {QRectF(rect()), WeekColumnCount(choice_), QFontMetricsF(font())};
}

std::vector<WeekBar> WeekView::Bars() const
{
    return WeekBars(Layout(), model_, choice_);
}

const WeekBar *WeekView::BarAt(const QPointF &pos, std::vector<WeekBar> &bars) const
{
    bars = Bars();
    // The last drawn lies on top.
    const auto found = std::find_if(bars.rbegin(), bars.rend(), [&pos](const WeekBar &bar) {
        return bar.Rect.adjusted(-1, 0, 1, 0).contains(pos);
    });
    return found == bars.rend() ? nullptr : &*found;
}

void WeekView::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    PaintWeek(painter, QRectF(rect()), model_, choice_, WeekColours::FromPalette(palette()));
}

void WeekView::mousePressEvent(QMouseEvent *event)
{
    std::vector<WeekBar> bars;
    const WeekBar *bar = event->button() == Qt::LeftButton ? BarAt(event->position(), bars) : nullptr;
    if (bar == nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit SlotClicked(bar->Output, bar->Slot, bar->Special);
}

void WeekView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const WeekLayout layout = Layout();
    for (std::size_t o = 0; o < rows_.size(); ++o) {
        rows_.at(o)->setGeometry(layout.Row(static_cast<int>(o)).toAlignedRect());
    }
}

bool WeekView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        std::vector<WeekBar> bars;
        if (const WeekBar *bar = BarAt(help->pos(), bars)) {
            QToolTip::showText(help->globalPos(), BarText(model_, *bar), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void WeekView::Describe()
{
    const QStringList descriptions = RowDescriptions(model_, choice_);
    for (std::size_t o = 0; o < rows_.size(); ++o) {
        rows_.at(o)->setAccessibleDescription(descriptions.at(static_cast<qsizetype>(o)));
    }
}

} // namespace korvelt
