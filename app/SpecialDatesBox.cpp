#include "app/SpecialDatesBox.h"

#include "app/Guarded.h"
#include "app/HolidaysDialog.h"
#include "core/DeviceLimits.h"
#include "core/SendCheck.h"
#include "text/CellText.h"
#include "text/QtDateTime.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <algorithm>

namespace korvelt {

namespace {

// The device keeps years as an offset from 2000 in one byte.
const QDate FirstDeviceDate(FirstDeviceYear, 1, 1);
const QDate LastDeviceDate(LastDeviceYear, 12, 31);
// A picker that holds a date it cannot show shows "(not set)": its date is then this day
// before the first it can show.
const QDate NotSetDate = FirstDeviceDate.addDays(-1);

} // namespace

SpecialDatesBox::SpecialDatesBox(std::function<QDate()> today, UserDialogs &dialogs, QWidget *parent)
    : QGroupBox(tr("Special Dates"), parent), today_(std::move(today)), dialogs_(dialogs), holidays_(this)
{
    setObjectName(QStringLiteral("GroupBox2"));
    // The weekday beside a date in the past, the longest of the week, in the language shown.
    for (int day = 1; day <= 7; ++day) {
        const QString past = QCoreApplication::translate("korvelt::SpecialDateEdit", "%1, past")
                                 .arg(locale().dayName(day, QLocale::ShortFormat));
        extra_ = std::max(extra_, fontMetrics().horizontalAdvance(past) + 4 - 64);
    }
    for (std::size_t k = 0; k < pickers_.size(); ++k) {
        const int index = static_cast<int>(k);
        auto picker = std::make_unique<SpecialDateEdit>(index + 1, today_, this);
        picker->setObjectName(QStringLiteral("SpecialDateDateTimePicker%1").arg(index + 1));
        //: %1 is the special date's number, 1 to 16
        picker->setAccessibleName(tr("Special date %1").arg(index + 1));
        picker->setDateRange(FirstDeviceDate, LastDeviceDate);
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(DefaultCellTextCodec().DateFormat());
        connect(picker.get(), &QDateEdit::dateChanged, this, [this, index] { Picked(index); });
        // Shown once the picker has let go of the focus it may be losing; until then every
        // command that stores the dates stops, whenever the box comes.
        connect(picker.get(), &SpecialDateEdit::Refused, this, [this] { ++refusalsPending_; });
        connect(
            picker.get(), &SpecialDateEdit::Refused, this,
            [this](const QString &message) {
                --refusalsPending_;
                dialogs_.ShowError(message);
            },
            Qt::QueuedConnection);
        // Two columns of eight, each picker with its number before it and its weekday after it.
        picker->PlaceRow(index < 8 ? 4 : 196 + extra_, 28 + 32 * (index % 8), 20, 96, 64 + extra_, 21);
        pickers_.at(k) = std::move(picker);
    }
    //: Button that opens the Holidays dialog; keep it short
    holidays_.setText(tr("Holidays…"));
    holidays_.setObjectName(QStringLiteral("HolidaysButton"));
    holidays_.setAccessibleName(tr("Holidays"));
    holidays_.setToolTip(tr("Fill the special dates with the holidays of a year"));
    holidays_.setGeometry(28, 286, 113, 25);
    connect(&holidays_, &QPushButton::clicked, this, [this] { Guarded(dialogs_, [this] { HolidaysButtonClick(); }); });
}

void SpecialDatesBox::Show(const ScheduleModel &model)
{
    const QScopedValueRollback showing(showing_, true);
    for (std::size_t k = 0; k < pickers_.size(); ++k) {
        QDateEdit &picker = *pickers_.at(k);
        const TDateTime date = model.SpecialDates.at(k);
        if (IsSendableDate(date)) {
            picker.setMinimumDate(FirstDeviceDate);
            picker.setSpecialValueText(QString());
            picker.setDate(ToQDate(date));
        } else {
            picker.setMinimumDate(NotSetDate);
            //: A special date's picker that holds no date
            picker.setSpecialValueText(tr("(not set)"));
            picker.setDate(NotSetDate);
        }
        shown_.at(k) = picker.date();
    }
}

bool SpecialDatesBox::Store(ScheduleModel &model)
{
    bool dates = true;
    for (const auto &picker : pickers_) {
        dates = picker->CommitTyping() && dates;
    }
    Peek(model);
    for (std::size_t k = 0; k < pickers_.size(); ++k) {
        shown_.at(k) = pickers_.at(k)->date();
    }
    return dates && refusalsPending_ == 0;
}

void SpecialDatesBox::Peek(ScheduleModel &model) const
{
    // A picker still showing what the model gave it keeps the model's value.
    for (std::size_t k = 0; k < pickers_.size(); ++k) {
        const QDate date = pickers_.at(k)->date();
        if (date != shown_.at(k)) {
            model.SpecialDates.at(k) = FromQDate(date);
        }
    }
}

void SpecialDatesBox::Picked(int index)
{
    QDateEdit &picker = *pickers_.at(static_cast<std::size_t>(index));
    // Once a real date is picked, "(not set)" can no longer be chosen.
    if (picker.date() != NotSetDate && picker.minimumDate() == NotSetDate) {
        picker.setSpecialValueText(QString());
        picker.setMinimumDate(FirstDeviceDate);
    }
    // The picker may tell the same date twice (a step, then Enter): one edit.
    const bool changed = picker.date() != current_.at(static_cast<std::size_t>(index));
    current_.at(static_cast<std::size_t>(index)) = picker.date();
    if (!showing_ && changed) {
        //: Undo step; %1 is the special date's number, 1 to 16
        emit Edited(tr("Change special date %1").arg(index + 1));
    }
}

void SpecialDatesBox::HolidaysButtonClick()
{
    // Window-modal and not waited for, so that the window stays responsive to its session.
    auto *dialog = new HolidaysDialog(rules_, today_(), dialogs_, this);
    dialog->setObjectName(QStringLiteral("HolidaysDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        rules_ = dialog->Rules();
        if (result == QDialog::Accepted) {
            Guarded(dialogs_, [this, dialog] { FillSpecialDates(dialog->Holidays(), dialog->Fewer()); });
        }
    });
    dialog->open();
}

void SpecialDatesBox::FillSpecialDates(const std::vector<Holiday> &holidays, FewerHolidays fewer)
{
    // A picker showing "(not set)" that gets no holiday keeps its value.
    ScheduleModel filled;
    for (std::size_t k = 0; k < pickers_.size(); ++k) {
        filled.SpecialDates.at(k) = FromQDate(pickers_.at(k)->date());
    }
    const ScheduleModel before = filled;
    ApplyHolidays(filled, holidays, fewer);
    {
        const QScopedValueRollback filling(showing_, true);
        for (std::size_t k = 0; k < pickers_.size(); ++k) {
            if (filled.SpecialDates.at(k) != before.SpecialDates.at(k)) {
                pickers_.at(k)->setDate(ToQDate(filled.SpecialDates.at(k)));
            }
        }
    }
    //: Undo step
    emit Edited(tr("Fill Special Dates"));
}

} // namespace korvelt
