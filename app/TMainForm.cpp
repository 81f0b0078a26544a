#include "app/TMainForm.h"

#include "app/FormFont.h"
#include "app/Guarded.h"
#include "app/TabLeavesPicker.h"
#include "app/WeekPage.h"
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
      now_(Required(std::move(services.Now), "clock")), settings_(std::move(services.Settings)),
      help_(Required(std::move(services.Help), "help viewer"), services.HelpFile),
      files_(document_, *dialogs_, settings_.get(), [this] { return StoreAllControls(); }), actions_(*this),
      AdvPageControl1({&clipboard_,
                       dialogs_.get(),
                       [this] { return now_().date(); },
                       [this]() -> const ScheduleModel & { return document_.Model(); },
                       {&actions_.Undo, &actions_.Redo},
                       [this] { return document_.Report(ScheduleFromControls(), now_()); },
                       [this] { return files_.PdfName(); }},
                      this),
      Panel1([this] { return now_(); }, this),
      helpMenu_(Panel1.HelpButton, settings_.get(), *dialogs_, help_.Available()),
      backend_(Required(std::move(services.Backend), "HID backend")), session_(*backend_),
      choice_(*backend_, session_, *dialogs_, services.ReplyTimeoutMs),
      presenter_(
          session_, choice_, Panel1, *dialogs_, [this] { return now_(); }, [this] { return Panel1.ClockValueToSend(); },
          DeviceHooks(), this)
{
    setObjectName(QStringLiteral("MainForm"));
    //: The window's caption; "Vesion" is spelt so on purpose in English. %1 is the version
    setWindowTitle(tr("KORVELT Time Control Vesion: %1").arg(QStringLiteral("1.00")));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFont(FormFont());
    // The designed size, or wider where the captions of the language need it.
    // The check's count at its longest likely: two-digit counts, with and without mistakes.
    const QStringList counts{WeekPage::CountText(0, 88), WeekPage::CountText(88, 88)};
    // The device log at its longest likely: a five-digit serial number.
    const QStringList logLines = DevicePresenter::DeviceLogLines({"KORVELT 1.05", 99999});
    Panel1.BindCommands(actions_);
    const int width = std::max(ClientWidth, Panel1.PlaceControls(counts, logLines));
    setMinimumSize(width, ClientHeight);
    resize(width, ClientHeight);

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
    return AdvPageControl1.Shown();
}

bool TMainForm::StoreAllControls()
{
    ScheduleModel stored = document_.Model();
    const bool stores = AdvPageControl1.Store(stored);
    //: Undo step of an edit committed when a command starts
    document_.Record(stored, tr("Edit"));
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

    connect(&AdvPageControl1, &SchedulePages::CheckCounted, this,
            [this](const QString &count) { Panel1.ShowCheckCount(count); });
    connect(&AdvPageControl1, &SchedulePages::Reported, this, [this](const QString &text) { Panel1.ShowStatus(text); });
}

void TMainForm::ConnectDocument()
{
    // A replaced schedule (undo, redo, a load, a read) is shown again whole.
    connect(&document_, &ScheduleDocument::Replaced, this, [this] { ShowAllControls(); });
    // A status that tells of the last write says whether the window still holds what it wrote.
    const auto changed = [this] { presenter_.ScheduleChanged(Model()); };
    connect(&document_.UndoStack(), &QUndoStack::indexChanged, this, changed);
    connect(&document_, &ScheduleDocument::Replaced, this, changed);
    const auto fileStatus = [this] {
        // A long name gives way in its middle; "(unsaved changes)" stays in view.
        Panel1.ShowFile(files_.StatusText(), files_.ShownName(), files_.StatusToolTip());
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
    // typed time that is refused stops it, as it stops any command. The step's place opens.
    if (StoreAllControls()) {
        if (const std::optional<ScheduleDifference> place = document_.UndoOrRedo(undo)) {
            AdvPageControl1.GoToDifference(*place);
        }
    }
}

void TMainForm::ConnectCommands()
{
    MainActions &a = actions_;
    CommandPanel &p = Panel1;
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
    // The Help button's User Guide opens the guide at its first page; the key opens it at the
    // page of the tab in view. Without a help file there is neither.
    Bind(&helpMenu_.UserGuide, &QAction::triggered, &TMainForm::HelpButtonClick);
    Bind(&a.Help, &QAction::triggered, &TMainForm::HelpKeyPressed);
    a.Help.setEnabled(help_.Available());
    // The Week page's buttons have their own connections; the action gives Print its key.
    connect(&a.Print, &QAction::triggered, this, [this] { Guarded([this] { AdvPageControl1.Week().Print(); }); });
    connect(&a.ExportPdf, &QAction::triggered, this,
            [this] { Guarded([this] { AdvPageControl1.Week().ExportPdf(); }); });
    Bind(&p.UsePCTimeCheckBox, &QCheckBox::toggled, &TMainForm::UsePCTimeCheckBoxClick);
    // While a command runs, nothing may start another or change what it works on.
    connect(&session_, &DeviceSession::BusyChanged, this, [this](bool busy) {
        actions_.SetBusy(busy);
        AdvPageControl1.SetBusy(busy);
        // A read that loads replaces the schedule when it completes: nothing is edited meanwhile.
        const bool loading =
            busy && session_.Command() == SessionCommand::Read && presenter_.Purpose() == ReadPurpose::Load;
        AdvPageControl1.setEnabled(!loading);
        actions_.Undo.setEnabled(!loading && document_.UndoStack().canUndo());
        actions_.Redo.setEnabled(!loading && document_.UndoStack().canRedo());
    });
}

DeviceWindowHooks TMainForm::DeviceHooks()
{
    DeviceWindowHooks hooks;
    hooks.Schedule = [this] { return Model(); };
    hooks.MayReplaceSchedule = [this] { return files_.MayReplaceSchedule(); };
    // A read and a take are one undoable step each; the schedule then comes from that KORVELT.
    hooks.ScheduleRead = [this](const ScheduleModel &read, const std::optional<DeviceIdentity> &device) {
        //: Undo step: the schedule was read from the KORVELT
        document_.Replace(read, tr("Read From KORVELT"), device);
    };
    hooks.ScheduleTaken = [this](const ScheduleModel &taken, const std::optional<DeviceIdentity> &device) {
        //: Undo step: the window took the schedule the comparison read
        document_.Replace(taken, tr("Take the KORVELT's schedule"), device);
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
    presenter_.Write(Model(), Panel1.VerifyCheckBox.isChecked(),
                     [this] { return AdvPageControl1.MayWriteWithMistakes(Model()); });
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
    // A geometry that is not one, or a settings file that cannot be read, leaves the window at
    // its own size.
    if (settings_ != nullptr && settings_->status() == QSettings::NoError) {
        restoreGeometry(settings_->value(GeometryKey).toByteArray());
    }
    Panel1.KeepChoicesIn(settings_.get());
    choice_.KeepLastUsedIn(settings_.get());
}

bool TMainForm::FormCloseQuery()
{
    return presenter_.MayStopToClose() && files_.MayReplaceSchedule();
}

void TMainForm::FormClose()
{
    if (settings_ != nullptr) {
        settings_->setValue(GeometryKey, saveGeometry());
        Panel1.SaveChoices();
        settings_->sync();
    }
    help_.Close();
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
