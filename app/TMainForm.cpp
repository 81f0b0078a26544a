#include "app/TMainForm.h"

#include "text/CellText.h"
#include "text/ControlTexts.h"
#include "text/DataFile.h"
#include "editor/GridSlots.h"
#include "text/QtDateTime.h"
#include "app/Guarded.h"
#include "core/ScheduleDifference.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QScopedValueRollback>
#include <QFileInfo>
#include <QLineEdit>
#include <QDateTime>

#include <filesystem>
#include <exception>
#include <stdexcept>
#include <string>

namespace korvelt {

namespace {

const QString DataFileFilter = QStringLiteral("Data Files (*.dat);;All Files (*.*)");
const QString DataChangedQuestion = QStringLiteral("Data has changed\nSave now?");

// The device keeps years as an offset from 2000 in one byte.
const QDate FirstDeviceDate(2000, 1, 1);
const QDate LastDeviceDate(2255, 12, 31);

std::filesystem::path FilePath(const QString &name)
{
    return {name.toStdU16String()};
}

void SetUpDatePicker(QDateEdit &picker)
{
    picker.setDateRange(FirstDeviceDate, LastDeviceDate);
    picker.setCalendarPopup(true);
    picker.setDisplayFormat(DefaultCellTextCodec().DateFormat());
}

// The window takes every service it is given and picks none of its own.
template <typename Service> Service Required(Service service, const char *what)
{
    if (!service) {
        throw std::invalid_argument(std::string("The main window was given no ") + what + '.');
    }
    return service;
}

} // namespace

TMainForm::TMainForm(MainFormServices services, QWidget *parent)
    : QWidget(parent), dialogs_(Required(std::move(services.Dialogs), "dialogs")),
      now_(Required(std::move(services.Now), "clock")), AdvPageControl1(this),
      TimesAdvTabSheet(clipboard_, *dialogs_), SpecialTimesAdvTabSheet1(clipboard_, *dialogs_, [this] { return now_().date(); }),
      Panel1(this), LoadButton(QStringLiteral("Load File"), &Panel1), SaveButton(QStringLiteral("Save File"), &Panel1),
      HelpButton(QStringLiteral("Help"), &Panel1), WriteButton(QStringLiteral("Write To KORVELT"), &Panel1),
      ReadButton(QStringLiteral("Read From KORVELT"), &Panel1), ExitButton(QStringLiteral("Exit"), &Panel1),
      LogMemo(&Panel1), SetTimeButton(QStringLiteral("Set Time"), &Panel1),
      ReadTimeButton(QStringLiteral("Read Time"), &Panel1), UsePCTimeCheckBox(QStringLiteral("Use PC Time"), &Panel1),
      SetDateDateTimePicker(&Panel1), SetTimeDateTimePicker(&Panel1),
      VerifyCheckBox(QStringLiteral("Verify after writing"), &Panel1),
      CompareButton(QStringLiteral("Compare with KORVELT"), &Panel1), ConnectionLabel(&Panel1), StatusLabel(&Panel1),
      CancelButton(QStringLiteral("Cancel"), &Panel1), ProgressBar(&Panel1), FileLabel(&Panel1),
      UndoAction(QStringLiteral("Undo"), this), RedoAction(QStringLiteral("Redo"), this),
      settings_(std::move(services.Settings)), help_(Required(std::move(services.Help), "help viewer")),
      helpFilePath_(std::move(services.HelpFile)), backend_(Required(std::move(services.Backend), "HID backend")),
      session_(*backend_)
{
    CreateControls();
    CreateWeekPage();
    CreatePrintControls();
    PlaceControls();
    SetAccessibleNames();
    FormCreate();
    ConnectHandlers();
    ConnectDocument();
    session_.SetReplyTimeout(services.ReplyTimeoutMs);
    ConnectDeviceSession();
    ConnectDesktop();
}

TMainForm::~TMainForm()
{
    session_.Close();
}

void TMainForm::CreateControls()
{
    setObjectName(QStringLiteral("MainForm"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    AdvPageControl1.addTab(&TimesAdvTabSheet, QStringLiteral("Times"));
    AdvPageControl1.addTab(&SpecialTimesAdvTabSheet1, QStringLiteral("Special Times"));
    AdvPageControl1.addTab(&DaylightSavingAdvTabSheet, QStringLiteral("Daylight Saving"));

    // Verifying is on unless the user turned it off in an earlier run (RestoreSettings).
    VerifyCheckBox.setChecked(true);
    CancelButton.setEnabled(false);
    ConnectionLabel.setText(QStringLiteral("Not connected"));
    ProgressBar.setRange(0, 1);
    ProgressBar.setValue(0);
    ProgressBar.setTextVisible(false);

    LogMemo.setReadOnly(true);
    LogMemo.setBackgroundRole(QPalette::Button);
    LogMemo.setLineWrapMode(QPlainTextEdit::NoWrap);
    SetUpDatePicker(SetDateDateTimePicker);
    SetTimeDateTimePicker.setDisplayFormat(DefaultCellTextCodec().TimeFormat());
    clockTimer_.setInterval(1000);
    connect(&clockTimer_, &QTimer::timeout, this, [this] { FollowPCClock(); });
    connect(&SetDateDateTimePicker, &QDateEdit::dateChanged, this, [this] { ClockPickerChanged(); });
    connect(&SetTimeDateTimePicker, &QTimeEdit::timeChanged, this, [this] { ClockPickerChanged(); });
    // Typing into a clock picker works the same after a click as after Tab: a click selects
    // the part it lands in, so that digits replace it instead of being refused behind a full
    // part, and the first key stops the pickers following the PC clock before the next tick
    // can overwrite a value half typed (eventFilter).
    for (QDateTimeEdit *picker : std::initializer_list<QDateTimeEdit *>{&SetDateDateTimePicker, &SetTimeDateTimePicker}) {
        picker->installEventFilter(this);
        if (auto *edit = picker->findChild<QLineEdit *>()) {
            edit->installEventFilter(this);
        }
    }

    // Object names as in the window design, for tools and tests.
    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {&AdvPageControl1, "AdvPageControl1"},
        {&Panel1, "Panel1"},
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
        {&CancelButton, "CancelButton"},
        {&ProgressBar, "ProgressBar"},
        {&FileLabel, "FileLabel"},
        {&UndoAction, "UndoAction"},
        {&RedoAction, "RedoAction"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
}

void TMainForm::SetAccessibleNames()
{
    LogMemo.setAccessibleName(QStringLiteral("Device log"));
    SetDateDateTimePicker.setAccessibleName(QStringLiteral("Clock date"));
    SetTimeDateTimePicker.setAccessibleName(QStringLiteral("Clock time"));
    AdvPageControl1.setAccessibleName(QStringLiteral("Pages"));
    ConnectionLabel.setAccessibleName(QStringLiteral("Connection"));
    StatusLabel.setAccessibleName(QStringLiteral("Status"));
    ProgressBar.setAccessibleName(QStringLiteral("Progress"));
}

void TMainForm::ConnectHandlers()
{
    Bind(&ExitButton, &QPushButton::clicked, &TMainForm::ExitButtonClick);
    Bind(&UsePCTimeCheckBox, &QCheckBox::toggled, &TMainForm::UsePCTimeCheckBoxClick);
    connect(&SaveButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveScheduleFile(); }); });
    Bind(&LoadButton, &QPushButton::clicked, &TMainForm::LoadButtonClick);
    Bind(&HelpButton, &QPushButton::clicked, &TMainForm::HelpButtonClick);
    Bind(&WriteButton, &QPushButton::clicked, &TMainForm::WriteButtonClick);
    Bind(&ReadButton, &QPushButton::clicked, &TMainForm::ReadButtonClick);
    Bind(&CompareButton, &QPushButton::clicked, &TMainForm::CompareButtonClick);
    Bind(&CancelButton, &QPushButton::clicked, &TMainForm::CancelButtonClick);
    Bind(&VerifyCheckBox, &QCheckBox::toggled, &TMainForm::VerifyCheckBoxClick);
    Bind(&SetTimeButton, &QPushButton::clicked, &TMainForm::SetTimeButtonClick);
    Bind(&ReadTimeButton, &QPushButton::clicked, &TMainForm::ReadTimeButtonClick);
}

void TMainForm::Guarded(const std::function<void()> &handler)
{
    korvelt::Guarded(*dialogs_, handler);
}

void TMainForm::FormCreate()
{
    setWindowTitle(QStringLiteral("KORVELT Time Control") + QStringLiteral(" Vesion: ") + QStringLiteral("1.00"));
    // A fresh start: the defaults, unchanged, shown with output 1 in both grids.
    ScheduleModel defaults;
    defaults.SetDefaultSchedule();
    document_.Reset(defaults, QString());
    ShowAllControls();
    FollowPCClock();
    AdvPageControl1.setCurrentWidget(&TimesAdvTabSheet);
    // "Use PC Time" starts checked, with both pickers disabled: "Set Time" sends the PC's
    // clock unless the user clears it and chooses a moment.
    UsePCTimeCheckBox.setChecked(true);
    UsePCTimeCheckBoxClick();
    clockTimer_.start();
    InitHelp();
}

void TMainForm::InitHelp()
{
    helpFilePath_ = QFileInfo(helpFilePath_).absoluteFilePath();
    if (!QFileInfo::exists(helpFilePath_) || !help_->Load(helpFilePath_)) {
        HelpButton.hide();
        return;
    }
    help_->Initialise();
}

void TMainForm::HelpButtonClick()
{
    help_->DisplayDefaultTopic(helpFilePath_);
}

void TMainForm::CloseHelp()
{
    // isHidden, not isVisible: the window may not have been shown yet.
    if (HelpButton.isHidden()) {
        return;
    }
    help_->CloseAll();
    help_->ShutDown();
}

void TMainForm::TakeSnapshot()
{
    document_.TakeSnapshot();
}

bool TMainForm::ScheduleChanged() const
{
    return document_.Changed();
}

ScheduleModel TMainForm::ScheduleFromControls() const
{
    // Nothing is changed on the way: the grids' shown outputs, the dates picked, the rule as
    // chosen. A control still showing what the model gave it keeps the model's value.
    ScheduleModel shown = document_.Model();
    TimesAdvTabSheet.Peek(shown);
    SpecialTimesAdvTabSheet1.Peek(shown);
    DaylightSavingAdvTabSheet.Peek(shown);
    return shown;
}

bool TMainForm::StoreAllControls()
{
    // An edit still open is committed first, as Enter would commit it; it is recorded as its
    // own step on the way.
    ScheduleModel stored = document_.Model();
    const bool normal = TimesAdvTabSheet.Store(stored);
    const bool special = SpecialTimesAdvTabSheet1.Store(stored);
    DaylightSavingAdvTabSheet.Store(stored);
    document_.Record(stored, QStringLiteral("Edit"));
    return normal && special;
}

void TMainForm::ShowAllControls()
{
    TimesAdvTabSheet.Show(document_.Model());
    SpecialTimesAdvTabSheet1.Show(document_.Model());
    DaylightSavingAdvTabSheet.Show(document_.Model());
    ScheduleWeekRefresh();
}

void TMainForm::ReplaceModel(const ScheduleModel &model)
{
    document_.Replace(model, QStringLiteral("Replace the schedule"));
}

void TMainForm::RecordEdit(const QString &step)
{
    document_.Record(ScheduleFromControls(), step);
    ScheduleWeekRefresh();
}

void TMainForm::ExitButtonClick()
{
    close();
}

void TMainForm::UsePCTimeCheckBoxClick()
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

void TMainForm::FollowPCClock()
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

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    const bool clockPicker = watched == &SetDateDateTimePicker || watched == &SetTimeDateTimePicker;
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QDateTimeEdit *picker : std::initializer_list<QDateTimeEdit *>{&SetDateDateTimePicker, &SetTimeDateTimePicker}) {
            auto *edit = picker->findChild<QLineEdit *>();
            if (watched == edit && !edit->hasSelectedText()) {
                QTimer::singleShot(0, picker, [picker] { picker->setSelectedSection(picker->currentSection()); });
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

void TMainForm::ClockPickerChanged()
{
    if (!followingClock_) {
        pickersFollowClock_ = false;
    }
}

bool TMainForm::SendsPCTime() const
{
    return UsePCTimeCheckBox.isChecked() || pickersFollowClock_;
}

bool TMainForm::SaveScheduleFile()
{
    if (!StoreAllControls()) {
        return false;
    }
    // The dialog opens on the file the schedule belongs to, if any, ready to be saved again.
    const QString current = document_.FileName();
    const auto chosen = dialogs_->AskSaveFileName(
        DataFileFilter, current.isEmpty() ? DialogFolder() : current, QStringLiteral("dat"));
    if (!chosen) {
        return false;
    }
    const QString name = WithSuffix(*chosen, QStringLiteral("dat"));
    if (!SaveDataFile(FilePath(name), document_.Model())) {
        dialogs_->ShowError(QString::fromUtf8(SaveErrorMessage.data(), SaveErrorMessage.size()));
        return false;
    }
    FileChosen(name);
    document_.Saved(QFileInfo(name).absoluteFilePath());
    return true;
}

void TMainForm::LoadButtonClick()
{
    if (MayReplaceSchedule()) {
        LoadScheduleFile();
    }
}

void TMainForm::LoadScheduleFile()
{
    const auto name = dialogs_->AskOpenFileName(DataFileFilter, DialogFolder());
    if (name) {
        LoadFile(*name);
    }
}

bool TMainForm::LoadFile(const QString &fileName)
{
    // The whole file is read and checked before the model changes.
    const DataFileResult result = LoadDataFile(FilePath(fileName));
    if (result.Outcome != DataFileOutcome::Loaded) {
        const std::string_view message = DataFileMessage(result.Outcome);
        // The box names the file: one named on the command line was never seen in a dialog.
        dialogs_->ShowError(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
                            QDir::toNativeSeparators(fileName));
        return false;
    }
    // A loaded file starts a new history.
    FileChosen(fileName);
    document_.Reset(result.Model, QFileInfo(fileName).absoluteFilePath());
    return true;
}

bool TMainForm::FormCloseQuery()
{
    return MayStopCommandToClose() && MayReplaceSchedule();
}

bool TMainForm::MayStopCommandToClose()
{
    if (!session_.Busy()) {
        return true;
    }
    // Writing: the KORVELT is left half-written when it stops. Checking what was written, or
    // any other command, changes nothing on the KORVELT when it stops.
    if (session_.Command() == SessionCommand::Write && !session_.Verifying() &&
        !dialogs_->AskYesNo(QStringLiteral("A write to the KORVELT is under way. If you stop it now, the KORVELT "
                                           "holds part of the old and part of the new schedule. Stop and close?"))) {
        return false;
    }
    session_.Cancel(); // the command may have ended while the question was open
    return true;
}

bool TMainForm::MayReplaceSchedule()
{
    if (!StoreAllControls()) {
        return false;
    }
    if (!ScheduleChanged()) {
        return true;
    }
    switch (dialogs_->AskYesNoCancel(DataChangedQuestion)) {
    case UserDialogs::Answer::Cancel:
        return false;
    case UserDialogs::Answer::Yes:
        // Unsaved changes are dropped only after an explicit No; a cancelled or failed save
        // keeps them.
        return SaveScheduleFile();
    case UserDialogs::Answer::No:
        return true;
    }
    return false;
}

void TMainForm::FormClose()
{
    SaveSettings();
    CloseHelp();
    // The reader thread is stopped and the device closed; a report still on its way is
    // dropped.
    session_.Close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    bool canClose = false;
    Guarded([&] { canClose = FormCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    Guarded([this] { FormClose(); });
    event->accept();
}

void TMainForm::ConnectDocument()
{
    // Every edit of a page is one step; a replaced schedule (undo, redo, a load, a read) is
    // shown again whole.
    for (SlotGridPage *page : std::initializer_list<SlotGridPage *>{&TimesAdvTabSheet, &SpecialTimesAdvTabSheet1}) {
        connect(page, &SlotGridPage::Edited, this,
                [this](const QString &step) { Guarded([&] { RecordEdit(step); }); });
        // "Copy output N to…": one step that replaces other outputs' slots, shown at once.
        const TimesTable table = page == &TimesAdvTabSheet ? TimesTable::Normal : TimesTable::Special;
        connect(page, &SlotGridPage::OutputCopyChosen, this,
                [this, table](int from, const std::vector<int> &to, const QString &step) {
                    ScheduleModel copied = ScheduleFromControls();
                    CopyOutputTimes(copied, table, from, to);
                    document_.Replace(copied, step);
                });
    }
    connect(&DaylightSavingAdvTabSheet, &DaylightSavingPage::Edited, this,
            [this](const QString &step) { Guarded([&] { RecordEdit(step); }); });
    connect(&document_, &ScheduleDocument::Replaced, this, [this] { ShowAllControls(); });
    connect(&document_, &ScheduleDocument::ModifiedChanged, this, [this] { UpdateFileStatus(); });
    connect(&document_, &ScheduleDocument::FileNameChanged, this, [this] { UpdateFileStatus(); });

    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, anywhere in the window; a text being typed keeps
    // its own.
    UndoAction.setShortcuts(QKeySequence::Undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(keys)) {
            redoKeys << keys;
        }
    }
    RedoAction.setShortcuts(redoKeys);
    QUndoStack &history = document_.UndoStack();
    for (auto [action, undo] : {std::pair{&UndoAction, true}, std::pair{&RedoAction, false}}) {
        action->setEnabled(false);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, undo] { Guarded([&] { UndoOrRedo(undo); }); });
    }
    const auto named = [](QAction &action, const QString &verb, const QString &step) {
        action.setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
    };
    connect(&history, &QUndoStack::canUndoChanged, &UndoAction, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, &RedoAction, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this,
            [this, named](const QString &step) { named(UndoAction, QStringLiteral("Undo"), step); });
    connect(&history, &QUndoStack::redoTextChanged, this,
            [this, named](const QString &step) { named(RedoAction, QStringLiteral("Redo"), step); });
    // The grids' menus offer them first, with what they would undo or redo.
    for (QMenu *menu : {findChild<QMenu *>(QStringLiteral("NormalTimesPopupMenu")),
                        findChild<QMenu *>(QStringLiteral("SpecialPopupMenu"))}) {
        QAction *first = menu->actions().value(0);
        menu->insertAction(first, &UndoAction);
        menu->insertAction(first, &RedoAction);
        menu->insertSeparator(first);
    }
}

void TMainForm::UndoOrRedo(bool undo)
{
    // What is being typed or picked counts as an edit of its own before the one undone.
    StoreAllControls();
    QUndoStack &history = document_.UndoStack();
    if (undo ? !history.canUndo() : !history.canRedo()) {
        return;
    }
    const ScheduleModel before = document_.Model();
    if (undo) {
        history.undo();
    } else {
        history.redo();
    }
    GoToDifference(before, document_.Model());
}

void TMainForm::GoToDifference(const ScheduleModel &before, const ScheduleModel &after)
{
    const std::vector<ScheduleDifference> differences = CompareSchedules(before, after);
    if (differences.empty()) {
        return;
    }
    using Part = ScheduleDifference::Part;
    const ScheduleDifference &first = differences.front();
    switch (first.Where) {
    case Part::NormalSlot:
    case Part::SpecialSlot:
        GoToSlot(first.Output, first.Index, first.Where == Part::SpecialSlot);
        break;
    case Part::SpecialDate:
        AdvPageControl1.setCurrentWidget(&SpecialTimesAdvTabSheet1);
        SpecialTimesAdvTabSheet1.SpecialDates().Picker(first.Index).setFocus();
        break;
    case Part::DaylightSaving:
        AdvPageControl1.setCurrentWidget(&DaylightSavingAdvTabSheet);
        break;
    }
}

} // namespace korvelt
