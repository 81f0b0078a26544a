#include "app/CommandPanel.h"

#include "core/DeviceClock.h"
#include "core/DeviceLimits.h"
#include "text/CellText.h"
#include "text/QtDateTime.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <initializer_list>
#include <utility>

namespace korvelt {

namespace {

const QString UsePCTimeKey = QStringLiteral("UsePCTime");
const QString VerifyKey = QStringLiteral("VerifyAfterWriting");

// The clock pickers show the dates the KORVELT can keep: years as an offset from 2000 in one
// byte.
void SetUpClockDatePicker(QDateEdit &picker)
{
    picker.setDateRange(QDate(FirstDeviceYear, 1, 1), QDate(LastDeviceYear, 12, 31));
    picker.setCalendarPopup(true);
    picker.setDisplayFormat(DefaultCellTextCodec().DateFormat());
}

} // namespace

CommandPanel::CommandPanel(std::function<QDateTime()> now, QWidget *parent)
    : QWidget(parent), LoadButton(QStringLiteral("Load File"), this), SaveButton(QStringLiteral("Save File"), this),
      HelpButton(QStringLiteral("Help"), this), WriteButton(QStringLiteral("Write To KORVELT"), this),
      ReadButton(QStringLiteral("Read From KORVELT"), this), ExitButton(QStringLiteral("Exit"), this), LogMemo(this),
      SetTimeButton(QStringLiteral("Set Time"), this), ReadTimeButton(QStringLiteral("Read Time"), this),
      UsePCTimeCheckBox(QStringLiteral("Use PC Time"), this), SetDateDateTimePicker(this), SetTimeDateTimePicker(this),
      VerifyCheckBox(QStringLiteral("Verify after writing"), this),
      CompareButton(QStringLiteral("Compare with KORVELT"), this), ConnectionLabel(this), StatusLabel(this),
      CheckLabel(this), CancelButton(QStringLiteral("Cancel"), this), ProgressBar(this), FileLabel(this),
      now_(std::move(now))
{
    selectSection_.setSingleShot(true);
    selectSection_.setInterval(0);
    connect(&selectSection_, &QTimer::timeout, this, [this] {
        if (clickedPicker_ != nullptr) {
            clickedPicker_->setSelectedSection(clickedPicker_->currentSection());
        }
    });
    // Verifying is on unless the user turned it off in an earlier run.
    VerifyCheckBox.setChecked(true);
    CancelButton.setEnabled(false);
    ConnectionLabel.setText(QStringLiteral("Not connected"));
    ProgressBar.setRange(0, 1);
    ProgressBar.setValue(0);
    ProgressBar.setTextVisible(false);

    LogMemo.setReadOnly(true);
    LogMemo.setBackgroundRole(QPalette::Button);
    LogMemo.setLineWrapMode(QPlainTextEdit::NoWrap);
    SetUpClockDatePicker(SetDateDateTimePicker);
    SetTimeDateTimePicker.setDisplayFormat(DefaultCellTextCodec().TimeFormat());
    clockTimer_.setInterval(1000);
    connect(&clockTimer_, &QTimer::timeout, this, [this] { FollowPCClock(); });
    connect(&SetDateDateTimePicker, &QDateEdit::dateChanged, this, [this] { ClockPickerChanged(); });
    connect(&SetTimeDateTimePicker, &QTimeEdit::timeChanged, this, [this] { ClockPickerChanged(); });
    // Typing into a clock picker works the same after a click as after Tab: a click selects
    // the part it lands in, so that digits replace it instead of being refused behind a full
    // part, and the first key stops the pickers following the PC clock before the next tick
    // can overwrite a value half typed (eventFilter).
    for (QDateTimeEdit *picker :
         std::initializer_list<QDateTimeEdit *>{&SetDateDateTimePicker, &SetTimeDateTimePicker}) {
        picker->installEventFilter(this);
        if (auto *edit = picker->findChild<QLineEdit *>()) {
            edit->installEventFilter(this);
        }
    }

    // Object names as in the window design, for tools and tests.
    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {this, "Panel1"},
        {&LoadButton, "LoadButton"},
        {&SaveButton, "SaveButton"},
        {&HelpButton, "HelpButton"},
        {&WriteButton, "WriteButton"},
        {&ReadButton, "ReadButton"},
        {&ExitButton, "ExitButton"},
        {&LogMemo, "LogMemo"},
        {&SetTimeButton, "SetTimeButton"},
        {&ReadTimeButton, "ReadTimeButton"},
        {&UsePCTimeCheckBox, "UsePCTimeCheckBox"},
        {&SetDateDateTimePicker, "SetDateDateTimePicker"},
        {&SetTimeDateTimePicker, "SetTimeDateTimePicker"},
        {&VerifyCheckBox, "VerifyCheckBox"},
        {&CompareButton, "CompareButton"},
        {&ConnectionLabel, "ConnectionLabel"},
        {&StatusLabel, "StatusLabel"},
        {&CheckLabel, "CheckLabel"},
        {&CancelButton, "CancelButton"},
        {&ProgressBar, "ProgressBar"},
        {&FileLabel, "FileLabel"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
    LogMemo.setAccessibleName(QStringLiteral("Device log"));
    SetDateDateTimePicker.setAccessibleName(QStringLiteral("Clock date"));
    SetTimeDateTimePicker.setAccessibleName(QStringLiteral("Clock time"));
    ConnectionLabel.setAccessibleName(QStringLiteral("Connection"));
    StatusLabel.setAccessibleName(QStringLiteral("Status"));
    CheckLabel.setAccessibleName(QStringLiteral("Schedule check"));
    CheckLabel.SetHint(QStringLiteral("What the schedule check found; the Week page lists it."));
    ProgressBar.setAccessibleName(QStringLiteral("Progress"));
    FileLabel.setAccessibleName(QStringLiteral("File"));
    PlaceControls();
}

void CommandPanel::PlaceControls()
{
    // Pixels at 96 dots per inch, within the panel.
    LoadButton.setGeometry(16, 20, 113, 25);
    SaveButton.setGeometry(16, 55, 113, 25);
    HelpButton.setGeometry(16, 96, 113, 25);
    WriteButton.setGeometry(152, 20, 113, 25);
    ReadButton.setGeometry(152, 55, 113, 25);
    ExitButton.setGeometry(152, 95, 113, 25);
    VerifyCheckBox.setGeometry(280, 22, 185, 20);
    LogMemo.setGeometry(280, 46, 185, 44);
    CompareButton.setGeometry(280, 95, 185, 25);
    SetTimeButton.setGeometry(536, 20, 113, 25);
    ReadTimeButton.setGeometry(680, 20, 113, 25);
    UsePCTimeCheckBox.setGeometry(552, 66, 113, 20);
    SetDateDateTimePicker.setGeometry(536, 92, 113, 22);
    SetTimeDateTimePicker.setGeometry(680, 92, 113, 22);
    // The status area: the device found, what the last command did or is doing, its progress.
    ConnectionLabel.setGeometry(16, 134, 249, 20);
    StatusLabel.setGeometry(280, 134, 249, 20);
    CheckLabel.setGeometry(536, 134, 137, 20);
    CancelButton.setGeometry(680, 131, 113, 25);
    // The file the schedule was last loaded from or saved to, beside the progress.
    FileLabel.setGeometry(16, 156, 377, 20);
    FileLabel.setTextFormat(Qt::PlainText);
    ProgressBar.setGeometry(400, 160, 393, 12);

    // Alt and the underlined letter press a button; what the captions say stays the same.
    const std::initializer_list<std::pair<QAbstractButton *, const char *>> mnemonics{
        {&LoadButton, "&Load File"},
        {&SaveButton, "&Save File"},
        {&HelpButton, "&Help"},
        {&WriteButton, "&Write To KORVELT"},
        {&ReadButton, "&Read From KORVELT"},
        {&ExitButton, "E&xit"},
        {&SetTimeButton, "Set &Time"},
        {&ReadTimeButton, "Read T&ime"},
        {&UsePCTimeCheckBox, "&Use PC Time"},
        {&VerifyCheckBox, "&Verify after writing"},
        {&CompareButton, "&Compare with KORVELT"},
    };
    for (const auto &[button, caption] : mnemonics) {
        button->setText(QString::fromLatin1(caption));
    }
    LogMemo.setTabChangesFocus(true);
}

std::vector<QWidget *> CommandPanel::TabOrder()
{
    return {&LoadButton,
            &SaveButton,
            &HelpButton,
            &WriteButton,
            &ReadButton,
            &ExitButton,
            &VerifyCheckBox,
            &LogMemo,
            &CompareButton,
            &SetTimeButton,
            &ReadTimeButton,
            &UsePCTimeCheckBox,
            &SetDateDateTimePicker,
            &SetTimeDateTimePicker,
            &CancelButton};
}

void CommandPanel::StartClock()
{
    FollowPCClock();
    // "Use PC Time" starts checked, with both pickers disabled: "Set Time" sends the PC's
    // clock unless the user clears it and chooses a moment.
    UsePCTimeCheckBox.setChecked(true);
    UsePCTimeCheckBoxClick();
    clockTimer_.start();
}

void CommandPanel::UsePCTimeCheckBoxClick()
{
    const bool pickers = !UsePCTimeCheckBox.isChecked();
    SetDateDateTimePicker.setEnabled(pickers);
    SetTimeDateTimePicker.setEnabled(pickers);
    if (pickers) {
        // The pickers start from now and follow the clock until the user changes one.
        pickersFollowClock_ = true;
        FollowPCClock();
    }
}

void CommandPanel::FollowPCClock()
{
    if (!UsePCTimeCheckBox.isChecked() && !pickersFollowClock_) {
        return;
    }
    const QDateTime now = now_();
    followingClock_ = true;
    SetDateDateTimePicker.setDate(now.date());
    SetTimeDateTimePicker.setTime(now.time());
    followingClock_ = false;
}

bool CommandPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool clockPicker = watched == &SetDateDateTimePicker || watched == &SetTimeDateTimePicker;
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QDateTimeEdit *picker :
             std::initializer_list<QDateTimeEdit *>{&SetDateDateTimePicker, &SetTimeDateTimePicker}) {
            auto *edit = picker->findChild<QLineEdit *>();
            if (watched == edit && !edit->hasSelectedText()) {
                clickedPicker_ = picker;
                selectSection_.start();
            }
        }
    }
    if (clockPicker && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool edits = !key->text().isEmpty() || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                           key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        if (edits && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape) {
            pickersFollowClock_ = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CommandPanel::ClockPickerChanged()
{
    if (!followingClock_) {
        pickersFollowClock_ = false;
    }
}

bool CommandPanel::SendsPCTime() const
{
    return UsePCTimeCheckBox.isChecked() || pickersFollowClock_;
}

TDateTime CommandPanel::ClockValueToSend() const
{
    // The pickers are sent only when the user chose a moment in them; while they follow the
    // PC clock, the PC clock is sent to the second.
    if (SendsPCTime()) {
        const QDateTime now = now_();
        return FromQDate(now.date()) + FromQTime(now.time());
    }
    return ClockValueFromPickers(FromQDate(SetDateDateTimePicker.date()), FromQTime(SetTimeDateTimePicker.time()));
}

void CommandPanel::ClearCommandStatus()
{
    StatusLabel.clear();
    ProgressBar.reset();
}

void CommandPanel::BindCommands(MainActions &actions)
{
    for (const auto &[button, action] : {std::pair<QAbstractButton *, QAction *>{&LoadButton, &actions.Load},
                                         {&SaveButton, &actions.Save},
                                         {&WriteButton, &actions.Write},
                                         {&ReadButton, &actions.Read},
                                         {&ExitButton, &actions.Exit},
                                         {&SetTimeButton, &actions.SetTime},
                                         {&ReadTimeButton, &actions.ReadTime},
                                         {&CompareButton, &actions.Compare},
                                         {&CancelButton, &actions.Cancel}}) {
        MainActions::Bind(*button, *action);
    }
}

void CommandPanel::KeepChoicesIn(QSettings *settings)
{
    settings_ = settings;
    if (settings_ == nullptr) {
        return;
    }
    // A settings file that cannot be read is not read: the choices are as on a first run.
    for (const auto &[box, key] :
         {std::pair{&UsePCTimeCheckBox, UsePCTimeKey}, std::pair{&VerifyCheckBox, VerifyKey}}) {
        const QString text = settings_->status() == QSettings::NoError ? settings_->value(key).toString() : QString();
        if (text == QLatin1String("true") || text == QLatin1String("false")) {
            box->setChecked(text == QLatin1String("true"));
        }
    }
    connect(&VerifyCheckBox, &QCheckBox::toggled, this,
            [this](bool checked) { settings_->setValue(VerifyKey, checked); });
}

void CommandPanel::SaveChoices()
{
    if (settings_ != nullptr) {
        settings_->setValue(UsePCTimeKey, UsePCTimeCheckBox.isChecked());
    }
}

} // namespace korvelt
