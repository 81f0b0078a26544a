#include "app/TMainForm.h"

#include "text/CellText.h"
#include "text/ControlTexts.h"
#include "text/DataFile.h"
#include "editor/GridSlots.h"
#include "text/QtDateTime.h"

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
// A special-date picker that holds a date it cannot show (from a file or the device) shows
// "(not set)": its date is then this day before the first it can show.
const QDate NotSetDate = FirstDeviceDate.addDays(-1);
const QString NotSetText = QStringLiteral("(not set)");

// The month item a typed text names: an item in any letter case, or the usual spelling of
// the second item's month; -1 when it names none.
int MonthItemOfText(const QComboBox &box, const QString &text)
{
    const QString typed = text.trimmed();
    if (typed.compare(QStringLiteral("February"), Qt::CaseInsensitive) == 0) {
        return 1;
    }
    return box.findText(typed, Qt::MatchFixedString);
}

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
    : QWidget(parent), AdvPageControl1(this), Panel1([this] { return now_(); }, this), Label3(QStringLiteral("Normal Times"), &TimesAdvTabSheet),
      TimesAdvStringGrid(10, 17, &TimesAdvTabSheet), Label1(QStringLiteral("Output"), &TimesAdvTabSheet),
      OutputCSpinEdit(&TimesAdvTabSheet), Label4(QStringLiteral("Special Times"), &SpecialTimesAdvTabSheet1),
      SpecialTimesAdvStringGrid(3, 17, &SpecialTimesAdvTabSheet1),
      Label2(QStringLiteral("Output"), &SpecialTimesAdvTabSheet1), SpecialOutputCSpinEdit(&SpecialTimesAdvTabSheet1),
      GroupBox2(QStringLiteral("Special Dates"), &SpecialTimesAdvTabSheet1),
      GroupBox1(QStringLiteral("Daylight Saving"), &DaylightSavingAdvTabSheet),
      EnableDaylightSavingCheckBox(QStringLiteral("Enable Daylight Saving"), &GroupBox1),
      AdvanceRadioGroup(QStringLiteral("Advance Clock"), WeekItemTexts(), &GroupBox1), AdvanceComboBox(&GroupBox1),
      RetardRadioGroup(QStringLiteral("Retard Clock"), WeekItemTexts(), &GroupBox1), RetardComboBox(&GroupBox1),
      NormalTimesPopupMenu(this),
      NormalTimesMenuCopy(QStringLiteral("Copy"), &NormalTimesPopupMenu),
      NormalTimesMenuPaste(QStringLiteral("Paste"), &NormalTimesPopupMenu),
      SetAll1(QStringLiteral("Set Days"), &NormalTimesPopupMenu), NormalTimesMenuAll(QStringLiteral("All"), &SetAll1),
      NormalTimesMenuNone(QStringLiteral("None"), &SetAll1),
      NormalTimesMenuWeekdays(QStringLiteral("Weekdays"), &SetAll1),
      MenuWeekends(QStringLiteral("Weekends"), &SetAll1), SpecialPopupMenu(this),
      SpecialTimesMenuCopy(QStringLiteral("Copy"), &SpecialPopupMenu),
      SpecialTimesMenuPaste(QStringLiteral("Paste"), &SpecialPopupMenu),
      dialogs_(Required(std::move(services.Dialogs), "dialogs")), settings_(std::move(services.Settings)),
      now_(Required(std::move(services.Now), "clock")),
      help_(Required(std::move(services.Help), "help viewer")), helpFilePath_(std::move(services.HelpFile)),
      backend_(Required(std::move(services.Backend), "HID backend")), session_(*backend_), actions_(*this),
      presenter_(session_, Panel1, *dialogs_, [this] { return now_(); }, DeviceHooks(), this)
{
    CreateControls();
    ConnectWeekPage();
    CreateMenus();
    PlaceControls();
    SetAccessibleNames();
    FormCreate();
    ConnectHandlers();
    session_.SetReplyTimeout(services.ReplyTimeoutMs);
    ConnectCommands();
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

    for (QSpinBox *spin : {&OutputCSpinEdit, &SpecialOutputCSpinEdit}) {
        spin->setRange(1, OutputCount);
        spin->setValue(1);
    }
    Label1.setBuddy(&OutputCSpinEdit);
    Label2.setBuddy(&SpecialOutputCSpinEdit);

    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        auto picker = std::make_unique<SpecialDateEdit>(static_cast<int>(k) + 1, [this] { return now_().date(); },
                                                        &GroupBox2);
        picker->setObjectName(QStringLiteral("SpecialDateDateTimePicker%1").arg(k + 1));
        SetUpDatePicker(*picker);
        QDateEdit *raw = picker.get();
        connect(raw, &QDateEdit::dateChanged, this, [this, raw] { SpecialDatePicked(*raw); });
        // Shown once the picker has let go of the focus it may be losing.
        connect(picker.get(), &SpecialDateEdit::Refused, this,
                [this](const QString &message) { Guarded([&] { dialogs_->ShowError(message); }); }, Qt::QueuedConnection);
        SpecialDateDateTimePickers.at(k) = std::move(picker);
    }
    CreateHolidayControls();

    for (QComboBox *box : {&AdvanceComboBox, &RetardComboBox}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(MonthItemTexts());
        box->setMaxVisibleItems(MonthItemCount);
    }

    for (QComboBox *box : {&AdvanceComboBox, &RetardComboBox}) {
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [box] { SettleMonthBox(*box); });
    }

    // Object names as in the window design, for tools and tests.
    const std::initializer_list<std::pair<QObject *, const char *>> names{
        {&AdvPageControl1, "AdvPageControl1"},
        {&TimesAdvTabSheet, "TimesAdvTabSheet"},
        {&SpecialTimesAdvTabSheet1, "SpecialTimesAdvTabSheet1"},
        {&DaylightSavingAdvTabSheet, "DaylightSavingAdvTabSheet"},
        {&Label3, "Label3"},
        {&TimesAdvStringGrid, "TimesAdvStringGrid"},
        {&Label1, "Label1"},
        {&OutputCSpinEdit, "OutputCSpinEdit"},
        {&Label4, "Label4"},
        {&SpecialTimesAdvStringGrid, "SpecialTimesAdvStringGrid"},
        {&Label2, "Label2"},
        {&SpecialOutputCSpinEdit, "SpecialOutputCSpinEdit"},
        {&GroupBox2, "GroupBox2"},
        {&GroupBox1, "GroupBox1"},
        {&EnableDaylightSavingCheckBox, "EnableDaylightSavingCheckBox"},
        {&AdvanceRadioGroup, "AdvanceRadioGroup"},
        {&AdvanceComboBox, "AdvanceComboBox"},
        {&RetardRadioGroup, "RetardRadioGroup"},
        {&RetardComboBox, "RetardComboBox"},
        {&NormalTimesPopupMenu, "NormalTimesPopupMenu"},
        {&NormalTimesMenuCopy, "NormalTimesMenuCopy"},
        {&NormalTimesMenuPaste, "NormalTimesMenuPaste"},
        {&SetAll1, "SetAll1"},
        {&NormalTimesMenuAll, "NormalTimesMenuAll"},
        {&NormalTimesMenuNone, "NormalTimesMenuNone"},
        {&NormalTimesMenuWeekdays, "NormalTimesMenuWeekdays"},
        {&MenuWeekends, "MenuWeekends"},
        {&SpecialPopupMenu, "SpecialPopupMenu"},
        {&SpecialTimesMenuCopy, "SpecialTimesMenuCopy"},
        {&SpecialTimesMenuPaste, "SpecialTimesMenuPaste"},
    };
    for (const auto &[object, name] : names) {
        object->setObjectName(QString::fromLatin1(name));
    }
}

void TMainForm::SetAccessibleNames()
{
    TimesAdvStringGrid.setAccessibleName(QStringLiteral("Normal times"));
    SpecialTimesAdvStringGrid.setAccessibleName(QStringLiteral("Special times"));
    OutputCSpinEdit.setAccessibleName(QStringLiteral("Normal times output"));
    SpecialOutputCSpinEdit.setAccessibleName(QStringLiteral("Special times output"));
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        SpecialDateDateTimePickers.at(k)->setAccessibleName(QStringLiteral("Special date %1").arg(k + 1));
    }
    AdvanceComboBox.setAccessibleName(QStringLiteral("Advance month"));
    RetardComboBox.setAccessibleName(QStringLiteral("Retard month"));
    AdvPageControl1.setAccessibleName(QStringLiteral("Pages"));
}

void TMainForm::ConnectHandlers()
{
    Bind(&Panel1.UsePCTimeCheckBox, &QCheckBox::toggled, &TMainForm::UsePCTimeCheckBoxClick);
    Bind(&OutputCSpinEdit, &QSpinBox::valueChanged, &TMainForm::OutputCSpinEditChange);
    Bind(&SpecialOutputCSpinEdit, &QSpinBox::valueChanged, &TMainForm::SpecialOutputCSpinEditChange);
    Bind(&Panel1.VerifyCheckBox, &QCheckBox::toggled, &TMainForm::VerifyCheckBoxClick);
    ConnectGridHandlers();
}

void TMainForm::Guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        dialogs_->ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        dialogs_->ShowError(QString());
    }
}

void TMainForm::FormCreate()
{
    setWindowTitle(QStringLiteral("KORVELT Time Control") + QStringLiteral(" Vesion: ") + QStringLiteral("1.00"));
    SetDefaultSchedule();
    TakeSnapshot();
    LayoutTimesGrid();
    LayoutSpecialTimesGrid();
    shownOutput_ = 0;
    shownSpecialOutput_ = 0;
    ShowNormalTimes(0);
    ShowSpecialTimes(0);
    ShowDaylightSaving();
    ShowSpecialDates();
    Panel1.StartClock();
    AdvanceComboBox.setCurrentIndex(2);
    RetardComboBox.setCurrentIndex(9);
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

void TMainForm::SetDefaultSchedule()
{
    model_.SetDefaultSchedule();
}

void TMainForm::TakeSnapshot()
{
    snapshot_.Take(model_);
    UpdateFileStatus();
}

bool TMainForm::ScheduleChanged() const
{
    return snapshot_.Differs(model_);
}

void TMainForm::ShowNormalTimes(int output)
{
    const QScopedValueRollback showing(showingSchedule_, true);
    ShowSlots(TimesAdvStringGrid, model_.NormalTimes.at(static_cast<std::size_t>(output)), true);
}

void TMainForm::ShowSpecialTimes(int output)
{
    const QScopedValueRollback showing(showingSchedule_, true);
    ShowSlots(SpecialTimesAdvStringGrid, model_.SpecialTimes.at(static_cast<std::size_t>(output)), false);
}

void TMainForm::StoreNormalTimes(int output)
{
    // An edit still open in the grid counts: it is committed as Enter would commit it.
    TimesAdvStringGrid.CommitOpenEditor();
    StoreSlots(TimesAdvStringGrid, model_.NormalTimes.at(static_cast<std::size_t>(output)), true);
}

void TMainForm::StoreSpecialTimes(int output)
{
    SpecialTimesAdvStringGrid.CommitOpenEditor();
    StoreSlots(SpecialTimesAdvStringGrid, model_.SpecialTimes.at(static_cast<std::size_t>(output)), false);
}

void TMainForm::ShowMonth(QComboBox &box, std::int32_t month, QString &shownText)
{
    if (month >= 0 && month < MonthItemCount) {
        box.setCurrentIndex(month);
    } else {
        box.setCurrentIndex(-1);
        box.setEditText(QString());
    }
    shownText = box.currentText();
}

void TMainForm::SettleMonthBox(QComboBox &box)
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

void TMainForm::ShowDaylightSaving()
{
    const QScopedValueRollback showing(showingSchedule_, true);
    const DaylightSavingRule &rule = model_.DaylightSaving;
    EnableDaylightSavingCheckBox.setChecked(rule.Enabled != 0);
    shownEnabled_ = rule.Enabled != 0;
    AdvanceRadioGroup.SetItemIndex(rule.AdvanceWeek);
    ShowMonth(AdvanceComboBox, rule.AdvanceMonth, shownAdvanceMonth_);
    RetardRadioGroup.SetItemIndex(rule.RetardWeek);
    ShowMonth(RetardComboBox, rule.RetardMonth, shownRetardMonth_);
}

ScheduleModel TMainForm::ScheduleFromControls() const
{
    // What every consumer of the window's schedule reads: storing, the Week page and its
    // check, the report, compare and write. Nothing is changed on the way: the grids' shown
    // outputs, the dates picked, the rule as chosen. A control still showing what the model
    // gave it keeps the model's value, so that a value it cannot show comes back unchanged; a
    // month box's text that names no month counts as the month the box holds.
    ScheduleModel shown = model_;
    StoreSlots(TimesAdvStringGrid, shown.NormalTimes.at(static_cast<std::size_t>(shownOutput_)), true);
    StoreSlots(SpecialTimesAdvStringGrid, shown.SpecialTimes.at(static_cast<std::size_t>(shownSpecialOutput_)), false);
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        const QDate date = SpecialDateDateTimePickers.at(k)->date();
        if (date != shownSpecialDates_.at(k)) {
            shown.SpecialDates.at(k) = FromQDate(date);
        }
    }
    DaylightSavingRule &rule = shown.DaylightSaving;
    if (EnableDaylightSavingCheckBox.isChecked() != shownEnabled_) {
        rule.Enabled = EnableDaylightSavingCheckBox.isChecked() ? 1 : 0;
    }
    // A group with no item checked still holds a value it cannot show.
    if (AdvanceRadioGroup.ItemIndex() >= 0) {
        rule.AdvanceWeek = AdvanceRadioGroup.ItemIndex();
    }
    if (RetardRadioGroup.ItemIndex() >= 0) {
        rule.RetardWeek = RetardRadioGroup.ItemIndex();
    }
    const auto month = [](const QComboBox &box, std::int32_t current, const QString &shownText) {
        if (box.currentText() == shownText) {
            return current;
        }
        const int typed = MonthItemOfText(box, box.currentText());
        return typed >= 0 ? typed : (box.currentIndex() >= 0 ? box.currentIndex() : current);
    };
    rule.AdvanceMonth = month(AdvanceComboBox, rule.AdvanceMonth, shownAdvanceMonth_);
    rule.RetardMonth = month(RetardComboBox, rule.RetardMonth, shownRetardMonth_);
    return shown;
}

void TMainForm::ShowSpecialDate(QDateEdit &picker, TDateTime date)
{
    if (IsSendableDate(date)) {
        picker.setMinimumDate(FirstDeviceDate);
        picker.setSpecialValueText(QString());
        picker.setDate(ToQDate(date));
    } else {
        picker.setMinimumDate(NotSetDate);
        picker.setSpecialValueText(NotSetText);
        picker.setDate(NotSetDate);
    }
}

void TMainForm::SpecialDatePicked(QDateEdit &picker)
{
    // Once a real date is picked, "(not set)" can no longer be chosen.
    if (picker.date() != NotSetDate && picker.minimumDate() == NotSetDate) {
        picker.setSpecialValueText(QString());
        picker.setMinimumDate(FirstDeviceDate);
    }
}

void TMainForm::ShowSpecialDates()
{
    const QScopedValueRollback showing(showingSchedule_, true);
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        QDateEdit &picker = *SpecialDateDateTimePickers.at(k);
        ShowSpecialDate(picker, model_.SpecialDates.at(k));
        shownSpecialDates_.at(k) = picker.date();
    }
}

bool TMainForm::StoreAllControls()
{
    // An edit still open in a grid is committed first, as Enter would commit it.
    const bool normal = TimesAdvStringGrid.CommitOpenEditor();
    const bool special = SpecialTimesAdvStringGrid.CommitOpenEditor();
    // A date being typed into a picker is read as Enter would read it.
    bool dates = true;
    for (const auto &picker : SpecialDateDateTimePickers) {
        dates = picker->CommitTyping() && dates;
    }
    model_ = ScheduleFromControls();
    // The controls show what the model now holds: a typed month settles in its box, and a
    // picked date counts as shown.
    SettleMonthBox(AdvanceComboBox);
    SettleMonthBox(RetardComboBox);
    for (std::size_t k = 0; k < SpecialDateDateTimePickers.size(); ++k) {
        shownSpecialDates_.at(k) = SpecialDateDateTimePickers.at(k)->date();
    }
    // The model now holds what the controls show.
    controlsEdited_ = false;
    UpdateFileStatus();
    return normal && special && dates;
}

void TMainForm::ShowAllControls()
{
    ShowNormalTimes(shownOutput_);
    ShowSpecialTimes(shownSpecialOutput_);
    ShowDaylightSaving();
    ShowSpecialDates();
    ScheduleWeekRefresh();
}

void TMainForm::ReplaceModel(const ScheduleModel &model)
{
    model_ = model;
    ShowAllControls();
    UpdateFileStatus();
}

void TMainForm::OutputCSpinEditChange()
{
    const int value = OutputCSpinEdit.value();
    if (value < 1 || value > OutputCount) {
        return;
    }
    StoreNormalTimes(shownOutput_);
    shownOutput_ = value - 1;
    ShowNormalTimes(shownOutput_);
}

void TMainForm::SpecialOutputCSpinEditChange()
{
    const int value = SpecialOutputCSpinEdit.value();
    if (value < 1 || value > OutputCount) {
        return;
    }
    StoreSpecialTimes(shownSpecialOutput_);
    shownSpecialOutput_ = value - 1;
    ShowSpecialTimes(shownSpecialOutput_);
}

void TMainForm::ExitButtonClick()
{
    close();
}

void TMainForm::UsePCTimeCheckBoxClick()
{
    Panel1.UsePCTimeCheckBoxClick();
}

bool TMainForm::SaveScheduleFile()
{
    if (!StoreAllControls()) {
        return false;
    }
    const auto chosen = dialogs_->AskSaveFileName(DataFileFilter, DialogFolder(), QStringLiteral("dat"));
    if (!chosen) {
        return false;
    }
    const QString name = WithSuffix(*chosen, QStringLiteral("dat"));
    if (!SaveDataFile(FilePath(name), model_)) {
        dialogs_->ShowError(QString::fromUtf8(SaveErrorMessage.data(), SaveErrorMessage.size()));
        return false;
    }
    FileChosen(name);
    TakeSnapshot();
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
    ReplaceModel(result.Model);
    scheduleDevice_.reset();
    FileChosen(fileName);
    TakeSnapshot();
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

} // namespace korvelt
