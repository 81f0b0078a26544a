#pragma once

#include "core/HolidayRules.h"
#include "app/HolidayPreview.h"
#include "app/HolidayRuleEditor.h"
#include "app/UserDialogs.h"

#include <QDate>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <vector>

namespace korvelt {

// "Holidays…": fills the special dates from holiday rules for a period, a calendar year or
// the next 12 months from today. The rule editor holds the rules (a country's, the user's
// own), the preview shows the holidays the ticked ones give in the period before anything
// changes. The dialog changes nothing itself: once accepted, the window takes Holidays() and
// Fewer().
class HolidaysDialog : public QDialog {
    Q_OBJECT

public:
    // The country list starts at the preset of the locale's country, where there is one.
    HolidaysDialog(std::vector<HolidayRule> rules, QDate today, UserDialogs &dialogs, QWidget *parent = nullptr);

    [[nodiscard]] const std::vector<HolidayRule> &Rules() const { return RuleEditor.Rules(); }
    // The holidays of the period from the ticked rules, in date order.
    [[nodiscard]] const std::vector<Holiday> &Holidays() const { return holidays_; }
    [[nodiscard]] FewerHolidays Fewer() const { return Preview.Fewer(); }
    // The first and last day of the period chosen.
    [[nodiscard]] std::pair<QDate, QDate> Period() const;

private:
    // Generates the holidays again and shows them.
    void UpdatePreview();

    // Controls, container first; tests and screen readers find them by these names.
    QGroupBox PeriodGroupBox;
    QRadioButton YearRadioButton;
    QSpinBox YearSpinEdit;
    QRadioButton NextMonthsRadioButton;
    HolidayRuleEditor RuleEditor;
    HolidayPreview Preview;
    QLabel StatusLabel; // what the last command did ("... in the list already: not added again.")
    QPushButton FillButton;
    QPushButton CancelButton;

    std::vector<Holiday> holidays_;
    QDate today_;
};

} // namespace korvelt
