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

std::filesystem::path FilePath(const QString &name)
{
    return {name.toStdU16String()};
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
      now_(Required(std::move(services.Now), "clock")), AdvPageControl1(this), TimesAdvTabSheet(clipboard_, *dialogs_),
      SpecialTimesAdvTabSheet1(clipboard_, *dialogs_, [this] { return now_().date(); }),
      Panel1([this] { return now_(); }, this), settings_(std::move(services.Settings)),
      help_(Required(std::move(services.Help), "help viewer")), helpFilePath_(std::move(services.HelpFile)),
      backend_(Required(std::move(services.Backend), "HID backend")), session_(*backend_), actions_(*this),
      presenter_(
          session_, Panel1, *dialogs_, [this] { return now_(); }, DeviceHooks(), this)
{
    CreateControls();
    ConnectWeekPage();
    PlaceControls();
    SetAccessibleNames();
    FormCreate();
    ConnectHandlers();
    session_.SetReplyTimeout(services.ReplyTimeoutMs);
    ConnectCommands();
    ConnectDocument();
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

    // The pages and the panel name their own controls.
    AdvPageControl1.setObjectName(QStringLiteral("AdvPageControl1"));
}

void TMainForm::SetAccessibleNames()
{
    AdvPageControl1.setAccessibleName(QStringLiteral("Pages"));
}

void TMainForm::ConnectHandlers()
{
    Bind(&Panel1.UsePCTimeCheckBox, &QCheckBox::toggled, &TMainForm::UsePCTimeCheckBoxClick);
    Bind(&Panel1.VerifyCheckBox, &QCheckBox::toggled, &TMainForm::VerifyCheckBoxClick);
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
    Panel1.StartClock();
    AdvPageControl1.setCurrentWidget(&TimesAdvTabSheet);
    InitHelp();
}

void TMainForm::InitHelp()
{
    helpFilePath_ = QFileInfo(helpFilePath_).absoluteFilePath();
    if (!QFileInfo::exists(helpFilePath_) || !help_->Load(helpFilePath_)) {
        Panel1.HelpButton.hide();
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
    if (Panel1.HelpButton.isHidden()) {
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
    Panel1.UsePCTimeCheckBoxClick();
}

bool TMainForm::SaveScheduleFile(bool asNew)
{
    if (!StoreAllControls()) {
        return false;
    }
    // Save opens on the file the schedule belongs to, if any, ready to be saved again; Save As
    // asks for a new name in the folder.
    const QString current = document_.FileName();
    const auto chosen = dialogs_->AskSaveFileName(DataFileFilter, current.isEmpty() || asNew ? DialogFolder() : current,
                                                  QStringLiteral("dat"));
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
        connect(page, &SlotGridPage::Edited, this, [this](const QString &step) { Guarded([&] { RecordEdit(step); }); });
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
    QUndoStack &history = document_.UndoStack();
    connect(&actions_.Undo, &QAction::triggered, this, [this] { Guarded([this] { UndoOrRedo(true); }); });
    connect(&actions_.Redo, &QAction::triggered, this, [this] { Guarded([this] { UndoOrRedo(false); }); });
    const auto named = [](QAction &action, const QString &verb, const QString &step) {
        action.setText(step.isEmpty() ? verb : verb + QLatin1Char(' ') + step);
    };
    connect(&history, &QUndoStack::canUndoChanged, &actions_.Undo, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, &actions_.Redo, &QAction::setEnabled);
    connect(&history, &QUndoStack::undoTextChanged, this,
            [this, named](const QString &step) { named(actions_.Undo, QStringLiteral("Undo"), step); });
    connect(&history, &QUndoStack::redoTextChanged, this,
            [this, named](const QString &step) { named(actions_.Redo, QStringLiteral("Redo"), step); });
    // The grids' menus offer them first, with what they would undo or redo.
    for (QMenu *menu : {findChild<QMenu *>(QStringLiteral("NormalTimesPopupMenu")),
                        findChild<QMenu *>(QStringLiteral("SpecialPopupMenu"))}) {
        QAction *first = menu->actions().value(0);
        menu->insertAction(first, &actions_.Undo);
        menu->insertAction(first, &actions_.Redo);
        menu->insertSeparator(first);
    }
}

void TMainForm::UndoOrRedo(bool undo)
{
    // What is being typed or picked counts as an edit of its own before the one undone; a
    // typed time that is refused stops it, as it stops any command.
    if (!StoreAllControls()) {
        return;
    }
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
    ShowChange(before, document_.Model());
}

void TMainForm::ShowChange(const ScheduleModel &before, const ScheduleModel &after)
{
    const std::vector<ScheduleDifference> differences = CompareSchedules(before, after);
    if (!differences.empty()) {
        GoToDifference(differences.front());
    }
}

} // namespace korvelt
