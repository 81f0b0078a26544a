#include "app/HolidaysDialog.h"
#include "app/FormFont.h"

#include "text/CellText.h"
#include "text/HolidayRuleFile.h"
#include "text/QtDateTime.h"
#include "core/SendCheck.h"

#include <QFileInfo>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include <initializer_list>
#include <tuple>

namespace korvelt {

namespace {

const QString RuleFileFilter = QStringLiteral("Holiday Rules (*.json);;All Files (*.*)");

// The program's texts are English; the dates in the preview follow the user's locale.
QString MonthName(int month)
{
    return QLocale(QLocale::English).monthName(month);
}

QString WeekdayName(int weekday) // 0 Sunday .. 6 Saturday
{
    return QLocale(QLocale::English).dayName(weekday == 0 ? 7 : weekday);
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Ordinal(int n)
{
    static const QStringList ordinals{"1st", "2nd", "3rd", "4th"};
    return n >= 1 && n <= 4 ? ordinals.at(n - 1) : QString::number(n);
}

} // namespace

QString RuleText(const HolidayRule &rule)
{
    QString when;
    switch (rule.Kind) {
    case HolidayRuleKind::FixedDate:
        when = QStringLiteral("%1 %2").arg(rule.Day).arg(MonthName(rule.Month));
        switch (rule.Move) {
        case WeekendMove::None:
            break;
        case WeekendMove::Monday:
            when += QStringLiteral(", on a weekend the next Monday");
            break;
        case WeekendMove::NearestWeekday:
            when += QStringLiteral(", on a Saturday the Friday before, on a Sunday the Monday after");
            break;
        case WeekendMove::SundayToSaturday:
            when += QStringLiteral(", on a Sunday the Saturday before");
            break;
        case WeekendMove::SundayToMonday:
            when += QStringLiteral(", on a Sunday the next Monday");
            break;
        }
        break;
    case HolidayRuleKind::EasterOffset:
        when = rule.Offset == 0
                   ? QStringLiteral("Easter Sunday")
                   : QStringLiteral("Easter Sunday %1%2 days").arg(rule.Offset > 0 ? "+" : "").arg(rule.Offset);
        break;
    case HolidayRuleKind::NthWeekday:
        when = QStringLiteral("%1 %2 of %3").arg(Ordinal(rule.Nth), WeekdayName(rule.Weekday), MonthName(rule.Month));
        break;
    case HolidayRuleKind::LastWeekday:
        when = QStringLiteral("last %1 of %2").arg(WeekdayName(rule.Weekday), MonthName(rule.Month));
        break;
    }
    if (rule.Step != WeekdayStep::None) {
        static const QStringList steps{QString(), QStringLiteral("before"), QStringLiteral("after"),
                                       QStringLiteral("on or before"), QStringLiteral("on or after")};
        when = QStringLiteral("the %1 %2 %3")
                   .arg(WeekdayName(rule.StepWeekday), steps.at(static_cast<int>(rule.Step)), when);
    }
    if (rule.FirstYear != 0 && rule.FirstYear == rule.LastYear) {
        when += QStringLiteral(", in %1 only").arg(rule.FirstYear);
    } else {
        if (rule.EveryYears > 1) {
            when += QStringLiteral(", every %1 years from %2").arg(rule.EveryYears).arg(rule.FirstYear);
        } else if (rule.FirstYear != 0) {
            when += QStringLiteral(", from %1").arg(rule.FirstYear);
        }
        if (rule.LastYear != 0) {
            when += QStringLiteral(", until %1").arg(rule.LastYear);
        }
    }
    QStringList changes;
    constexpr std::size_t shownChanges = 3;
    for (std::size_t k = 0; k < std::min(rule.Changes.size(), shownChanges); ++k) {
        const YearChange &change = rule.Changes.at(k);
        changes << (change.Month == 0
                        ? QStringLiteral("none in %1").arg(change.Year)
                        : QStringLiteral("%1 %2 %3").arg(change.Day).arg(MonthName(change.Month)).arg(change.Year));
    }
    if (rule.Changes.size() > shownChanges) {
        changes << QStringLiteral("%1 more").arg(rule.Changes.size() - shownChanges);
    }
    if (!changes.isEmpty()) {
        when += QStringLiteral(" (once: %1)").arg(changes.join(QStringLiteral(", ")));
    }
    return QStringLiteral("%1: %2").arg(QString::fromStdString(rule.Name), when);
}

HolidaysDialog::HolidaysDialog(std::vector<HolidayRule> rules, QDate today, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), PeriodGroupBox(QStringLiteral("Period"), this),
      YearRadioButton(QStringLiteral("Calendar year"), &PeriodGroupBox), YearSpinEdit(&PeriodGroupBox),
      NextMonthsRadioButton(QStringLiteral("The next 12 months from today"), &PeriodGroupBox),
      RulesGroupBox(QStringLiteral("Rules"), this), PresetComboBox(&RulesGroupBox),
      AddPresetButton(QStringLiteral("Add Country"), &RulesGroupBox), RuleList(&RulesGroupBox),
      RemoveRuleButton(QStringLiteral("Remove"), &RulesGroupBox),
      LoadRulesButton(QStringLiteral("Load Rules\u2026"), &RulesGroupBox),
      SaveRulesButton(QStringLiteral("Save Rules\u2026"), &RulesGroupBox),
      RuleNameLabel(QStringLiteral("Own rule:"), &RulesGroupBox), RuleNameEdit(&RulesGroupBox),
      RuleKindComboBox(&RulesGroupBox), RuleNumberSpinEdit(&RulesGroupBox), RuleWeekdayComboBox(&RulesGroupBox),
      RuleMonthComboBox(&RulesGroupBox), RuleMoveComboBox(&RulesGroupBox), RuleStepComboBox(&RulesGroupBox),
      RuleStepWeekdayComboBox(&RulesGroupBox), RuleFromSpinEdit(&RulesGroupBox), RuleUntilSpinEdit(&RulesGroupBox),
      RuleEverySpinEdit(&RulesGroupBox), AddRuleButton(QStringLiteral("Add Rule"), &RulesGroupBox),
      PreviewGroupBox(QStringLiteral("Holidays"), this), PreviewList(&PreviewGroupBox), SummaryLabel(&PreviewGroupBox),
      FewerLabel(QStringLiteral("With fewer than 16 holidays the other special dates"), &PreviewGroupBox),
      KeepOthersRadioButton(QStringLiteral("keep their dates"), &PreviewGroupBox),
      RepeatLastRadioButton(QStringLiteral("repeat the last holiday"), &PreviewGroupBox), StatusLabel(this),
      FillButton(QStringLiteral("Fill Special Dates"), this), CancelButton(QStringLiteral("Cancel"), this),
      rules_(std::move(rules)), today_(today), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Holidays"));
    setFont(FormFont());

    // The period: by default the year of today, or the next year from October on, when the
    // holidays of this year are mostly past.
    YearSpinEdit.setRange(FirstSendableYear, LastSendableYear);
    YearSpinEdit.setValue(
        std::clamp(today.year() + (today.month() >= 10 ? 1 : 0), FirstSendableYear, LastSendableYear));
    YearRadioButton.setChecked(true);
    auto *period = new QHBoxLayout(&PeriodGroupBox);
    period->addWidget(&YearRadioButton);
    period->addWidget(&YearSpinEdit);
    period->addSpacing(12);
    period->addWidget(&NextMonthsRadioButton);
    period->addStretch();

    for (const HolidayPreset &preset : HolidayPresets()) {
        const QString code = FromView(preset.Code);
        PresetComboBox.addItem(QStringLiteral("%1 (%2)").arg(FromView(preset.Name), code), code);
    }
    // The locale's country first: de_DE Germany (nationwide), en_GB England and Wales.
    const QString country = QLocale::territoryToCode(locale().territory()).toLower();
    const int local = PresetComboBox.findData(country == QLatin1String("gb") ? QStringLiteral("gb-eaw") : country);
    PresetComboBox.setCurrentIndex(std::max(local, 0));
    RuleKindComboBox.addItems({QStringLiteral("Fixed date"), QStringLiteral("Days from Easter Sunday"),
                               QStringLiteral("Weekday of a month"), QStringLiteral("Last weekday of a month")});
    for (int d = 0; d < DaysPerWeek; ++d) {
        RuleWeekdayComboBox.addItem(WeekdayName(d));
    }
    RuleWeekdayComboBox.setCurrentIndex(1);
    for (int m = 1; m <= 12; ++m) {
        RuleMonthComboBox.addItem(MonthName(m));
    }
    RuleMoveComboBox.addItems({QStringLiteral("Stays on a weekend"), QStringLiteral("On a weekend, the next Monday"),
                               QStringLiteral("Saturday to Friday, Sunday to Monday"),
                               QStringLiteral("Sunday to the Saturday before"),
                               QStringLiteral("Sunday to the next Monday")});
    RuleStepComboBox.addItems({QStringLiteral("On that date"), QStringLiteral("The weekday before it"),
                               QStringLiteral("The weekday after it"), QStringLiteral("The weekday on or before it"),
                               QStringLiteral("The weekday on or after it")});
    for (int d = 0; d < DaysPerWeek; ++d) {
        RuleStepWeekdayComboBox.addItem(WeekdayName(d));
    }
    RuleStepWeekdayComboBox.setCurrentIndex(1);
    for (QSpinBox *year : {&RuleFromSpinEdit, &RuleUntilSpinEdit}) {
        year->setRange(FirstSendableYear - 1, LastSendableYear);
        year->setSpecialValueText(QStringLiteral("any year"));
        year->setValue(year->minimum());
    }
    RuleFromSpinEdit.setPrefix(QStringLiteral("from "));
    RuleUntilSpinEdit.setPrefix(QStringLiteral("until "));
    RuleEverySpinEdit.setRange(1, 100);
    RuleEverySpinEdit.setPrefix(QStringLiteral("every "));
    RuleEverySpinEdit.setSuffix(QStringLiteral(" years"));
    RuleEverySpinEdit.setSpecialValueText(QStringLiteral("every year"));
    RuleNameEdit.setPlaceholderText(QStringLiteral("Name"));
    RuleNameLabel.setBuddy(&RuleNameEdit);
    RuleKindChanged();
    auto *rulesLayout = new QGridLayout(&RulesGroupBox);
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

    PreviewList.setColumnCount(4);
    PreviewList.setHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Day"), QStringLiteral("Holiday"), QStringLiteral("No.")});
    PreviewList.setRootIsDecorated(false);
    PreviewList.header()->setStretchLastSection(false);
    PreviewList.header()->setSectionResizeMode(2, QHeaderView::Stretch);
    // A long "Left out" wraps inside its box instead of widening the dialog.
    SummaryLabel.setWordWrap(true);
    SummaryLabel.setTextFormat(Qt::PlainText); // names from a rule file are no markup
    SummaryLabel.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SummaryLabel.setMinimumHeight(SummaryLabel.fontMetrics().lineSpacing() * 5);
    StatusLabel.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusLabel.setMinimumHeight(StatusLabel.fontMetrics().lineSpacing() * 2);
    StatusLabel.setTextFormat(Qt::PlainText);
    KeepOthersRadioButton.setChecked(true);
    auto *preview = new QVBoxLayout(&PreviewGroupBox);
    preview->addWidget(&PreviewList);
    preview->addWidget(&SummaryLabel);
    preview->addWidget(&FewerLabel);
    preview->addWidget(&KeepOthersRadioButton);
    preview->addWidget(&RepeatLastRadioButton);

    // No default button: Enter in the name box adds the rule, it does not fill the dates.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
    }
    auto *buttons = new QHBoxLayout;
    StatusLabel.setWordWrap(true);
    buttons->addWidget(&StatusLabel, 1);
    buttons->addWidget(&FillButton);
    buttons->addWidget(&CancelButton);
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(&PeriodGroupBox);
    left->addWidget(&RulesGroupBox, 1);
    columns->addLayout(left, 1);
    columns->addWidget(&PreviewGroupBox, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    const std::initializer_list<std::tuple<QWidget *, const char *, QString>> names{
        {&YearRadioButton, "YearRadioButton", YearRadioButton.text()},
        {&YearSpinEdit, "YearSpinEdit", QStringLiteral("Year")},
        {&NextMonthsRadioButton, "NextMonthsRadioButton", NextMonthsRadioButton.text()},
        {&PresetComboBox, "PresetComboBox", QStringLiteral("Country")},
        {&AddPresetButton, "AddPresetButton", AddPresetButton.text()},
        {&RuleList, "RuleList", QStringLiteral("Rules")},
        {&RemoveRuleButton, "RemoveRuleButton", QStringLiteral("Remove rule")},
        {&LoadRulesButton, "LoadRulesButton", QStringLiteral("Load rules")},
        {&SaveRulesButton, "SaveRulesButton", QStringLiteral("Save rules")},
        {&RuleNameEdit, "RuleNameEdit", QStringLiteral("Own rule's name")},
        {&RuleKindComboBox, "RuleKindComboBox", QStringLiteral("Own rule's kind")},
        {&RuleNumberSpinEdit, "RuleNumberSpinEdit", QStringLiteral("Own rule's day")},
        {&RuleWeekdayComboBox, "RuleWeekdayComboBox", QStringLiteral("Own rule's weekday")},
        {&RuleMonthComboBox, "RuleMonthComboBox", QStringLiteral("Own rule's month")},
        {&RuleMoveComboBox, "RuleMoveComboBox", QStringLiteral("Own rule on a weekend")},
        {&RuleStepComboBox, "RuleStepComboBox", QStringLiteral("Own rule on the date or a weekday before or after")},
        {&RuleStepWeekdayComboBox, "RuleStepWeekdayComboBox", QStringLiteral("Weekday before or after")},
        {&RuleFromSpinEdit, "RuleFromSpinEdit", QStringLiteral("Own rule's first year")},
        {&RuleUntilSpinEdit, "RuleUntilSpinEdit", QStringLiteral("Own rule's last year")},
        {&RuleEverySpinEdit, "RuleEverySpinEdit", QStringLiteral("Own rule every how many years")},
        {&AddRuleButton, "AddRuleButton", AddRuleButton.text()},
        {&PreviewList, "PreviewList", QStringLiteral("Holidays of the period")},
        {&SummaryLabel, "SummaryLabel", QString()},
        {&FewerLabel, "FewerLabel", QString()},
        {&KeepOthersRadioButton, "KeepOthersRadioButton", QStringLiteral("Other special dates keep their dates")},
        {&RepeatLastRadioButton, "RepeatLastRadioButton",
         QStringLiteral("Other special dates repeat the last holiday")},
        {&StatusLabel, "StatusLabel", QString()},
        {&FillButton, "FillButton", FillButton.text()},
        {&CancelButton, "CancelButton", CancelButton.text()},
    };
    for (const auto &[widget, name, accessible] : names) {
        widget->setObjectName(QString::fromLatin1(name));
        if (!accessible.isEmpty()) {
            widget->setAccessibleName(accessible);
        }
    }

    connect(&YearRadioButton, &QRadioButton::toggled, this, [this] { UpdatePreview(); });
    connect(&YearSpinEdit, &QSpinBox::valueChanged, this, [this] {
        YearRadioButton.setChecked(true);
        UpdatePreview();
    });
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
    connect(&FillButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(&CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    ShowRules();
    // Fits a screen of 800 by 600 with the window frame.
    resize(780, 500);
}

FewerHolidays HolidaysDialog::Fewer() const
{
    return RepeatLastRadioButton.isChecked() ? FewerHolidays::RepeatLast : FewerHolidays::KeepOthers;
}

std::pair<QDate, QDate> HolidaysDialog::Period() const
{
    if (NextMonthsRadioButton.isChecked()) {
        return {today_, today_.addMonths(12).addDays(-1)};
    }
    return {QDate(YearSpinEdit.value(), 1, 1), QDate(YearSpinEdit.value(), 12, 31)};
}

int HolidaysDialog::AddRules(const std::vector<HolidayRule> &rules)
{
    int added = 0;
    for (const HolidayRule &rule : rules) {
        if (std::ranges::none_of(rules_, [&rule](const HolidayRule &had) { return SameRule(had, rule); })) {
            rules_.push_back(rule);
            ++added;
        }
    }
    if (added > 0) {
        ShowRules();
    }
    return added;
}

void HolidaysDialog::AddPresetClick()
{
    const HolidayPreset *preset = FindHolidayPreset(PresetComboBox.currentData().toString().toStdString());
    if (preset == nullptr) {
        return;
    }
    const auto count = static_cast<int>(preset->Rules.size());
    const int added = AddRules(preset->Rules);
    const QString name = FromView(preset->Name);
    if (added == count) {
        StatusLabel.setText(QStringLiteral("Added the %1 rules of %2.").arg(count).arg(name));
    } else if (added == 0) {
        StatusLabel.setText(
            QStringLiteral("The %1 rules of %2 are in the list already: none added again.").arg(count).arg(name));
    } else {
        const int had = count - added;
        StatusLabel.setText(QStringLiteral("Added %1 rule%2 of %3; %4 %5 in the list already.")
                                .arg(added)
                                .arg(added == 1 ? "" : "s")
                                .arg(name)
                                .arg(had)
                                .arg(had == 1 ? "is" : "are"));
    }
}

void HolidaysDialog::RuleKindChanged()
{
    const auto kind = static_cast<HolidayRuleKind>(RuleKindComboBox.currentIndex());
    const QSignalBlocker blocker(RuleNumberSpinEdit);
    switch (kind) {
    case HolidayRuleKind::FixedDate:
        RuleNumberSpinEdit.setRange(1, 31);
        RuleNumberSpinEdit.setPrefix(QString());
        RuleNumberSpinEdit.setAccessibleName(QStringLiteral("Own rule's day"));
        break;
    case HolidayRuleKind::EasterOffset:
        RuleNumberSpinEdit.setRange(-MaxEasterOffset, MaxEasterOffset);
        RuleNumberSpinEdit.setPrefix(QStringLiteral("days "));
        RuleNumberSpinEdit.setAccessibleName(QStringLiteral("Days from Easter Sunday"));
        break;
    case HolidayRuleKind::NthWeekday:
    case HolidayRuleKind::LastWeekday:
        RuleNumberSpinEdit.setRange(1, 4);
        RuleNumberSpinEdit.setPrefix(QStringLiteral("no. "));
        RuleNumberSpinEdit.setAccessibleName(QStringLiteral("Which weekday of the month"));
        break;
    }
    RuleNumberSpinEdit.setEnabled(kind != HolidayRuleKind::LastWeekday);
    RuleWeekdayComboBox.setEnabled(kind == HolidayRuleKind::NthWeekday || kind == HolidayRuleKind::LastWeekday);
    RuleMonthComboBox.setEnabled(kind != HolidayRuleKind::EasterOffset);
    RuleMoveComboBox.setEnabled(kind == HolidayRuleKind::FixedDate);
}

void HolidaysDialog::AddRuleClick()
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
        dialogs_.ShowError(QStringLiteral("Give the rule a name."));
        return;
    }
    if (const auto problem = RuleProblem(rule)) {
        dialogs_.ShowError(QString::fromStdString(*problem));
        return;
    }
    if (AddRules({rule}) == 0) {
        StatusLabel.setText(QStringLiteral("\"%1\" is in the list already: not added again.").arg(RuleText(rule)));
        return;
    }
    StatusLabel.setText(QStringLiteral("Added \"%1\".").arg(RuleText(rule)));
    RuleNameEdit.clear();
}

void HolidaysDialog::RemoveRuleClick()
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
        StatusLabel.setText(rows.size() == 1 ? QStringLiteral("Removed 1 rule.")
                                             : QStringLiteral("Removed %1 rules.").arg(rows.size()));
        ShowRules();
    }
}

void HolidaysDialog::SaveRulesClick()
{
    const std::optional<QString> name = dialogs_.AskSaveFileName(RuleFileFilter, QString(), QStringLiteral("json"));
    if (name && !SaveHolidayRuleFile(std::filesystem::path(name->toStdU16String()), rules_)) {
        dialogs_.ShowError(QStringLiteral("Error Saving File."));
    }
}

void HolidaysDialog::LoadRulesClick()
{
    const std::optional<QString> name = dialogs_.AskOpenFileName(RuleFileFilter, QString());
    if (!name) {
        return;
    }
    const HolidayRuleFileResult loaded = LoadHolidayRuleFile(std::filesystem::path(name->toStdU16String()));
    if (!loaded.Loaded) {
        // The rules in the dialog stay as they were.
        dialogs_.ShowError(QStringLiteral("%1 was not loaded.\n%2").arg(QFileInfo(*name).fileName(), loaded.Message));
        return;
    }
    rules_ = loaded.Rules;
    ShowRules();
}

void HolidaysDialog::ShowRules()
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
                             : QStringLiteral("%1\n%2").arg(item->text(), QString::fromStdString(rule.Note)));
    }
    UpdatePreview();
}

void HolidaysDialog::RuleTicked(QListWidgetItem *item)
{
    const int row = RuleList.row(item);
    if (row >= 0 && static_cast<std::size_t>(row) < rules_.size()) {
        rules_.at(static_cast<std::size_t>(row)).Used = item->checkState() == Qt::Checked;
        UpdatePreview();
    }
}

void HolidaysDialog::UpdatePreview()
{
    const auto [first, last] = Period();
    holidays_ = GenerateHolidays(rules_, FromQDate(first), FromQDate(last));
    PreviewList.clear();
    QStringList leftOut;
    const CellTextCodec codec(locale()); // dates as the pickers show them, with four-digit years
    for (std::size_t k = 0; k < holidays_.size(); ++k) {
        const Holiday &holiday = holidays_.at(k);
        const QDate date = ToQDate(holiday.Date);
        const bool used = k < static_cast<std::size_t>(SpecialDateCount);
        auto *item = new QTreeWidgetItem(&PreviewList, {codec.DateText(holiday.Date),
                                                        locale().dayName(date.dayOfWeek(), QLocale::ShortFormat),
                                                        QString::fromStdString(holiday.Name),
                                                        used ? QString::number(k + 1) : QStringLiteral("left out")});
        item->setToolTip(2, item->text(2));
        if (!used) {
            for (int c = 0; c < item->columnCount(); ++c) {
                item->setForeground(c, palette().brush(QPalette::PlaceholderText));
            }
            leftOut << QStringLiteral("%1 %2").arg(item->text(0), item->text(2));
        }
    }
    for (int c = 0; c < PreviewList.columnCount(); ++c) {
        if (c != 2) {
            PreviewList.resizeColumnToContents(c);
        }
    }
    const auto count = static_cast<int>(holidays_.size());
    QString summary;
    if (count == 0) {
        summary = QStringLiteral("No holidays in this period: the special dates stay as they are.");
    } else if (count > SpecialDateCount) {
        // The first few by name, so that the text stays inside its box; the list marks them all.
        constexpr qsizetype named = 3;
        QString names = leftOut.mid(0, named).join(QStringLiteral(", "));
        if (leftOut.size() > named) {
            names += QStringLiteral(" and %1 more, marked in the list").arg(leftOut.size() - named);
        }
        summary = QStringLiteral("%1 holidays: the KORVELT holds 16, the first 16 are used. Left out: %2.")
                      .arg(count)
                      .arg(names);
    } else {
        summary = QStringLiteral("%1 holidays fill special dates 1 to %1.").arg(count);
    }
    SummaryLabel.setText(summary);
    SummaryLabel.setToolTip(leftOut.size() > 3 ? QStringLiteral("Left out: %1").arg(leftOut.join(QStringLiteral(", ")))
                                               : QString());
    FillButton.setEnabled(count > 0);
    for (QWidget *fewer :
         std::initializer_list<QWidget *>{&FewerLabel, &KeepOthersRadioButton, &RepeatLastRadioButton}) {
        fewer->setEnabled(count > 0 && count < SpecialDateCount);
    }
}

} // namespace korvelt
