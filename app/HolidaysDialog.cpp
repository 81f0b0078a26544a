#include "app/HolidaysDialog.h"
#include "app/FormFont.h"

#include "text/CellText.h"
#include "text/DataFile.h"
#include "text/HolidayText.h"
#include "text/HolidayRuleFile.h"
#include "text/QtDateTime.h"
#include "core/SendCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

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

HolidaysDialog::HolidaysDialog(std::vector<HolidayRule> rules, QDate today, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), PeriodGroupBox(tr("Period"), this), YearRadioButton(tr("Calendar year"), &PeriodGroupBox),
      YearSpinEdit(&PeriodGroupBox), NextMonthsRadioButton(tr("The next 12 months from today"), &PeriodGroupBox),
      RulesGroupBox(tr("Rules"), this), PresetComboBox(&RulesGroupBox),
      AddPresetButton(tr("Add Country"), &RulesGroupBox), RuleList(&RulesGroupBox),
      RemoveRuleButton(tr("Remove"), &RulesGroupBox), LoadRulesButton(tr("Load Rules\u2026"), &RulesGroupBox),
      SaveRulesButton(tr("Save Rules\u2026"), &RulesGroupBox), RuleNameLabel(tr("Own rule:"), &RulesGroupBox),
      RuleNameEdit(&RulesGroupBox), RuleKindComboBox(&RulesGroupBox), RuleNumberSpinEdit(&RulesGroupBox),
      RuleWeekdayComboBox(&RulesGroupBox), RuleMonthComboBox(&RulesGroupBox), RuleMoveComboBox(&RulesGroupBox),
      RuleStepComboBox(&RulesGroupBox), RuleStepWeekdayComboBox(&RulesGroupBox), RuleFromSpinEdit(&RulesGroupBox),
      RuleUntilSpinEdit(&RulesGroupBox), RuleEverySpinEdit(&RulesGroupBox),
      AddRuleButton(tr("Add Rule"), &RulesGroupBox), PreviewGroupBox(tr("Holidays"), this),
      PreviewList(&PreviewGroupBox), SummaryLabel(&PreviewGroupBox),
      FewerLabel(tr("With fewer than 16 holidays the other special dates"), &PreviewGroupBox),
      KeepOthersRadioButton(tr("keep their dates"), &PreviewGroupBox),
      RepeatLastRadioButton(tr("repeat the last holiday"), &PreviewGroupBox), StatusLabel(this),
      FillButton(tr("Fill Special Dates"), this), CancelButton(tr("Cancel"), this), rules_(std::move(rules)),
      today_(today), dialogs_(dialogs)
{
    setWindowTitle(tr("Holidays", "window title"));
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
        //: Column headings of the holidays: the date, its weekday, the holiday's name, the special date's number
        {tr("Date"), tr("Day", "weekday column"), tr("Holiday"), tr("No.", "special date number column")});
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
        {&YearSpinEdit, "YearSpinEdit", tr("Year")},
        {&NextMonthsRadioButton, "NextMonthsRadioButton", NextMonthsRadioButton.text()},
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
        {&PreviewList, "PreviewList", tr("Holidays of the period")},
        {&SummaryLabel, "SummaryLabel", QString()},
        {&FewerLabel, "FewerLabel", QString()},
        {&KeepOthersRadioButton, "KeepOthersRadioButton", tr("Other special dates keep their dates")},
        {&RepeatLastRadioButton, "RepeatLastRadioButton", tr("Other special dates repeat the last holiday")},
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
    const QString name = HolidayPresetNameText(*preset);
    if (added == count) {
        //: %n is how many rules (always several), %1 the country or region
        StatusLabel.setText(tr("Added the %n rules of %1.", nullptr, count).arg(name));
    } else if (added == 0) {
        //: %n is how many rules (always several), %1 the country or region
        StatusLabel.setText(
            tr("The %n rules of %1 are in the list already: none added again.", nullptr, count).arg(name));
    } else {
        // One text for each of the four ways English says it, so that each language can count both numbers.
        const int had = count - added;
        QString text;
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
        StatusLabel.setText(text);
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
        dialogs_.ShowError(tr("Give the rule a name."));
        return;
    }
    if (const auto problem = RuleProblem(rule)) {
        dialogs_.ShowError(RuleProblemText(*problem));
        return;
    }
    if (AddRules({rule}) == 0) {
        //: %1 is the rule in words
        StatusLabel.setText(tr("\"%1\" is in the list already: not added again.").arg(RuleText(rule)));
        return;
    }
    //: %1 is the rule in words
    StatusLabel.setText(tr("Added \"%1\".").arg(RuleText(rule)));
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
        const auto removed = static_cast<int>(rows.size());
        StatusLabel.setText(removed == 1 ? tr("Removed 1 rule.") : tr("Removed %n rules.", nullptr, removed));
        ShowRules();
    }
}

void HolidaysDialog::SaveRulesClick()
{
    const std::optional<QString> name = dialogs_.AskSaveFileName(RuleFileFilter(), QString(), QStringLiteral("json"));
    if (name && !SaveHolidayRuleFile(std::filesystem::path(name->toStdU16String()), rules_)) {
        dialogs_.ShowError(SaveErrorText());
    }
}

void HolidaysDialog::LoadRulesClick()
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
                             //: A rule's tooltip: %1 is the rule in words, %2 its note
                             : tr("%1\n%2", "rule and its note").arg(item->text(), HolidayRuleNoteText(rule)));
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
        auto *item = new QTreeWidgetItem(
            &PreviewList, {codec.DateText(holiday.Date), locale().dayName(date.dayOfWeek(), QLocale::ShortFormat),
                           HolidayNamesText(holiday), used ? QString::number(k + 1) : tr("left out", "holiday")});
        item->setToolTip(2, item->text(2));
        if (!used) {
            for (int c = 0; c < item->columnCount(); ++c) {
                item->setForeground(c, palette().brush(QPalette::PlaceholderText));
            }
            //: A holiday left out: %1 is its date, %2 its name
            leftOut << tr("%1 %2", "date and holiday").arg(item->text(0), item->text(2));
        }
    }
    for (int c = 0; c < PreviewList.columnCount(); ++c) {
        if (c != 2) {
            PreviewList.resizeColumnToContents(c);
        }
    }
    const auto count = static_cast<int>(holidays_.size());
    const QString separator = tr(", ", "list of holidays");
    QString summary;
    if (count == 0) {
        summary = tr("No holidays in this period: the special dates stay as they are.");
    } else if (count > SpecialDateCount) {
        // The first few by name, so that the text stays inside its box; the list marks them all.
        constexpr qsizetype named = 3;
        QString names = leftOut.mid(0, named).join(separator);
        if (leftOut.size() > named) {
            //: %1 names the first holidays left out; %n how many more were left out
            names =
                tr("%1 and %n more, marked in the list", nullptr, static_cast<int>(leftOut.size() - named)).arg(names);
        }
        //: %n is how many holidays there are (more than 16), %1 those left out
        summary =
            tr("%n holidays: the KORVELT holds 16, the first 16 are used. Left out: %1.", nullptr, count).arg(names);
    } else if (count == 1) {
        summary = tr("1 holidays fill special dates 1 to 1.");
    } else {
        //: %n is how many holidays there are (2 to 16)
        summary = tr("%n holidays fill special dates 1 to %n.", nullptr, count);
    }
    SummaryLabel.setText(summary);
    //: %1 lists the holidays left out
    SummaryLabel.setToolTip(leftOut.size() > 3 ? tr("Left out: %1").arg(leftOut.join(separator)) : QString());
    FillButton.setEnabled(count > 0);
    for (QWidget *fewer :
         std::initializer_list<QWidget *>{&FewerLabel, &KeepOthersRadioButton, &RepeatLastRadioButton}) {
        fewer->setEnabled(count > 0 && count < SpecialDateCount);
    }
}

} // namespace korvelt
