#pragma once

#include "app/CommandPanel.h"
#include "app/DevicePresenter.h"
#include "app/MainActions.h"
#include "device/DeviceSession.h"
#include "helpviewer/HelpViewer.h"
#include "device/HidBackend.h"
#include "core/HolidayRules.h"
#include "core/ScheduleModel.h"
#include "core/ScheduleCheck.h"
#include "core/SendCheck.h"
#include "editor/SlotClipboard.h"
#include "app/StatusText.h"
#include "app/UserDialogs.h"
#include "app/WeekPage.h"
#include "app/DaylightSavingPage.h"
#include "app/ScheduleDocument.h"
#include "app/SpecialTimesPage.h"
#include "app/TimesPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace korvelt {


// What the main window is given from outside: the program passes the platform's own, tests
// their own. Every part but the help file is required.
struct MainFormServices {
    std::unique_ptr<UserDialogs> Dialogs; // message boxes and file dialogs
    std::shared_ptr<HidBackend> Backend;  // the present HID devices
    std::function<QDateTime()> Now;       // the current date and time
    std::unique_ptr<HelpViewer> Help;     // shows the help file
    QString HelpFile;                     // the help file; no "Help" button when it is not there
    std::unique_ptr<QSettings> Settings;  // choices kept between runs; none: nothing is kept
    int ReplyTimeoutMs = 2000;            // how long the KORVELT may take to answer a request
};

// The one main window: every control, the schedule model and its change tracking.
// Controls are members, declared container first, so that each is destroyed before the
// widget that holds it.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(MainFormServices services, QWidget *parent = nullptr);
    TMainForm(const TMainForm &) = delete;
    TMainForm &operator=(const TMainForm &) = delete;
    TMainForm(TMainForm &&) = delete;
    TMainForm &operator=(TMainForm &&) = delete;
    ~TMainForm() override;

    // The schedule model, its change tracking and its transfer to and from the controls.
    void TakeSnapshot();
    [[nodiscard]] bool ScheduleChanged() const;
    // Stores every control into the model, an edit still open in a grid included. False when
    // a typed time was refused: the command that stores stops, and the refusal's box says why.
    bool StoreAllControls();
    void ShowAllControls();
    [[nodiscard]] const ScheduleModel &Model() const { return document_.Model(); }
    // Puts a whole schedule into the model as one undoable step and shows it; the output
    // selectors stay where they are.
    void ReplaceModel(const ScheduleModel &model);
    // The outputs the two grids show, 0 for output 1.
    [[nodiscard]] int ShownOutput() const { return TimesAdvTabSheet.ShownOutput(); }
    [[nodiscard]] int ShownSpecialOutput() const { return SpecialTimesAdvTabSheet1.ShownOutput(); }
    // Loads a data file without asking for its name (the file named on the command line); a
    // file that does not load is reported and the schedule stays as it was.
    bool LoadFile(const QString &fileName);
    // The schedule with its history of edits.
    [[nodiscard]] ScheduleDocument &Document() { return document_; }

private:
    // What the controls below rely on: they go first when the window goes.
    std::unique_ptr<UserDialogs> dialogs_;
    std::function<QDateTime()> now_;
    SlotClipboard clipboard_;
    ScheduleDocument document_;

    // Controls, named as in the window design; tests and tools find them by these names.
    QTabWidget AdvPageControl1;
    TimesPage TimesAdvTabSheet;
    SpecialTimesPage SpecialTimesAdvTabSheet1;
    DaylightSavingPage DaylightSavingAdvTabSheet;
    CommandPanel Panel1; // the command buttons, the clock controls and the status area

    // Every edit of a page is one step of the document's history; Undo and Redo name it.
    void ConnectDocument();
    // A page's edit is complete: the controls go into the model as one undo step.
    void RecordEdit(const QString &step);
    void UndoOrRedo(bool undo);
    // Shows the page, output and slot where two schedules first differ.
    void ShowChange(const ScheduleModel &before, const ScheduleModel &after);

    // The week page: the picture of every output, the schedule check's findings and the
    // report (TMainFormWeek.cpp wires it). It follows the schedule as each edit completes;
    // the check's count is in the status area.
    WeekPage WeekAdvTabSheet;
    StatusText CheckLabel;
    void ConnectWeekPage();
    void ScheduleWeekRefresh() { weekTimer_.start(); }
    // Opens the page of a slot, or of the value a finding names, with it selected.
    void GoToSlot(int output, int slot, bool special);
    void GoToValue(const ScheduleFinding &finding);
    void GoToDifference(const ScheduleDifference &place);
    // Before a write: true when the schedule has no mistake or the user writes it anyway.
    bool MayWriteWithMistakes() { return WeekAdvTabSheet.MayWriteWithMistakes(Model()); }
    QTimer weekTimer_;

public:
    // The device: its link and the exchange under way.
    [[nodiscard]] const DeviceSession &Session() const { return session_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void CreateControls();
    // The window's pixel layout: fonts, places and sizes, and the grids' columns.
    void PlaceControls();
    void SetAccessibleNames();
    void ConnectHandlers();
    void FormCreate();
    [[nodiscard]] UserDialogs &Dialogs() { return *dialogs_; }
    // The schedule as the controls show it now, read without changing anything: storing,
    // the Week page and its check, the report, compare and write all take what it gives.
    [[nodiscard]] ScheduleModel ScheduleFromControls() const;
    // Runs an event handler; an exception it throws is shown in an error box and the
    // program goes on.
    void Guarded(const std::function<void()> &handler);
    // Connects a signal to a handler that runs guarded.
    template <typename Sender, typename Signal> void Bind(Sender *sender, Signal signal, void (TMainForm::*handler)())
    {
        connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    }

    // Event handlers.
    void ExitButtonClick();
    void UsePCTimeCheckBoxClick();
    bool FormCloseQuery();
    // Before the schedule in the window is replaced (a load, a read): stores the controls and,
    // when there are unsaved changes, asks whether to save them. True when it may be replaced.
    bool MayReplaceSchedule();
    void FormClose();
    // Save: the dialog offers the schedule's own file; Save As (asNew) asks in its folder for
    // a new name.
    bool SaveScheduleFile(bool asNew = false);
    void LoadButtonClick();
    void LoadScheduleFile();

    // The four device commands and the handler of each input report.
    void WriteButtonClick();
    void ReadButtonClick();
    void SetTimeButtonClick();
    void ReadTimeButtonClick();
    void CompareButtonClick();
    void CancelButtonClick();
    // Closing while a command runs: a write is stopped only when the user says so; any other
    // command is cancelled. False: the window stays open.
    bool MayStopCommandToClose();
    void VerifyCheckBoxClick();
    // The commands: the actions, their buttons and keys, and the device session's results.
    void ConnectCommands();
    void DeviceBusyChanged(bool busy);
    // What the device presenter asks of the window.
    [[nodiscard]] DeviceWindowHooks DeviceHooks();

    // Help: decided once at start-up, shown on "Help", shut down when the window closes.
    void InitHelp();
    void HelpButtonClick();
    void CloseHelp();

    void WriteRefused(const std::vector<UnsendableValue> &values);

    // The desktop side of the window (TMainFormDesktop.cpp): keyboard shortcuts, settings
    // kept between runs, the file name and unsaved marker in the status area, the folder the
    // file dialogs open in.
    void ConnectDesktop();
    void RestoreSettings();
    void SaveSettings();
    void SetTabOrder();
    void HelpKeyPressed();
    [[nodiscard]] QString HelpTopicOf(const QWidget *page) const;
    void UpdateFileStatus();
    [[nodiscard]] QString DialogFolder() const;
    void FileChosen(const QString &fileName);
    [[nodiscard]] static QString WithSuffix(const QString &fileName, const QString &suffix);
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<HelpViewer> help_;
    QString helpFilePath_;
    std::shared_ptr<HidBackend> backend_;
    DeviceSession session_; // its reader thread stops (in the destructor) before anything it reaches goes away
    MainActions actions_;
    DevicePresenter presenter_; // after the session it presents
};

} // namespace korvelt
