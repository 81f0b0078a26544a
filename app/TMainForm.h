#pragma once

#include "app/CommandPanel.h"
#include "app/DevicePresenter.h"
#include "app/MainActions.h"
#include "app/ScheduleDocument.h"
#include "app/ScheduleFiles.h"
#include "app/SchedulePages.h"
#include "app/StatusText.h"
#include "app/UserDialogs.h"
#include "app/HelpMenu.h"
#include "app/WindowHelp.h"
#include "device/DeviceSession.h"
#include "device/HidBackend.h"
#include "editor/SlotClipboard.h"

#include <QDateTime>
#include <QSettings>
#include <QWidget>

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

// The one main window. It owns the schedule document, the pages that show it, the command
// panel and the device, and wires them together; each of those does its own work. Members
// are declared in the order they rely on each other, so that each goes before what it uses.
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
    void TakeSnapshot() { document_.TakeSnapshot(); }
    [[nodiscard]] bool ScheduleChanged() const { return document_.Changed(); }
    // Stores every control into the model, an edit still open in a grid included, as one
    // undoable step. False when a typed time was refused: the command that stores stops, and
    // the refusal's box says why.
    bool StoreAllControls();
    void ShowAllControls() { AdvPageControl1.Show(document_.Model()); }
    [[nodiscard]] const ScheduleModel &Model() const { return document_.Model(); }
    // Puts a whole schedule into the model as one undoable step and shows it; the output
    // selectors stay where they are.
    void ReplaceModel(const ScheduleModel &model) { document_.Replace(model, tr("Replace the schedule")); }
    // Loads a data file without asking for its name (the file named on the command line); a
    // file that does not load is reported and the schedule stays as it was.
    bool LoadFile(const QString &fileName) { return files_.LoadFile(fileName); }
    [[nodiscard]] ScheduleDocument &Document() { return document_; }
    [[nodiscard]] const DeviceSession &Session() const { return session_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Runs an event handler; an exception it throws is shown in an error box and the
    // program goes on.
    void Guarded(const std::function<void()> &handler);
    // Connects a signal to a handler that runs guarded.
    template <typename Sender, typename Signal> void Bind(Sender *sender, Signal signal, void (TMainForm::*handler)())
    {
        connect(sender, signal, this, [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    }
    void ConnectDocument();
    void ConnectCommands();
    void ConnectPages();
    // The schedule as the controls show it now, read without changing anything.
    [[nodiscard]] ScheduleModel ScheduleFromControls() const;
    [[nodiscard]] DeviceWindowHooks DeviceHooks();
    void UndoOrRedo(bool undo);
    void SetTabOrder();
    void RestoreSettings();

    // Event handlers.
    void LoadButtonClick() { files_.Load(); }
    void ExitButtonClick() { close(); }
    void WriteButtonClick();
    void ReadButtonClick();
    void CompareButtonClick();
    void SetTimeButtonClick() { presenter_.StartSetClock(); }
    void ReadTimeButtonClick() { presenter_.StartReadClock(); }
    void CancelButtonClick() { presenter_.Cancel(); }
    void HelpButtonClick() { help_.ShowContents(); }
    void HelpKeyPressed() { help_.ShowTopic(AdvPageControl1.HelpTopic()); }
    void UsePCTimeCheckBoxClick() { Panel1.UsePCTimeCheckBoxClick(); }
    bool FormCloseQuery();
    void FormClose();

    // What the controls below rely on, declared first so that it outlives them.
    std::unique_ptr<UserDialogs> dialogs_;
    std::function<QDateTime()> now_;
    std::unique_ptr<QSettings> settings_;
    WindowHelp help_;
    SlotClipboard clipboard_;
    ScheduleDocument document_;
    ScheduleFiles files_;
    MainActions actions_;

    // Controls, named as in the window design; tests and tools find them by these names.
    SchedulePages AdvPageControl1; // Times, Special Times, Daylight Saving and Week
    CommandPanel Panel1;           // the command buttons, the clock controls and the status area
    HelpMenu helpMenu_;            // the Help button's menu: the guide and the language

    std::shared_ptr<HidBackend> backend_;
    DeviceSession session_;     // its reader thread stops (in the destructor) before anything it reaches goes away
    DeviceChoice choice_;       // the KORVELT the commands go to
    DevicePresenter presenter_; // after the session it presents
};

} // namespace korvelt
