#pragma once

#include "core/HolidayRules.h"
#include "app/UserDialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <functional>
#include <vector>

namespace korvelt {

// The rules of the Holidays dialog: a country's or region's rules added from the presets, the
// user's own made in the editor below the list, ticked or not, removed, saved to and loaded
// from a rule file. It says what a command did through the status it is given, and that the
// rules changed through the other.
class HolidayRuleEditor : public QGroupBox {
    // Its texts are the Holidays dialog's.
    Q_DECLARE_TR_FUNCTIONS(korvelt::HolidaysDialog)

public:
    // The country list starts at the preset of the locale's country, where there is one.
    HolidayRuleEditor(std::vector<HolidayRule> rules, UserDialogs &dialogs, QWidget *parent);

    [[nodiscard]] const std::vector<HolidayRule> &Rules() const { return rules_; }
    // Called after every change of the rules, and with what each command did.
    void Listen(std::function<void()> changed, std::function<void(const QString &)> status);

private:
    void AddPresetClick();
    void AddRuleClick();
    // Adds the rules not in the list yet and puts a region's rules in the place of the same
    // rules of its country; returns how many were added and how many of those took a place.
    struct Added {
        int Count = 0;
        int Replaced = 0;
    };
    Added AddRules(const std::vector<HolidayRule> &rules, const HolidayPreset *country = nullptr);
    void RemoveRuleClick();
    void SaveRulesClick();
    void LoadRulesClick();
    void RuleKindChanged();
    void ShowRules();
    void RuleTicked(QListWidgetItem *item);
    void Say(const QString &text);

    // Controls; tests and screen readers find them by these names.
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

    std::vector<HolidayRule> rules_;
    UserDialogs &dialogs_;
    std::function<void()> changed_;
    std::function<void(const QString &)> status_;
};

// A rule as the rule list shows it: "Christmas Day: 25 December, a weekend moves it to the
// next Monday".
[[nodiscard]] QString RuleText(const HolidayRule &rule);

} // namespace korvelt
