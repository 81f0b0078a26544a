#include "app/DaylightSavingPage.h"

#include "text/ControlTexts.h"

#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

namespace korvelt {

namespace {

// The month item a typed text names: an item in any letter case, or the usual English
// spelling of the second item's month (the item itself says "Febuary"); -1 when it names none.
int MonthItemOfText(const QComboBox &box, const QString &text)
{
    const QString typed = text.trimmed();
    if (typed.compare(QStringLiteral("February"), Qt::CaseInsensitive) == 0) {
        return 1;
    }
    return box.findText(typed, Qt::MatchFixedString);
}

} // namespace

DaylightSavingPage::DaylightSavingPage(QWidget *parent)
    : QWidget(parent), group_(tr("Daylight Saving"), this),
      //: Check box; the letter after "&" is pressed with Alt
      enable_(tr("&Enable Daylight Saving"), &group_),
      //: Group of the week in which the clock goes forward
      advance_(tr("Advance Clock"), ControlTexts(WeekItemTexts()), &group_), advanceMonth_(&group_),
      //: Group of the week in which the clock goes back
      retard_(tr("Retard Clock"), ControlTexts(WeekItemTexts()), &group_), retardMonth_(&group_)
{
    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {&group_, "GroupBox1"},           {&enable_, "EnableDaylightSavingCheckBox"},
        {&advance_, "AdvanceRadioGroup"}, {&advanceMonth_, "AdvanceComboBox"},
        {&retard_, "RetardRadioGroup"},   {&retardMonth_, "RetardComboBox"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    // Screen readers name each group and box for what it sets.
    //: Accessible name of the group of the week in which the clock goes forward
    advance_.setAccessibleName(tr("Advance clock"));
    //: Accessible name of the group of the week in which the clock goes back
    retard_.setAccessibleName(tr("Retard clock"));
    //: Accessible name of the box of the month in which the clock goes forward
    advanceMonth_.setAccessibleName(tr("Advance clock month"));
    //: Accessible name of the box of the month in which the clock goes back
    retardMonth_.setAccessibleName(tr("Retard clock month"));

    // The designed places, the week groups wider where the language's items need it and the
    // month boxes moved along.
    const int weeks = std::max({201, advance_.NeededWidth(), retard_.NeededWidth()});
    const int months = std::max(89, advanceMonth_.sizeHint().width());
    group_.setGeometry(48, 32, std::max(321, weeks + months + 31), 305);
    enable_.setGeometry(24, 22, std::max(200, enable_.sizeHint().width()), 20);
    advance_.setGeometry(16, 48, weeks, 105);
    advanceMonth_.setGeometry(weeks + 23, 56, months, 22);
    retard_.setGeometry(16, 176, weeks, 105);
    retardMonth_.setGeometry(weeks + 23, 184, months, 22);

    connect(&enable_, &QCheckBox::toggled, this, [this] { Changed(); });
    for (RadioGroup *group : {&advance_, &retard_}) {
        for (int k = 0; k < group->Count(); ++k) {
            // One step for a new choice, not one for the item let go and one for the item taken.
            connect(group->Item(k), &QRadioButton::toggled, this, [this](bool checked) {
                if (checked) {
                    Changed();
                }
            });
        }
    }
    for (QComboBox *box : {&advanceMonth_, &retardMonth_}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(ControlTexts(MonthItemTexts()));
        box->setMaxVisibleItems(MonthItemCount);
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Changed(); });
        // A month typed counts when the box is left or Enter is pressed.
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box] {
            SettleMonthBox(*box);
            Changed();
        });
    }
}

void DaylightSavingPage::Changed()
{
    if (!showing_) {
        //: Undo step
        emit Edited(tr("Change Daylight Saving"));
    }
}

void DaylightSavingPage::ShowMonth(QComboBox &box, std::int32_t month, QString &shownText)
{
    if (month >= 0 && month < MonthItemCount) {
        box.setCurrentIndex(month);
    } else {
        box.setCurrentIndex(-1);
        box.setEditText(QString());
    }
    shownText = box.currentText();
}

void DaylightSavingPage::SettleMonthBox(QComboBox &box)
{
    const int item = MonthItemOfText(box, box.currentText());
    if (item >= 0) {
        box.setCurrentIndex(item);
    }
    // The box's current item is the month it held last; what names no month gives way to it.
    const QString held = box.currentIndex() >= 0 ? box.itemText(box.currentIndex()) : QString();
    if (box.currentText() != held) {
        box.setEditText(held);
    }
}

void DaylightSavingPage::Show(const ScheduleModel &model)
{
    const QScopedValueRollback showing(showing_, true);
    const DaylightSavingRule &rule = model.DaylightSaving;
    enable_.setChecked(rule.Enabled != 0);
    shownEnabled_ = rule.Enabled != 0;
    advance_.SetItemIndex(rule.AdvanceWeek);
    ShowMonth(advanceMonth_, rule.AdvanceMonth, shownAdvanceMonth_);
    retard_.SetItemIndex(rule.RetardWeek);
    ShowMonth(retardMonth_, rule.RetardMonth, shownRetardMonth_);
}

bool DaylightSavingPage::Store(ScheduleModel &model)
{
    Peek(model);
    // The controls show what the model now holds: a typed month settles in its box.
    const QScopedValueRollback showing(showing_, true);
    SettleMonthBox(advanceMonth_);
    SettleMonthBox(retardMonth_);
    return true;
}

void DaylightSavingPage::Peek(ScheduleModel &model) const
{
    DaylightSavingRule &rule = model.DaylightSaving;
    if (enable_.isChecked() != shownEnabled_) {
        rule.Enabled = enable_.isChecked() ? 1 : 0;
    }
    // A group with no item checked still holds a value it cannot show.
    if (advance_.ItemIndex() >= 0) {
        rule.AdvanceWeek = advance_.ItemIndex();
    }
    if (retard_.ItemIndex() >= 0) {
        rule.RetardWeek = retard_.ItemIndex();
    }
    // A month box's text that names no month counts as the month the box holds.
    const auto month = [](const QComboBox &box, std::int32_t current, const QString &shownText) {
        if (box.currentText() == shownText) {
            return current;
        }
        const int typed = MonthItemOfText(box, box.currentText());
        return typed >= 0 ? typed : (box.currentIndex() >= 0 ? box.currentIndex() : current);
    };
    rule.AdvanceMonth = month(advanceMonth_, rule.AdvanceMonth, shownAdvanceMonth_);
    rule.RetardMonth = month(retardMonth_, rule.RetardMonth, shownRetardMonth_);
}

std::vector<QWidget *> DaylightSavingPage::TabOrder()
{
    std::vector<QWidget *> order{&enable_};
    for (auto [group, month] : {std::pair<RadioGroup *, QComboBox *>{&advance_, &advanceMonth_},
                                std::pair<RadioGroup *, QComboBox *>{&retard_, &retardMonth_}}) {
        for (int k = 0; k < group->Count(); ++k) {
            order.push_back(group->Item(k));
        }
        order.push_back(month);
    }
    return order;
}

} // namespace korvelt
