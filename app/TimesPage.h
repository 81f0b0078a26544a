#pragma once

#include "app/SlotGridPage.h"

namespace korvelt {

// The "Times" page: the normal times of one output, with their days, and the grid's menu
// with Copy, Paste and Set Days.
class TimesPage : public SlotGridPage {
    Q_OBJECT

public:
    TimesPage(SlotClipboard &clipboard, UserDialogs &dialogs, QWidget *parent = nullptr);

    void Grow(QSize growth) override;

private:
    // Lays the page out, grown by `growth` beyond its designed size.
    void Place(QSize growth);
    void SetDays(DayPreset preset);

    QMenu setDays_;
    QAction all_;
    QAction none_;
    QAction weekdays_;
    QAction weekends_;
};

} // namespace korvelt
