#pragma once

#include "app/SlotGridPage.h"
#include "app/SpecialDatesBox.h"

namespace korvelt {

// The "Special Times" page: the special times of one output, their grid's menu with Copy and
// Paste, and the special dates box beside them.
class SpecialTimesPage : public SlotGridPage {
    Q_OBJECT

public:
    SpecialTimesPage(SlotClipboard &clipboard, UserDialogs &dialogs, std::function<QDate()> today,
                     QWidget *parent = nullptr);

    void Show(const ScheduleModel &model) override;
    bool Store(ScheduleModel &model) override;
    void Peek(ScheduleModel &model) const override;
    void Grow(QSize growth) override;
    // The grid, the output selector, then the special dates and "Holidays…".
    [[nodiscard]] std::vector<QWidget *> TabOrder() override;

    [[nodiscard]] SpecialDatesBox &SpecialDates() { return dates_; }

private:
    // Lays the page out, grown by `growth` beyond its designed size.
    void Place(QSize growth);

    SpecialDatesBox dates_;
};

} // namespace korvelt
