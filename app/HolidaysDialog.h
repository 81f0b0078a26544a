#pragma once

#include "core/HolidayRules.h"
#include "app/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>

#include <vector>

namespace korvelt {

// "Holidays…": fills the special dates from holiday rules for a period, a calendar year or
// the next 12 months from today. The user adds a country's rules or their own, ticks those
// to use, and sees the holidays in a preview before anything changes; more than 16: the
// first 16 in date order are used and the preview says which are left out; fewer: the other
// special dates keep their dates or repeat the last holiday. The rules can be saved to and
// loaded from a rule file. The dialog changes nothing itself: once accepted, the window
// takes Holidays() and Fewer().
class HolidaysDialog : public QDialog {
    Q_OBJECT

public:
    // The country list starts at the preset of the locale's country, where there is one.
    HolidaysDialog(std::vector<HolidayRule> rules, QDate today, UserDialogs &dialogs, QWidget *parent = nullptr);

    [[nodiscard]] const std::vector<HolidayRule> &Rules() const { return rules_; }
    // The holidays of the period from the ticked rules, in date order.
    [[nodiscard]] const std::vector<Holiday> &Holidays() const { return holidays_; }
    [[nodiscard]] FewerHolidays Fewer() const;
    // The first and last day of the period chosen.
    [[nodiscard]] std::pair<QDate, QDate> Period() const;

private:
    void AddPresetClick();
    void AddRuleClick();
    // Adds the rules not in the list yet; returns how many.
    int AddRules(const std::vector<HolidayRule> &rules);
    void RemoveRuleClick();
    void SaveRulesClick();
    void LoadRulesClick();
    void RuleKindChanged();
    void ShowRules();
    void RuleTicked(QListWidgetItem *item);
    // Generates the holidays again and shows them.
    void UpdatePreview();

    // Controls, container first; tests and screen readers find them by these names.
    QGroupBox PeriodGroupBox;
    QRadioButton YearRadioButton;
    QSpinBox YearSpinEdit;
    QRadioButton NextMonthsRadioButton;

    QGroupBox RulesGroupBox;
    QComboBox PresetComboBox;
    QPushButton AddPresetButton;
    QListWidget RuleList;
    QPushButton RemoveRuleButton;
    QPushButton LoadRulesButton;
    QPushButton SaveRulesButton;
    QLabel RuleNameLabel;
    QLineEdit RuleNameEdit;
    QComboBox RuleKindComboBox;
    QSpinBox RuleNumberSpinEdit; // the day, the days from Easter Sunday, or which weekday
    QComboBox RuleWeekdayComboBox;
    QComboBox RuleMonthComboBox;
    QComboBox RuleMoveComboBox; // what a fixed date on a weekend does
    QComboBox RuleStepComboBox; // on the date, or a weekday before or after it
    QComboBox RuleStepWeekdayComboBox;
    QSpinBox RuleFromSpinEdit;  // the first year, or any
    QSpinBox RuleUntilSpinEdit; // the last year, or any
    QSpinBox RuleEverySpinEdit; // every Nth year from the first
    QPushButton AddRuleButton;

    QGroupBox PreviewGroupBox;
    QTreeWidget PreviewList;
    QLabel SummaryLabel;
    QLabel FewerLabel;
    QRadioButton KeepOthersRadioButton;
    QRadioButton RepeatLastRadioButton;

    QLabel StatusLabel; // what the last command did ("... in the list already: not added again.")
    QPushButton FillButton;
    QPushButton CancelButton;

    std::vector<HolidayRule> rules_;
    std::vector<Holiday> holidays_;
    QDate today_;
    UserDialogs &dialogs_;
};

// A rule as the rule list shows it: "Christmas Day: 25 December, a weekend moves it to the
// next Monday".
[[nodiscard]] QString RuleText(const HolidayRule &rule);

} // namespace korvelt
