#include "app/CommandPanel.h"

#include "core/DeviceClock.h"
#include "core/DeviceLimits.h"
#include "text/CellText.h"
#include "text/QtDateTime.h"

#include <QKeyEvent>
#include <QTextDocument>
#include <QLineEdit>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace korvelt {

namespace {

const QString UsePCTimeKey = QStringLiteral("UsePCTime");
const QString VerifyKey = QStringLiteral("VerifyAfterWriting");

// The status area's lowest pixel row, within the panel.
constexpr int StatusAreaBottom = 178;

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
    : QWidget(parent), LoadButton(this), SaveButton(this), HelpButton(this), WriteButton(this), ReadButton(this),
      ExitButton(this), LogMemo(this), SetTimeButton(this), ReadTimeButton(this), UsePCTimeCheckBox(this),
      SetDateDateTimePicker(this), SetTimeDateTimePicker(this), VerifyCheckBox(this), CompareButton(this),
      ConnectionLabel(this), StatusLabel(this), CheckLabel(this), CancelButton(this), ProgressBar(this),
      FileLabel(this), now_(std::move(now)), clockTimer_(this)
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
    //: Status area: no KORVELT has answered yet
    ConnectionLabel.setText(tr("Not connected"));
    ProgressBar.setRange(0, 1);
    ProgressBar.setValue(0);
    ProgressBar.setTextVisible(false);

    LogMemo.setReadOnly(true);
    LogMemo.setBackgroundRole(QPalette::Button);
    LogMemo.setLineWrapMode(QPlainTextEdit::NoWrap);
    SetUpClockDatePicker(SetDateDateTimePicker);
    SetTimeDateTimePicker.setDisplayFormat(DefaultCellTextCodec().TimeFormat());
    // Its ticks move the pickers along; tests find it by this name and tick it themselves.
    clockTimer_.setObjectName(QStringLiteral("ClockTicks"));
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
    LogMemo.setAccessibleName(tr("Device log"));
    SetDateDateTimePicker.setAccessibleName(tr("Clock date"));
    SetTimeDateTimePicker.setAccessibleName(tr("Clock time"));
    ConnectionLabel.setAccessibleName(tr("Connection"));
    StatusLabel.setAccessibleName(tr("Status"));
    CheckLabel.setAccessibleName(tr("Schedule check"));
    //: Tooltip of the schedule check's count in the status area
    CheckLabel.SetHint(tr("What the schedule check found; the Week page lists it."));
    ProgressBar.setAccessibleName(tr("Progress"));
    FileLabel.setAccessibleName(tr("File"));
    SetCaptions();
    PlaceControls();
}

int CommandPanel::PlaceControls(const QStringList &checkTexts, const QStringList &logLines)
{
    // Pixels at 96 dots per inch, within the panel: five columns of the designed widths, at
    // least the designed gaps apart, each as wide as its widest caption needs.
    const auto needs = [](std::initializer_list<std::pair<const QWidget *, int>> widgets, int designed) {
        int width = designed;
        for (const auto &[widget, inset] : widgets) {
            width = std::max(width, widget->sizeHint().width() + inset);
        }
        return width;
    };
    const int widthA = needs({{&LoadButton, 0}, {&SaveButton, 0}, {&HelpButton, 0}}, 113);
    const int widthB = needs({{&WriteButton, 0}, {&ReadButton, 0}, {&ExitButton, 0}}, 113);
    int widthC = needs({{&VerifyCheckBox, 0}, {&CompareButton, 0}}, 185);
    // The device log shows its lines without a scroll bar across.
    const int logInset = 2 * (LogMemo.frameWidth() + static_cast<int>(LogMemo.document()->documentMargin())) + 4;
    for (const QString &line : logLines) {
        widthC = std::max(widthC, LogMemo.fontMetrics().horizontalAdvance(line) + logInset);
    }
    const int widthD = needs({{&SetTimeButton, 0}, {&UsePCTimeCheckBox, 16}}, 113);
    const int widthE = needs({{&ReadTimeButton, 0}, {&CancelButton, 0}}, 113);
    const int xA = 16;
    const int xB = std::max(152, xA + widthA + 16);
    const int xC = std::max(280, xB + widthB + 15);
    const int xD = std::max(536, xC + widthC + 16);
    int checkWidth = 0;
    for (const QString &text : checkTexts) {
        checkWidth =
            std::max(checkWidth, CheckLabel.fontMetrics().horizontalAdvance(text) + 2 * CheckLabel.margin() + 4);
    }
    const int xE = std::max({680, xD + widthD + 16, xD + checkWidth + 7});
    const int shiftE = xE - 680;

    LoadButton.setGeometry(xA, 20, widthA, 25);
    SaveButton.setGeometry(xA, 55, widthA, 25);
    HelpButton.setGeometry(xA, 96, widthA, 25);
    WriteButton.setGeometry(xB, 20, widthB, 25);
    ReadButton.setGeometry(xB, 55, widthB, 25);
    ExitButton.setGeometry(xB, 95, widthB, 25);
    VerifyCheckBox.setGeometry(xC, 22, widthC, 20);
    LogMemo.setGeometry(xC, 46, widthC, 44);
    CompareButton.setGeometry(xC, 95, widthC, 25);
    SetTimeButton.setGeometry(xD, 20, widthD, 25);
    ReadTimeButton.setGeometry(xE, 20, widthE, 25);
    UsePCTimeCheckBox.setGeometry(xD + 16, 66, widthD - 16, 20);
    SetDateDateTimePicker.setGeometry(xD, 92, widthD, 22);
    SetTimeDateTimePicker.setGeometry(xE, 92, widthE, 22);
    // The status area: the device found, what the last command did or is doing, its progress.
    ConnectionLabel.setGeometry(xA, 134, xB + widthB - xA, 20);
    CheckLabel.setGeometry(xD, 134, xE - 7 - xD, 20);
    CancelButton.setGeometry(xE, 131, widthE, 25);
    statusPlaces_ = {xA, xC, xD, 400 + shiftE, xE + widthE};
    PlaceStatusLines(StatusLabel.text());
    return xE + widthE + 19;
}

void CommandPanel::PlaceStatusLines(const QString &status)
{
    // The status on the first line of the status area; a status longer than its place (a write
    // stopped half-way, with what the KORVELT now holds) wraps onto the second line, where the
    // file's name and the progress (none once a command has ended) make room for it.
    const auto &[file, left, check, progress, right] = statusPlaces_;
    const int width = check - 7 - left;
    const int lineSpacing = StatusLabel.fontMetrics().lineSpacing();
    const bool wraps = StatusLabel.LinesAt(status, width) > 1;
    StatusLabel.setWordWrap(wraps);
    StatusLabel.setAlignment(Qt::AlignLeft | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
    const int top = wraps ? 134 + (20 - lineSpacing) / 2 : 134;
    StatusLabel.setGeometry(left, top, width, wraps ? StatusAreaBottom - top : 20);
    // The file the schedule was last loaded from or saved to, beside the progress.
    FileLabel.setGeometry(file, 156, (wraps ? left : progress) - 7 - file, 20);
    const int progressLeft = wraps ? check : progress;
    ProgressBar.setGeometry(progressLeft, 160, right - progressLeft, 12);
}

void CommandPanel::SetCaptions()
{
    FileLabel.setTextFormat(Qt::PlainText);
    // Alt and the underlined letter press a button or box: each caption has its letter after
    // "&". The command buttons take theirs from their actions (BindCommands).
    //: Check box: "Set Time" sends the computer's clock
    UsePCTimeCheckBox.setText(tr("&Use PC Time"));
    //: Check box: a write is read back and compared
    VerifyCheckBox.setText(tr("&Verify after writing"));
    //: Button; keep it short
    CompareButton.setText(tr("&Compare with KORVELT"));
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

void CommandPanel::ShowStatus(const QString &text)
{
    // Placed first, so that the label knows at once whether the text fits.
    PlaceStatusLines(text);
    StatusLabel.setText(text);
}

void CommandPanel::ClearCommandStatus()
{
    ShowStatus(QString());
    ProgressBar.reset();
}

void CommandPanel::ShowProgress(int step, int total)
{
    ProgressBar.setRange(0, total);
    ProgressBar.setValue(step);
}

void CommandPanel::ShowFile(const QString &text, const QString &yielding, const QString &hint)
{
    FileLabel.SetText(text, yielding);
    FileLabel.SetHint(hint);
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
    // The Help button opens its menu; its caption is the Help command's.
    HelpButton.setText(MainActions::ButtonCaption(actions.Help));
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
