#pragma once

#include "core/DateTime.h"
#include "app/MainActions.h"
#include "app/StatusArea.h"
#include "app/StatusText.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTimeEdit>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace korvelt {

// The panel along the bottom of the main window: the file and device command buttons, the
// device log, the clock controls and the status area (the device found, what the last
// command did or is doing, its progress, the file). The clock pickers follow the PC clock
// while "Use PC Time" is cleared, until the user changes one of them. The commands and the
// document speak to the status area through StatusArea alone.
class CommandPanel : public QWidget, public StatusArea {
    Q_OBJECT

public:
    // `now` gives the current date and time.
    CommandPanel(std::function<QDateTime()> now, QWidget *parent);
    CommandPanel(const CommandPanel &) = delete;
    CommandPanel &operator=(const CommandPanel &) = delete;
    CommandPanel(CommandPanel &&) = delete;
    CommandPanel &operator=(CommandPanel &&) = delete;
    ~CommandPanel() override = default;

    QPushButton LoadButton;
    QPushButton SaveButton;
    QPushButton HelpButton;
    QPushButton WriteButton;
    QPushButton ReadButton;
    QPushButton ExitButton;
    QPlainTextEdit LogMemo;
    QPushButton SetTimeButton;
    QPushButton ReadTimeButton;
    QCheckBox UsePCTimeCheckBox;
    QDateEdit SetDateDateTimePicker;
    QTimeEdit SetTimeDateTimePicker;
    QCheckBox VerifyCheckBox;
    QPushButton CompareButton;
    StatusText ConnectionLabel;
    StatusText StatusLabel;
    StatusText CheckLabel; // the schedule check's count
    QPushButton CancelButton;
    QProgressBar ProgressBar;
    StatusText FileLabel; // the file's name is what gives way when the line is too long

    // The panel's controls in the order Tab visits them: file, device, verify and compare,
    // clock, and Cancel last.
    [[nodiscard]] std::vector<QWidget *> TabOrder();

    // "Use PC Time" checked, the pickers set to now and following the PC clock.
    void StartClock();
    // After each change of "Use PC Time": the pickers are enabled exactly while it is cleared,
    // and then start from now.
    void UsePCTimeCheckBoxClick();
    // "Set Time" sends the PC clock: "Use PC Time" is checked, or the pickers still follow it.
    [[nodiscard]] bool SendsPCTime() const;
    // The moment "Set Time" sends, asked when the KORVELT has answered: the PC clock to the
    // second, or the moment chosen in the pickers.
    [[nodiscard]] TDateTime ClockValueToSend() const;

    // Each command button triggers its action, is enabled exactly while it is and shows its
    // caption. Before PlaceControls, which sizes the buttons to their captions.
    void BindCommands(MainActions &actions);
    // "Use PC Time" and "Verify" as kept between runs (a value that is not a choice is left
    // alone). "Verify" is kept as soon as it changes, "Use PC Time" by SaveChoices.
    void KeepChoicesIn(QSettings *settings);
    void SaveChoices();

    void ShowConnection(const QString &text) override { ConnectionLabel.setText(text); }
    void ShowStatus(const QString &text) override;
    [[nodiscard]] QString Status() const override { return StatusLabel.text(); }
    void ShowProgress(int step, int total) override;
    void ClearProgress() override { ProgressBar.reset(); }
    void ClearCommandStatus() override;
    void ShowDeviceLog(const QStringList &lines) override { LogMemo.setPlainText(lines.join(QLatin1Char('\n'))); }
    void ShowCheckCount(const QString &text) override { CheckLabel.setText(text); }
    void ShowFile(const QString &text, const QString &yielding, const QString &hint) override;

    // Places the controls in their designed columns, each column as wide as its longest
    // caption needs in the panel's font (a translation may need more than the design gives);
    // the columns to the right move along, and so that the check count's texts fit.
    // The device log is as wide as `logLines` need, the longest lines it is likely to show.
    // The least width the panel then needs.
    int PlaceControls(const QStringList &checkTexts = {}, const QStringList &logLines = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetCaptions();
    void PlaceStatusLines(const QString &status);
    void FollowPCClock();
    void ClockPickerChanged();

    std::function<QDateTime()> now_;
    QSettings *settings_ = nullptr;
    // Where the status area's parts start: the file, the status, the check's count, the
    // progress; and where the area ends on the right.
    struct StatusPlaces {
        int File = 0;
        int Status = 0;
        int Check = 0;
        int Progress = 0;
        int Right = 0;
    } statusPlaces_;
    QTimer clockTimer_;
    bool pickersFollowClock_ = true;
    bool followingClock_ = false; // the pickers are being set to the PC clock, not by the user
    // A click into a clock picker selects the part it landed in once the click is handled.
    QTimer selectSection_;
    QDateTimeEdit *clickedPicker_ = nullptr;
};

} // namespace korvelt
