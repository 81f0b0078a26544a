#pragma once

#include "report/WeekPicture.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

namespace korvelt {

// The week picture as a widget: follows the model it is given, tells its bars on hover, and
// reports a click on a bar. Each output row is an accessible child with its on-times as its
// description.
class WeekView : public QWidget {
    Q_OBJECT

public:
    explicit WeekView(QWidget *parent = nullptr);

    void SetModel(const ScheduleModel &model);
    void SetChoice(WeekChoice choice);
    [[nodiscard]] WeekChoice Choice() const { return choice_; }

    // The picture's parts in the widget's coordinates.
    [[nodiscard]] WeekLayout Layout() const;
    [[nodiscard]] std::vector<WeekBar> Bars() const;

    [[nodiscard]] QSize sizeHint() const override { return {780, 300}; }

signals:
    // A bar was clicked: the output (0-based), the slot (0-based) and its table.
    void SlotClicked(int output, int slot, bool special);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    [[nodiscard]] const WeekBar *BarAt(const QPointF &pos, std::vector<WeekBar> &bars) const;
    void Describe();

    ScheduleModel model_;
    WeekChoice choice_;
    std::array<std::unique_ptr<QWidget>, OutputCount> rows_;
};

} // namespace korvelt
