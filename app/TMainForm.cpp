#include "app/TMainForm.h"

#include "app/FormFont.h"
#include "app/Guarded.h"
#include "app/TabLeavesPicker.h"
#include "core/ScheduleDifference.h"
#include "core/SendCheck.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QResizeEvent>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

namespace korvelt {

namespace {

// The designed size, the smallest the window can be; larger, the grids and the Week picture
// grow. The command panel, with the status area, runs along the bottom edge.
constexpr int ClientWidth = 812;
constexpr int ClientHeight = 596;
constexpr int PanelHeight = 180;

const QString GeometryKey = QStringLiteral("Geometry");
const QString UsePCTimeKey = QStringLiteral("UsePCTime");
const QString VerifyKey = QStringLiteral("VerifyAfterWriting");

// The window takes every service it is given and picks none of its own.
template <typename Service> Service Required(Service service, const char *what)
{
    if (!service) {
        throw std::invalid_argument(std::string("The main window was given no ") + what + '.');
    }
    return service;
}

// A yes/no choice as the settings file keeps it; nothing for anything else, so that a hand-
// edited or damaged value falls back to the default.
std::optional<bool> StoredChoice(const QVariant &value)
{
    const QString text = value.toString();
    if (text == QLatin1String("true") || text == QLatin1String("false")) {
        return text == QLatin1String("true");
    }
    return std::nullopt;
}

} // namespace

TMainForm::TMainForm(MainFormServices services, QWidget *parent)
    : QWidget(parent), dialogs_(Required(std::move(services.Dialogs), "dialogs")),
      now_(Required(std::move(services.Now), "clock")), settings_(std::move(services.Settings)),
      help_(Required(std::move(services.Help), "help viewer")), helpFilePath_(std::move(services.HelpFile)),
      files_(document_, *dialogs_, settings_.get(), [this] { return StoreAllControls(); }), actions_(*this),
      AdvPageControl1({&clipboard_,
                       dialogs_.get(),
                       [this] { return now_().date(); },
                       [this]() -> const ScheduleModel & { return document_.Model(); },
                       {&actions_.Undo, &actions_.Redo}},
                      this),
      Panel1([this] { return now_(); }, this), CheckLabel(&Panel1),
      backend_(Required(std::move(services.Backend), "HID backend")), session_(*backend_),
      presenter_(
          session_, Panel1, *dialogs_, [this] { return now_(); }, DeviceHooks(), this)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("KORVELT Time Control Vesion: 1.00"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFont(FormFont());
    CheckLabel.setObjectName(QStringLiteral("CheckLabel"));
    CheckLabel.setAccessibleName(QStringLiteral("Schedule check"));
    CheckLabel.SetHint(QStringLiteral("What the schedule check found; the Week page lists it."));
    CheckLabel.setGeometry(536, 134, 137, 20);
    setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight);

    // Help is decided once: without a help file that loads there is no Help button and no key.
    helpFilePath_ = QFileInfo(helpFilePath_).absoluteFilePath();
    if (!QFileInfo::exists(helpFilePath_) || !help_->Load(helpFilePath_)) {
        Panel1.HelpButton.hide();
    } else {
        help_->Initialise();
    }
    session_.SetReplyTimeout(services.ReplyTimeoutMs);

    // A fresh start: the defaults, unchanged, shown with output 1 in both grids.
    ScheduleModel defaults;
    defaults.SetDefaultSchedule();
    document_.Reset(defaults, QString());
    ShowAllControls();
    Panel1.StartClock();
    ConnectPages();
    ConnectCommands();
    ConnectDocument();
    RestoreSettings();
}

TMainForm::~TMainForm()
{
    session_.Close();
}

void TMainForm::Guarded(const std::function<void()> &handler)
{
    korvelt::Guarded(*dialogs_, handler);
}

ScheduleModel TMainForm::ScheduleFromControls() const
{
    // Nothing is changed on the way: the grids' shown outputs, the dates picked, the rule as
    // chosen. A control still showing what the model gave it keeps the model's value.
    ScheduleModel shown = document_.Model();
    AdvPageControl1.Peek(shown);
    return shown;
}

bool TMainForm::StoreAllControls()
{
    ScheduleModel stored = document_.Model();
    const bool stores = AdvPageControl1.Store(stored);
    document_.Record(stored, QStringLiteral("Edit"));
    return stores;
}

void TMainForm::ConnectPages()
{
    // Every edit of a page is one step of the history; the Week page follows it.
    connect(&AdvPageControl1, &SchedulePages::Edited, this, [this](const QString &step) {
        Guarded([&] {
            document_.Record(ScheduleFromControls(), step);
            AdvPageControl1.RefreshWeek();
        });
    });
    // "Copy output N to…": one step that replaces other outputs' slots, shown at once.
    connect(&AdvPageControl1, &SchedulePages::OutputCopyChosen, this,
            [this](TimesTable table, int from, const std::vector<int> &to, const QString &step) {
                ScheduleModel copied = ScheduleFromControls();
                CopyOutputTimes(copied, table, from, to);
                document_.Replace(copied, step);
            });
    // A page made when first opened: Tab walks its controls, and leaves its pickers at once.
    auto *tabFilter = new TabLeavesPicker([this](bool next) { return focusNextPrevChild(next); }, this);
    connect(&AdvPageControl1, &SchedulePages::PageMade, this, [this, tabFilter](QWidget *page) {
        for (QDateTimeEdit *picker : page->findChildren<QDateTimeEdit *>()) {
            picker->installEventFilter(tabFilter);
        }
        SetTabOrder();
    });
    Panel1.SetDateDateTimePicker.installEventFilter(tabFilter);
    Panel1.SetTimeDateTimePicker.installEventFilter(tabFilter);
    SetTabOrder();

    WeekPage::Sources sources;
    sources.Dialogs = dialogs_.get();
    sources.Today = [this] { return now_().date(); };
    sources.Report = [this] { return Report(); };
    sources.PdfName = [this] { return files_.PdfName(); };
    WeekPage &week = AdvPageControl1.Week();
    week.SetSources(std::move(sources));
    connect(&week, &WeekPage::CheckCounted, &CheckLabel, &StatusText::setText);
    connect(&week, &WeekPage::Reported, &Panel1.StatusLabel, &StatusText::setText);
}

ReportSource TMainForm::Report() const
{
    ReportSource source;
    source.Model = ScheduleFromControls();
    const QString &fileName = document_.FileName();
    source.FileName = fileName.isEmpty() ? QString() : QFileInfo(fileName).fileName();
    source.Printed = now_();
    source.Locale = QLocale();
    if (const auto &device = document_.Device()) {
        source.DeviceVersion = QString::fromLatin1(device->Version.c_str());
        source.DeviceSerial = QString::number(device->SerialNumber);
    }
    return source;
}

void TMainForm::ConnectDocument()
{
    // A replaced schedule (undo, redo, a load, a read) is shown again whole.
    connect(&document_, &ScheduleDocument::Replaced, this, [this] { ShowAllControls(); });
    const auto fileStatus = [this] {
        Panel1.FileLabel.setText(files_.StatusText());
        Panel1.FileLabel.setToolTip(files_.StatusToolTip());
    };
    connect(&document_, &ScheduleDocument::ModifiedChanged, this, fileStatus);
    connect(&document_, &ScheduleDocument::FileNameChanged, this, fileStatus);
    fileStatus();
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, anywhere in the window; a text being typed keeps
    // its own.
    actions_.FollowHistory(document_.UndoStack());
    connect(&actions_.Undo, &QAction::triggered, this, [this] { Guarded([this] { UndoOrRedo(true); }); });
    connect(&actions_.Redo, &QAction::triggered, this, [this] { Guarded([this] { UndoOrRedo(false); }); });
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
    undo ? history.undo() : history.redo();
    // The page, output and slot of the step open.
    const std::vector<ScheduleDifference> differences = CompareSchedules(before, document_.Model());
    if (!differences.empty()) {
        AdvPageControl1.GoToDifference(differences.front());
    }
}

void TMainForm::ConnectCommands()
{
    MainActions &a = actions_;
    CommandPanel &p = Panel1;
    for (const auto &[button, action] : {std::pair<QAbstractButton *, QAction *>{&p.LoadButton, &a.Load},
                                         {&p.SaveButton, &a.Save},
                                         {&p.WriteButton, &a.Write},
                                         {&p.ReadButton, &a.Read},
                                         {&p.ExitButton, &a.Exit},
                                         {&p.SetTimeButton, &a.SetTime},
                                         {&p.ReadTimeButton, &a.ReadTime},
                                         {&p.CompareButton, &a.Compare},
                                         {&p.CancelButton, &a.Cancel}}) {
        MainActions::Bind(*button, *action);
    }
    Bind(&a.Load, &QAction::triggered, &TMainForm::LoadButtonClick);
    connect(&a.Save, &QAction::triggered, this, [this] { Guarded([this] { files_.Save(); }); });
    connect(&a.SaveAs, &QAction::triggered, this, [this] { Guarded([this] { files_.Save(true); }); });
    Bind(&a.Exit, &QAction::triggered, &TMainForm::ExitButtonClick);
    Bind(&a.Write, &QAction::triggered, &TMainForm::WriteButtonClick);
    Bind(&a.Read, &QAction::triggered, &TMainForm::ReadButtonClick);
    Bind(&a.Compare, &QAction::triggered, &TMainForm::CompareButtonClick);
    Bind(&a.SetTime, &QAction::triggered, &TMainForm::SetTimeButtonClick);
    Bind(&a.ReadTime, &QAction::triggered, &TMainForm::ReadTimeButtonClick);
    Bind(&a.Cancel, &QAction::triggered, &TMainForm::CancelButtonClick);
    // The Help button opens the guide at its first page; the key opens it at the page of the
    // tab in view. Without a help file there is neither.
    Bind(&p.HelpButton, &QPushButton::clicked, &TMainForm::HelpButtonClick);
    Bind(&a.Help, &QAction::triggered, &TMainForm::HelpKeyPressed);
    a.Help.setEnabled(!p.HelpButton.isHidden());
    // The Week page's buttons have their own connections; the action gives Print its key.
    connect(&a.Print, &QAction::triggered, this, [this] { Guarded([this] { AdvPageControl1.Week().Print(); }); });
    connect(&a.ExportPdf, &QAction::triggered, this,
            [this] { Guarded([this] { AdvPageControl1.Week().ExportPdf(); }); });
    Bind(&p.UsePCTimeCheckBox, &QCheckBox::toggled, &TMainForm::UsePCTimeCheckBoxClick);
    Bind(&p.VerifyCheckBox, &QCheckBox::toggled, &TMainForm::VerifyCheckBoxClick);
    // While a command runs, nothing may start another or change what it works on.
    connect(&session_, &DeviceSession::BusyChanged, this, [this](bool busy) {
        actions_.SetBusy(busy);
        AdvPageControl1.SetBusy(busy);
    });
}

DeviceWindowHooks TMainForm::DeviceHooks()
{
    DeviceWindowHooks hooks;
    hooks.Schedule = [this] { return Model(); };
    hooks.MayReplaceSchedule = [this] { return files_.MayReplaceSchedule(); };
    // A read and a take are one undoable step each; the schedule then comes from that KORVELT.
    hooks.ScheduleRead = [this](const ScheduleModel &read, const std::optional<DeviceIdentity> &device) {
        document_.Replace(read, QStringLiteral("Read From KORVELT"), device);
    };
    hooks.ScheduleTaken = [this](const ScheduleModel &taken, const std::optional<DeviceIdentity> &device) {
        document_.Replace(taken, QStringLiteral("Take the KORVELT's schedule"), device);
    };
    hooks.ScheduleWritten = [this](const std::optional<DeviceIdentity> &device) { document_.SetDevice(device); };
    hooks.GoToDifference = [this](const ScheduleDifference &place) { AdvPageControl1.GoToDifference(place); };
    return hooks;
}

void TMainForm::WriteButtonClick()
{
    // What is sent is what the controls show, unsaved edits included, and only when the
    // device can hold every value as it stands and the user writes any mistakes knowingly.
    if (!StoreAllControls()) {
        return;
    }
    if (const std::vector<UnsendableValue> unsendable = FindUnsendableValues(Model()); !unsendable.empty()) {
        presenter_.ShowWriteRefused(unsendable);
    } else if (AdvPageControl1.Week().MayWriteWithMistakes(Model())) {
        presenter_.StartWrite(Model(), Panel1.VerifyCheckBox.isChecked());
    }
}

void TMainForm::ReadButtonClick()
{
    // A read replaces the schedule in the window: unsaved changes are asked about first.
    if (files_.MayReplaceSchedule()) {
        presenter_.StartRead(ReadPurpose::Load);
    }
}

void TMainForm::CompareButtonClick()
{
    // The device is read into a copy; the window's schedule stays as it is.
    if (StoreAllControls()) {
        presenter_.StartRead(ReadPurpose::Compare);
    }
}

void TMainForm::HelpKeyPressed()
{
    if (!Panel1.HelpButton.isHidden()) {
        help_->DisplayTopic(helpFilePath_, AdvPageControl1.HelpTopic());
    }
}

void TMainForm::VerifyCheckBoxClick()
{
    if (settings_ != nullptr) {
        settings_->setValue(VerifyKey, Panel1.VerifyCheckBox.isChecked());
    }
}

void TMainForm::SetTabOrder()
{
    // The page in view first, then the command panel column by column: file, device, verify
    // and compare, clock, and Cancel last.
    std::vector<QWidget *> order = AdvPageControl1.TabOrder();
    for (QWidget *control : Panel1.TabOrder()) {
        order.push_back(control);
    }
    for (std::size_t k = 1; k < order.size(); ++k) {
        setTabOrder(order.at(k - 1), order.at(k));
    }
}

void TMainForm::RestoreSettings()
{
    // A settings file that cannot be read is left alone: the window starts as on a first run.
    if (settings_ == nullptr || settings_->status() != QSettings::NoError) {
        return;
    }
    // A geometry that is not one leaves the window at its own size.
    restoreGeometry(settings_->value(GeometryKey).toByteArray());
    for (const auto &[box, key] :
         {std::pair{&Panel1.UsePCTimeCheckBox, UsePCTimeKey}, std::pair{&Panel1.VerifyCheckBox, VerifyKey}}) {
        if (const std::optional<bool> checked = StoredChoice(settings_->value(key))) {
            box->setChecked(*checked);
        }
    }
}

void TMainForm::SaveSettings()
{
    if (settings_ != nullptr) {
        settings_->setValue(GeometryKey, saveGeometry());
        settings_->setValue(UsePCTimeKey, Panel1.UsePCTimeCheckBox.isChecked());
        settings_->sync();
    }
}

bool TMainForm::FormCloseQuery()
{
    return MayStopCommandToClose() && files_.MayReplaceSchedule();
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

void TMainForm::FormClose()
{
    SaveSettings();
    if (!Panel1.HelpButton.isHidden()) {
        help_->CloseAll();
        help_->ShutDown();
    }
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

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int panelTop = std::max(0, height() - PanelHeight);
    AdvPageControl1.setGeometry(0, 0, width(), panelTop);
    Panel1.setGeometry(0, panelTop, width(), PanelHeight);
    // The pages grow by what the window has beyond its designed size.
    AdvPageControl1.Grow({std::max(0, width() - ClientWidth), std::max(0, height() - ClientHeight)});
}

} // namespace korvelt
