#pragma once

#include "app/UserDialogs.h"
#include "core/HolidayRules.h"
#include "core/ScheduleModel.h"
#include "editor/SpecialDateEdit.h"

#include <QDate>
#include <QGroupBox>
#include <QPushButton>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace korvelt {

// The "Special Dates" box: sixteen date pickers and "Holidays…", which fills them from
// holiday rules. A picker that holds a date it cannot show (from a file or the KORVELT) shows
// "(not set)" and gives the date back unchanged until the user picks another.
class SpecialDatesBox : public QGroupBox {
    Q_OBJECT

public:
    SpecialDatesBox(std::function<QDate()> today, UserDialogs &dialogs, QWidget *parent = nullptr);

    // Shows the model's special dates; emits nothing.
    void Show(const ScheduleModel &model);
    // Reads a date being typed as Enter would, then writes the dates into the model. False
    // when a typed date was refused, now or before without its box shown yet.
    bool Store(ScheduleModel &model);
    // Writes the dates the pickers show now into the model.
    void Peek(ScheduleModel &model) const;

    [[nodiscard]] SpecialDateEdit &Picker(int index) { return *pickers_.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] QPushButton &HolidaysButton() { return holidays_; }
    // The designed width, or wider where the weekdays of the language need it.
    [[nodiscard]] int NeededWidth() const { return 392 + 2 * extra_; }
    // "Holidays…": the dates the rules give go into the pickers as picks would.
    void FillSpecialDates(const std::vector<Holiday> &holidays, FewerHolidays fewer);

signals:
    void Edited(const QString &step);

private:
    void HolidaysButtonClick();
    void Picked(int index);

    std::function<QDate()> today_;
    UserDialogs &dialogs_;
    int extra_ = 0; // what the weekday column needs beyond its designed 64 pixels
    std::array<std::unique_ptr<SpecialDateEdit>, SpecialDateCount> pickers_;
    QPushButton holidays_;
    // What each picker showed last, so that a date it cannot show comes back unchanged.
    std::array<QDate, SpecialDateCount> shown_{};
    std::array<QDate, SpecialDateCount> current_{}; // what each picker held at its last change
    std::vector<HolidayRule> rules_;                // kept for the next time in this run
    bool showing_ = false;
    int refusalsPending_ = 0; // refused dates whose box has not been shown yet
};

} // namespace korvelt
