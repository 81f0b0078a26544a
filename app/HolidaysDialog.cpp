#include "app/HolidaysDialog.h"
#include "app/FormFont.h"

#include "text/QtDateTime.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace korvelt {

HolidaysDialog::HolidaysDialog(std::vector<HolidayRule> rules, QDate today, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), PeriodGroupBox(tr("Period"), this), YearRadioButton(tr("Calendar year"), &PeriodGroupBox),
      YearSpinEdit(&PeriodGroupBox), NextMonthsRadioButton(tr("The next 12 months from today"), &PeriodGroupBox),
      RuleEditor(std::move(rules), dialogs, this), Preview(this), StatusLabel(this),
      FillButton(tr("Fill Special Dates"), this), CancelButton(tr("Cancel"), this), today_(today)
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

    StatusLabel.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusLabel.setMinimumHeight(StatusLabel.fontMetrics().lineSpacing() * 2);
    StatusLabel.setTextFormat(Qt::PlainText);
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
    left->addWidget(&RuleEditor, 1);
    columns->addLayout(left, 1);
    columns->addWidget(&Preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    const std::initializer_list<std::tuple<QWidget *, const char *, QString>> names{
        {&YearRadioButton, "YearRadioButton", YearRadioButton.text()},
        {&YearSpinEdit, "YearSpinEdit", tr("Year")},
        {&NextMonthsRadioButton, "NextMonthsRadioButton", NextMonthsRadioButton.text()},
        {&RuleEditor, "RulesGroupBox", QString()},
        {&Preview, "PreviewGroupBox", QString()},
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
    RuleEditor.Listen([this] { UpdatePreview(); }, [this](const QString &text) { StatusLabel.setText(text); });
    connect(&FillButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(&CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    UpdatePreview();
    // Fits a screen of 800 by 600 with the window frame.
    resize(780, 500);
}

std::pair<QDate, QDate> HolidaysDialog::Period() const
{
    if (NextMonthsRadioButton.isChecked()) {
        return {today_, today_.addMonths(12).addDays(-1)};
    }
    return {QDate(YearSpinEdit.value(), 1, 1), QDate(YearSpinEdit.value(), 12, 31)};
}

void HolidaysDialog::UpdatePreview()
{
    const auto [first, last] = Period();
    holidays_ = GenerateHolidays(RuleEditor.Rules(), FromQDate(first), FromQDate(last));
    Preview.Show(holidays_);
    FillButton.setEnabled(!holidays_.empty());
}

} // namespace korvelt
