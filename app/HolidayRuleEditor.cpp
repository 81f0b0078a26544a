#include "app/HolidayRuleEditor.h"

#include "text/DataFile.h"
#include "text/HolidayRuleFile.h"
#include "text/HolidayText.h"

#include <QFileInfo>
#include <QGridLayout>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <tuple>

namespace korvelt {

namespace {

QString RuleFileFilter()
{
    //: File dialog filter; keep the patterns in parentheses as they are
    return QCoreApplication::translate("HolidaysDialog", "Holiday Rules (*.json);;All Files (*.*)");
}

// The dialog's own names of weekdays, in the program's language (months: HolidayMonthText); the
// dates in the preview follow the user's locale.
constexpr std::array<const char *, DaysPerWeek> WeekdayNames{
    QT_TRANSLATE_NOOP("HolidaysDialog", "Sunday"),   QT_TRANSLATE_NOOP("HolidaysDialog", "Monday"),
    QT_TRANSLATE_NOOP("HolidaysDialog", "Tuesday"),  QT_TRANSLATE_NOOP("HolidaysDialog", "Wednesday"),
    QT_TRANSLATE_NOOP("HolidaysDialog", "Thursday"), QT_TRANSLATE_NOOP("HolidaysDialog", "Friday"),
    QT_TRANSLATE_NOOP("HolidaysDialog", "Saturday")};

QString WeekdayName(int weekday) // 0 Sunday .. 6 Saturday
{
    return weekday >= 0 && weekday < DaysPerWeek
               ? QCoreApplication::translate("HolidaysDialog", WeekdayNames.at(static_cast<std::size_t>(weekday)))
               : QString::number(weekday);
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "1st Monday of May": the nth weekday of a month as one text per n.
QString NthWeekdayText(int n, const QString &weekday, const QString &month)
{
    switch (n) {
    case 1:
        //: A rule's day: %1 is a weekday, %2 a month
        return QCoreApplication::translate("HolidaysDialog", "1st %1 of %2").arg(weekday, month);
    case 2:
        return QCoreApplication::translate("HolidaysDialog", "2nd %1 of %2").arg(weekday, month);
    case 3:
        return QCoreApplication::translate("HolidaysDialog", "3rd %1 of %2").arg(weekday, month);
    case 4:
        return QCoreApplication::translate("HolidaysDialog", "4th %1 of %2").arg(weekday, month);
    default:
        //: A rule's day: %1 is a number, %2 a weekday, %3 a month
        return QCoreApplication::translate("HolidaysDialog", "%1 %2 of %3").arg(QString::number(n), weekday, month);
    }
}

// "the Wednesday before 23 November": a weekday taken from the date a rule gives.
QString StepText(WeekdayStep step, const QString &weekday, const QString &when)
{
    switch (step) {
    case WeekdayStep::None:
        break;
    case WeekdayStep::Before:
        //: A rule's day: %1 is a weekday, %2 the date it is counted from, as in "the Wednesday before 23 November"
        return QCoreApplication::translate("HolidaysDialog", "the %1 before %2").arg(weekday, when);
    case WeekdayStep::After:
        return QCoreApplication::translate("HolidaysDialog", "the %1 after %2").arg(weekday, when);
    case WeekdayStep::OnOrBefore:
        return QCoreApplication::translate("HolidaysDialog", "the %1 on or before %2").arg(weekday, when);
    case WeekdayStep::OnOrAfter:
        return QCoreApplication::translate("HolidaysDialog", "the %1 on or after %2").arg(weekday, when);
    }
    return when;
}

} // namespace

QString RuleText(const HolidayRule &rule)
{
    QString when;
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        //: A rule's date: %1 is the day, %2 the month, as in "25 December"
        when = QCoreApplication::translate("HolidaysDialog", "%1 %2", "day and month")
                   .arg(QString::number(rule.Day), HolidayMonthText(rule.Month));
        switch (rule.Move) {
        case WeekendMove::None:
            break;
        case WeekendMove::Monday:
            //: %1 is a rule's date, as in "25 December"
            when = QCoreApplication::translate("HolidaysDialog", "%1, on a weekend the next Monday").arg(when);
            break;
        case WeekendMove::NearestWeekday:
            when = QCoreApplication::translate("HolidaysDialog",
                                               "%1, on a Saturday the Friday before, on a Sunday the Monday after")
                       .arg(when);
            break;
        case WeekendMove::SundayToSaturday:
            when = QCoreApplication::translate("HolidaysDialog", "%1, on a Sunday the Saturday before").arg(when);
            break;
        case WeekendMove::SundayToMonday:
            when = QCoreApplication::translate("HolidaysDialog", "%1, on a Sunday the next Monday").arg(when);
            break;
        }
        break;
    case HolidayRuleKind::EasterOffset:
        if (rule.Offset == 0) {
            when = QCoreApplication::translate("HolidaysDialog", "Easter Sunday");
        } else {
            //: A rule's day counted from Easter: %1 is a signed number of days, as in "+50" or "-2"
            when = QCoreApplication::translate("HolidaysDialog", "Easter Sunday %1 days")
                       .arg((rule.Offset > 0 ? QStringLiteral("+") : QString()) + QString::number(rule.Offset));
        }
        break;
    case HolidayRuleKind::NthWeekday:
        when = NthWeekdayText(rule.Nth, WeekdayName(rule.Weekday), HolidayMonthText(rule.Month));
        break;
    case HolidayRuleKind::LastWeekday:
        //: A rule's day: %1 is a weekday, %2 a month
        when = QCoreApplication::translate("HolidaysDialog", "last %1 of %2")
                   .arg(WeekdayName(rule.Weekday), HolidayMonthText(rule.Month));
        break;
    }
    when = StepText(rule.Step, WeekdayName(rule.StepWeekday), when);
    if (rule.FirstYear != 0 && rule.FirstYear == rule.LastYear) {
        //: %1 is a rule's day, %2 the one year it holds
        when =
            QCoreApplication::translate("HolidaysDialog", "%1, in %2 only").arg(when, QString::number(rule.FirstYear));
    } else {
        if (rule.EveryYears > 1) {
            //: %1 is a rule's day, %2 every how many years, %3 the year it counts from
            when = QCoreApplication::translate("HolidaysDialog", "%1, every %2 years from %3")
                       .arg(when, QString::number(rule.EveryYears), QString::number(rule.FirstYear));
        } else if (rule.FirstYear != 0) {
            //: %1 is a rule's day, %2 its first year
            when =
                QCoreApplication::translate("HolidaysDialog", "%1, from %2").arg(when, QString::number(rule.FirstYear));
        }
        if (rule.LastYear != 0) {
            //: %1 is a rule's day (perhaps with its first year), %2 its last year
            when =
                QCoreApplication::translate("HolidaysDialog", "%1, until %2").arg(when, QString::number(rule.LastYear));
        }
    }
    QStringList changes;
    constexpr std::size_t shownChanges = 3;
    for (std::size_t k = 0; k < std::min(rule.Changes.size(), shownChanges); ++k) {
        const YearChange &change = rule.Changes.at(k);
        changes << (change.Month == 0
                        //: A year in which a rule gives no holiday
                        ? QCoreApplication::translate("HolidaysDialog", "none in %1").arg(change.Year)
                        //: A day a rule's holiday was moved to once: %1 day, %2 month, %3 year
                        : QCoreApplication::translate("HolidaysDialog", "%1 %2 %3", "day, month and year")
                              .arg(QString::number(change.Day), HolidayMonthText(change.Month),
                                   QString::number(change.Year)));
    }
    if (rule.Changes.size() > shownChanges) {
        //: How many more one-off changes a rule has
        changes << QCoreApplication::translate("HolidaysDialog", "%1 more", "changes")
                       .arg(rule.Changes.size() - shownChanges);
    }
    if (!changes.isEmpty()) {
        //: %1 is a rule's day, %2 its one-off changes, as in "none in 2031, 8 May 2020"
        when = QCoreApplication::translate("HolidaysDialog", "%1 (once: %2)")
                   .arg(when, changes.join(QCoreApplication::translate("HolidaysDialog", ", ", "list of changes")));
    }
    //: A rule in the list: %1 is its name, %2 its day
    return QCoreApplication::translate("HolidaysDialog", "%1: %2", "rule name and day")
        .arg(HolidayRuleNameText(rule), when);
}

HolidayRuleEditor::HolidayRuleEditor(std::vector<HolidayRule> rules, UserDialogs &dialogs, QWidget *parent)
    : QGroupBox(tr("Rules"), parent), PresetComboBox(this), AddPresetButton(tr("Add Country"), this), RuleList(this),
      RemoveRuleButton(tr("Remove"), this), LoadRulesButton(tr("Load Rules\u2026"), this),
      SaveRulesButton(tr("Save Rules\u2026"), this), RuleNameLabel(tr("Own rule:"), this), RuleNameEdit(this),
      RuleKindComboBox(this), RuleNumberSpinEdit(this), RuleWeekdayComboBox(this), RuleMonthComboBox(this),
      RuleMoveComboBox(this), RuleStepComboBox(this), RuleStepWeekdayComboBox(this), RuleFromSpinEdit(this),
      RuleUntilSpinEdit(this), RuleEverySpinEdit(this), AddRuleButton(tr("Add Rule"), this), rules_(std::move(rules)),
      dialogs_(dialogs)
{
    for (const HolidayPreset &preset : HolidayPresets()) {
        const QString code = FromView(preset.Code);
        //: A preset in the list: %1 is its country or region, %2 its short code
        PresetComboBox.addItem(tr("%1 (%2)", "preset and its code").arg(HolidayPresetNameText(preset), code), code);
    }
    // The locale's country first: de_DE Germany (nationwide), en_GB England and Wales.
    const QString country = QLocale::territoryToCode(locale().territory()).toLower();
    const int local = PresetComboBox.findData(country == QLatin1String("gb") ? QStringLiteral("gb-eaw") : country);
    PresetComboBox.setCurrentIndex(std::max(local, 0));
    RuleKindComboBox.addItems(
        {tr("Fixed date"), tr("Days from Easter Sunday"), tr("Weekday of a month"), tr("Last weekday of a month")});
    for (int d = 0; d < DaysPerWeek; ++d) {
        RuleWeekdayComboBox.addItem(WeekdayName(d));
    }
    RuleWeekdayComboBox.setCurrentIndex(1);
    for (int m = 1; m <= 12; ++m) {
        RuleMonthComboBox.addItem(HolidayMonthText(m));
    }
    RuleMoveComboBox.addItems({tr("Stays on a weekend"), tr("On a weekend, the next Monday"),
                               tr("Saturday to Friday, Sunday to Monday"), tr("Sunday to the Saturday before"),
                               tr("Sunday to the next Monday")});
    RuleStepComboBox.addItems({tr("On that date"), tr("The weekday before it"), tr("The weekday after it"),
                               tr("The weekday on or before it"), tr("The weekday on or after it")});
    for (int d = 0; d < DaysPerWeek; ++d) {
        RuleStepWeekdayComboBox.addItem(WeekdayName(d));
    }
    RuleStepWeekdayComboBox.setCurrentIndex(1);
    for (QSpinBox *year : {&RuleFromSpinEdit, &RuleUntilSpinEdit}) {
        year->setRange(FirstSendableYear - 1, LastSendableYear);
        year->setSpecialValueText(tr("any year"));
        year->setValue(year->minimum());
    }
    //: Prefix of the first-year box, before the year
    RuleFromSpinEdit.setPrefix(tr("from "));
    //: Prefix of the last-year box, before the year
    RuleUntilSpinEdit.setPrefix(tr("until "));
    RuleEverySpinEdit.setRange(1, 100);
    //: Prefix of the every-how-many-years box, before the number
    RuleEverySpinEdit.setPrefix(tr("every "));
    //: Suffix of the every-how-many-years box, after the number (2 or more)
    RuleEverySpinEdit.setSuffix(tr(" years"));
    RuleEverySpinEdit.setSpecialValueText(tr("every year"));
    //: Placeholder of the own rule's name box
    RuleNameEdit.setPlaceholderText(tr("Name", "holiday name"));
    RuleNameLabel.setBuddy(&RuleNameEdit);
    RuleKindChanged();
    auto *rulesLayout = new QGridLayout(this);
    rulesLayout->addWidget(&PresetComboBox, 0, 0, 1, 3);
    rulesLayout->addWidget(&AddPresetButton, 0, 3);
    rulesLayout->addWidget(&RuleList, 1, 0, 4, 3);
    rulesLayout->addWidget(&RemoveRuleButton, 1, 3);
    rulesLayout->addWidget(&LoadRulesButton, 2, 3);
    rulesLayout->addWidget(&SaveRulesButton, 3, 3);
    rulesLayout->addWidget(&RuleNameLabel, 5, 0);
    rulesLayout->addWidget(&RuleNameEdit, 5, 1);
    rulesLayout->addWidget(&RuleKindComboBox, 5, 2);
    rulesLayout->addWidget(&RuleNumberSpinEdit, 6, 0);
    rulesLayout->addWidget(&RuleWeekdayComboBox, 6, 1);
    rulesLayout->addWidget(&RuleMonthComboBox, 6, 2);
    rulesLayout->addWidget(&RuleMoveComboBox, 7, 0, 1, 3);
    rulesLayout->addWidget(&RuleStepComboBox, 8, 0, 1, 2);
    rulesLayout->addWidget(&RuleStepWeekdayComboBox, 8, 2);
    rulesLayout->addWidget(&RuleFromSpinEdit, 9, 0);
    rulesLayout->addWidget(&RuleUntilSpinEdit, 9, 1);
    rulesLayout->addWidget(&RuleEverySpinEdit, 9, 2);
    rulesLayout->addWidget(&AddRuleButton, 9, 3);
    RuleList.setSelectionMode(QAbstractItemView::ExtendedSelection);
    rulesLayout->setColumnStretch(1, 1);

    const std::initializer_list<std::tuple<QWidget *, const char *, QString>> names{
        {&PresetComboBox, "PresetComboBox", tr("Country")},
        {&AddPresetButton, "AddPresetButton", AddPresetButton.text()},
        {&RuleList, "RuleList", tr("Rules", "accessible name of the rule list")},
        {&RemoveRuleButton, "RemoveRuleButton", tr("Remove rule")},
        {&LoadRulesButton, "LoadRulesButton", tr("Load rules")},
        {&SaveRulesButton, "SaveRulesButton", tr("Save rules")},
        {&RuleNameEdit, "RuleNameEdit", tr("Own rule's name")},
        {&RuleKindComboBox, "RuleKindComboBox", tr("Own rule's kind")},
        {&RuleNumberSpinEdit, "RuleNumberSpinEdit", tr("Own rule's day")},
        {&RuleWeekdayComboBox, "RuleWeekdayComboBox", tr("Own rule's weekday")},
        {&RuleMonthComboBox, "RuleMonthComboBox", tr("Own rule's month")},
        {&RuleMoveComboBox, "RuleMoveComboBox", tr("Own rule on a weekend")},
        {&RuleStepComboBox, "RuleStepComboBox", tr("Own rule on the date or a weekday before or after")},
        {&RuleStepWeekdayComboBox, "RuleStepWeekdayComboBox", tr("Weekday before or after")},
        {&RuleFromSpinEdit, "RuleFromSpinEdit", tr("Own rule's first year")},
        {&RuleUntilSpinEdit, "RuleUntilSpinEdit", tr("Own rule's last year")},
        {&RuleEverySpinEdit, "RuleEverySpinEdit", tr("Own rule every how many years")},
        {&AddRuleButton, "AddRuleButton", AddRuleButton.text()},
    };
    for (const auto &[widget, name, accessible] : names) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setAccessibleName(accessible);
    }

    connect(&AddPresetButton, &QPushButton::clicked, this, [this] { AddPresetClick(); });
    connect(&AddRuleButton, &QPushButton::clicked, this, [this] { AddRuleClick(); });
    connect(&RuleNameEdit, &QLineEdit::returnPressed, this, [this] { AddRuleClick(); });
    connect(&RemoveRuleButton, &QPushButton::clicked, this, [this] { RemoveRuleClick(); });
    connect(&SaveRulesButton, &QPushButton::clicked, this, [this] { SaveRulesClick(); });
    connect(&LoadRulesButton, &QPushButton::clicked, this, [this] { LoadRulesClick(); });
    connect(&RuleKindComboBox, &QComboBox::currentIndexChanged, this, [this] { RuleKindChanged(); });
    connect(&RuleStepComboBox, &QComboBox::currentIndexChanged, this,
            [this](int step) { RuleStepWeekdayComboBox.setEnabled(step != 0); });
    RuleStepWeekdayComboBox.setEnabled(false);
    connect(&RuleList, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) { RuleTicked(item); });
    ShowRules();
}

void HolidayRuleEditor::Listen(std::function<void()> changed, std::function<void(const QString &)> status)
{
    changed_ = std::move(changed);
    status_ = std::move(status);
}

void HolidayRuleEditor::Say(const QString &text)
{
    if (status_) {
        status_(text);
    }
}

HolidayRuleEditor::Added HolidayRuleEditor::AddRules(const std::vector<HolidayRule> &rules,
                                                     const HolidayPreset *country)
{
    Added added;
    for (const HolidayRule &rule : rules) {
        const auto had = std::ranges::find_if(rules_, [&rule](const HolidayRule &r) { return SameRule(r, rule); });
        if (had == rules_.end()) {
            rules_.push_back(rule);
            ++added.Count;
            continue;
        }
        // The country's copy of a region's rule (Switzerland's unticked Good Friday for Zurich's
        // ticked one) gives way to the region's, with its tick and its note.
        const bool differs = had->Used != rule.Used || had->Note != rule.Note;
        if (country != nullptr && differs && std::ranges::any_of(country->Rules, [&](const HolidayRule &own) {
                return SameRule(own, rule) && own.Note == had->Note;
            })) {
            *had = rule;
            ++added.Count;
            ++added.Replaced;
        }
    }
    if (added.Count > 0) {
        ShowRules();
    }
    return added;
}

void HolidayRuleEditor::AddPresetClick()
{
    const HolidayPreset *preset = FindHolidayPreset(PresetComboBox.currentData().toString().toStdString());
    if (preset == nullptr) {
        return;
    }
    // A region added after its country: its rules take the place of the country's same rules.
    const std::string_view code = preset->Code;
    const HolidayPreset *country =
        code.find('-') == std::string_view::npos ? nullptr : FindHolidayPreset(code.substr(0, code.find('-')));
    const auto count = static_cast<int>(preset->Rules.size());
    const auto [added, replaced] = AddRules(preset->Rules, country);
    const QString name = HolidayPresetNameText(*preset);
    QString text;
    if (added == count) {
        //: %n is how many rules (always several), %1 the country or region
        text = tr("Added the %n rules of %1.", nullptr, count).arg(name);
    } else if (added == 0) {
        //: %n is how many rules (always several), %1 the country or region
        text = tr("The %n rules of %1 are in the list already: none added again.", nullptr, count).arg(name);
    } else {
        // One text for each of the four ways English says it, so that each language can count both numbers.
        const int had = count - added;
        if (added == 1 && had == 1) {
            //: %1 is the country or region
            text = tr("Added 1 rule of %1; 1 is in the list already.").arg(name);
        } else if (added == 1) {
            //: %1 is the country or region, %n how many rules were in the list already
            text = tr("Added 1 rule of %1; %n are in the list already.", nullptr, had).arg(name);
        } else if (had == 1) {
            //: %n is how many rules were added, %1 the country or region
            text = tr("Added %n rules of %1; 1 is in the list already.", nullptr, added).arg(name);
        } else {
            //: %n is how many rules were added, %1 the country or region, %2 how many were in the list already
            text = tr("Added %n rules of %1; %2 are in the list already.", nullptr, added).arg(name).arg(had);
        }
    }
    if (replaced > 0 && country != nullptr) {
        const QString countryName = HolidayPresetNameText(*country);
        text += QLatin1Char(' ') +
                (replaced == 1
                     //: %1 is the country whose rule a region's rule replaced, ticked or not as the region has it
                     ? tr("1 rule added replaces the same rule of %1.").arg(countryName)
                     //: %n is how many rules, %1 the country whose rules a region's rules replaced
                     : tr("%n rules added replace the same rules of %1.", nullptr, replaced).arg(countryName));
    }
    Say(text);
}

void HolidayRuleEditor::RuleKindChanged()
{
    const auto kind = static_cast<HolidayRuleKind>(RuleKindComboBox.currentIndex());
    const QSignalBlocker blocker(RuleNumberSpinEdit);
    switch (kind) {
    case HolidayRuleKind::FixedDate:
        RuleNumberSpinEdit.setRange(1, 31);
        RuleNumberSpinEdit.setPrefix(QString());
        RuleNumberSpinEdit.setAccessibleName(tr("Own rule's day"));
        break;
    case HolidayRuleKind::EasterOffset:
        RuleNumberSpinEdit.setRange(-MaxEasterOffset, MaxEasterOffset);
        //: Prefix of the number box of a rule counted from Easter, before the number of days
        RuleNumberSpinEdit.setPrefix(tr("days "));
        RuleNumberSpinEdit.setAccessibleName(tr("Days from Easter Sunday"));
        break;
    case HolidayRuleKind::NthWeekday:
    case HolidayRuleKind::LastWeekday:
        RuleNumberSpinEdit.setRange(1, 4);
        //: Prefix of the number box of a rule's nth weekday, before the number
        RuleNumberSpinEdit.setPrefix(tr("no. ", "which weekday of the month"));
        RuleNumberSpinEdit.setAccessibleName(tr("Which weekday of the month"));
        break;
    }
    RuleNumberSpinEdit.setEnabled(kind != HolidayRuleKind::LastWeekday);
    RuleWeekdayComboBox.setEnabled(kind == HolidayRuleKind::NthWeekday || kind == HolidayRuleKind::LastWeekday);
    RuleMonthComboBox.setEnabled(kind != HolidayRuleKind::EasterOffset);
    RuleMoveComboBox.setEnabled(kind == HolidayRuleKind::FixedDate);
}

void HolidayRuleEditor::AddRuleClick()
{
    HolidayRule rule;
    rule.Kind = static_cast<HolidayRuleKind>(RuleKindComboBox.currentIndex());
    rule.Name = RuleNameEdit.text().trimmed().toStdString();
    rule.Month = RuleMonthComboBox.currentIndex() + 1;
    rule.Weekday = RuleWeekdayComboBox.currentIndex();
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        rule.Day = RuleNumberSpinEdit.value();
        rule.Move = static_cast<WeekendMove>(RuleMoveComboBox.currentIndex());
        break;
    case HolidayRuleKind::EasterOffset:
        rule.Offset = RuleNumberSpinEdit.value();
        break;
    case HolidayRuleKind::NthWeekday:
        rule.Nth = RuleNumberSpinEdit.value();
        break;
    case HolidayRuleKind::LastWeekday:
        break;
    }
    rule.Step = static_cast<WeekdayStep>(RuleStepComboBox.currentIndex());
    rule.StepWeekday = RuleStepWeekdayComboBox.currentIndex();
    const auto year = [](const QSpinBox &box) { return box.value() == box.minimum() ? 0 : box.value(); };
    rule.FirstYear = year(RuleFromSpinEdit);
    rule.LastYear = year(RuleUntilSpinEdit);
    rule.EveryYears = RuleEverySpinEdit.value();
    if (rule.Name.empty()) {
        dialogs_.ShowError(tr("Give the rule a name."));
        return;
    }
    if (const auto problem = RuleProblem(rule)) {
        dialogs_.ShowError(RuleProblemText(*problem));
        return;
    }
    if (AddRules({rule}).Count == 0) {
        //: %1 is the rule in words
        Say(tr("\"%1\" is in the list already: not added again.").arg(RuleText(rule)));
        return;
    }
    //: %1 is the rule in words
    Say(tr("Added \"%1\".").arg(RuleText(rule)));
    RuleNameEdit.clear();
}

void HolidayRuleEditor::RemoveRuleClick()
{
    // Every selected rule, from the last up so that the rows before stay where they are.
    std::vector<int> rows;
    for (const QListWidgetItem *item : RuleList.selectedItems()) {
        rows.push_back(RuleList.row(item));
    }
    std::ranges::sort(rows, std::greater<>());
    for (const int row : rows) {
        if (row >= 0 && static_cast<std::size_t>(row) < rules_.size()) {
            rules_.erase(rules_.begin() + row);
        }
    }
    if (!rows.empty()) {
        const auto removed = static_cast<int>(rows.size());
        Say(removed == 1 ? tr("Removed 1 rule.") : tr("Removed %n rules.", nullptr, removed));
        ShowRules();
    }
}

void HolidayRuleEditor::SaveRulesClick()
{
    const std::optional<QString> name = dialogs_.AskSaveFileName(RuleFileFilter(), QString(), QStringLiteral("json"));
    if (name && !SaveHolidayRuleFile(std::filesystem::path(name->toStdU16String()), rules_)) {
        dialogs_.ShowError(SaveErrorText());
    }
}

void HolidayRuleEditor::LoadRulesClick()
{
    const std::optional<QString> name = dialogs_.AskOpenFileName(RuleFileFilter(), QString());
    if (!name) {
        return;
    }
    const HolidayRuleFileResult loaded = LoadHolidayRuleFile(std::filesystem::path(name->toStdU16String()));
    if (!loaded.Loaded) {
        // The rules in the dialog stay as they were.
        //: %1 is the file's name, %2 why it was not loaded
        dialogs_.ShowError(tr("%1 was not loaded.\n%2").arg(QFileInfo(*name).fileName(), loaded.Message));
        return;
    }
    rules_ = loaded.Rules;
    ShowRules();
}

void HolidayRuleEditor::ShowRules()
{
    const QSignalBlocker blocker(RuleList);
    RuleList.clear();
    for (const HolidayRule &rule : rules_) {
        auto *item = new QListWidgetItem(RuleText(rule), &RuleList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(rule.Used ? Qt::Checked : Qt::Unchecked);
        // The whole text, and why the rule is as it is, where the list is too narrow.
        item->setToolTip(rule.Note.empty()
                             ? item->text()
                             //: A rule's tooltip: %1 is the rule in words, %2 its note
                             : tr("%1\n%2", "rule and its note").arg(item->text(), HolidayRuleNoteText(rule)));
    }
    if (changed_) {
        changed_();
    }
}

void HolidayRuleEditor::RuleTicked(QListWidgetItem *item)
{
    const int row = RuleList.row(item);
    if (row >= 0 && static_cast<std::size_t>(row) < rules_.size()) {
        rules_.at(static_cast<std::size_t>(row)).Used = item->checkState() == Qt::Checked;
        if (changed_) {
            changed_();
        }
    }
}

} // namespace korvelt
