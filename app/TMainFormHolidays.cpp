// The main window's "Holidays…": the special dates filled from holiday rules.
#include "app/HolidaysDialog.h"
#include "text/QtDateTime.h"
#include "app/TMainForm.h"

namespace korvelt {

void TMainForm::CreateHolidayControls()
{
    HolidaysButton.setParent(&GroupBox2);
    HolidaysButton.setText(QStringLiteral("Holidays\u2026"));
    HolidaysButton.setObjectName(QStringLiteral("HolidaysButton"));
    HolidaysButton.setAccessibleName(QStringLiteral("Holidays"));
    HolidaysButton.setToolTip(QStringLiteral("Fill the special dates with the holidays of a year"));
    Bind(&HolidaysButton, &QPushButton::clicked, &TMainForm::HolidaysButtonClick);
}

void TMainForm::HolidaysButtonClick()
{
    // Window-modal and not waited for, so that the window stays responsive to its session.
    auto *dialog = new HolidaysDialog(holidayRules_, now_().date(), *dialogs_, this);
    dialog->setObjectName(QStringLiteral("HolidaysDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        holidayRules_ = dialog->Rules();
        if (result == QDialog::Accepted) {
            Guarded([this, dialog] { FillSpecialDates(dialog->Holidays(), dialog->Fewer()); });
        }
    });
    dialog->open();
}

void TMainForm::FillSpecialDates(const std::vector<Holiday> &holidays, FewerHolidays fewer)
{
    // The dates go into the pickers as picks would: a picker showing "(not set)" that gets no
    // holiday keeps its value.
    ScheduleModel filled;
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        filled.SpecialDates.at(k) = FromQDate(SpecialDateDateTimePickers.at(k)->date());
    }
    const ScheduleModel before = filled;
    ApplyHolidays(filled, holidays, fewer);
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        if (filled.SpecialDates.at(k) != before.SpecialDates.at(k)) {
            SpecialDateDateTimePickers.at(k)->setDate(ToQDate(filled.SpecialDates.at(k)));
        }
    }
}

} // namespace korvelt
