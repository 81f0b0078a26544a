#pragma once

#include "app/DeviceChoice.h"
#include "app/StatusArea.h"
#include "app/UserDialogs.h"
#include "core/ScheduleModel.h"
#include "core/SendCheck.h"
#include "device/DeviceSession.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

namespace korvelt {

// What a read from the KORVELT is for.
enum class ReadPurpose {
    Load,    // its schedule replaces the window's
    Compare, // its schedule is compared with the window's, which stays as it is
};

// What the presenter asks of the window that owns the schedule. Every hook is required.
struct DeviceWindowHooks {
    // The window's schedule as last stored, which a comparison compares with.
    std::function<ScheduleModel()> Schedule;
    // Before the window's schedule is replaced: true when it may be (unsaved changes were
    // saved or given up).
    std::function<bool()> MayReplaceSchedule;
    // A read put this schedule into the window; it came from `device`.
    std::function<void(const ScheduleModel &read, const std::optional<DeviceIdentity> &device)> ScheduleRead;
    // After a comparison the user took the KORVELT's schedule into the window.
    std::function<void(const ScheduleModel &taken, const std::optional<DeviceIdentity> &device)> ScheduleTaken;
    // The window's schedule was written to `device`.
    std::function<void(const std::optional<DeviceIdentity> &device)> ScheduleWritten;
    // A line of the comparison was clicked: the window shows the place of that difference.
    std::function<void(const ScheduleDifference &place)> GoToDifference;
};

// Starts the device commands on the session and turns their results into what the user sees:
// the identity in the log, the connection and status texts, the progress, and the boxes.
class DevicePresenter : public QObject {
    Q_OBJECT

public:
    // The connection line for the KORVELT that answered.
    [[nodiscard]] static QString ConnectionText(const DeviceIdentity &identity);
    // The device log's lines for the KORVELT that answered.
    [[nodiscard]] static QStringList DeviceLogLines(const DeviceIdentity &identity);

    // `clockValue` gives the moment Set Time sends, asked when the KORVELT has answered.
    DevicePresenter(DeviceSession &session, DeviceChoice &choice, StatusArea &status, UserDialogs &dialogs,
                    std::function<QDateTime()> now, std::function<TDateTime()> clockValue, DeviceWindowHooks hooks,
                    QObject *parent = nullptr);

    void StartWrite(const ScheduleModel &schedule, bool verify);
    // Write: the schedule goes only when the KORVELT can hold every value as it stands, and
    // when `mayWriteWithMistakes` (asked only then) lets its mistakes go too.
    void Write(const ScheduleModel &schedule, bool verify, const std::function<bool()> &mayWriteWithMistakes);
    // Closing while a command runs: a write is stopped only when the user says so; any other
    // command is cancelled. Closing while a KORVELT is left half-written: only when the user
    // does not write it first. False: the window stays open.
    bool MayStopToClose();
    // The window's schedule is now `schedule`: a status that says what the KORVELT holds of
    // it follows.
    void ScheduleChanged(const ScheduleModel &schedule);
    // The window has decided before: a read that loads may replace its schedule; for a
    // comparison, its schedule is stored.
    void StartRead(ReadPurpose purpose);
    void StartSetClock();
    void StartReadClock();
    void Cancel();
    // Nothing was written because the KORVELT cannot hold these values.
    void ShowWriteRefused(const std::vector<UnsendableValue> &values);

    // The purpose of the read under way or last started.
    [[nodiscard]] ReadPurpose Purpose() const { return purpose_; }
    // The KORVELT that answered last in this run.
    [[nodiscard]] const std::optional<DeviceIdentity> &LastIdentity() const { return lastIdentity_; }

private:
    // Runs a result's handler; an exception it throws is shown in an error box.
    void Guarded(const std::function<void()> &handler);
    [[nodiscard]] QString CancelledText() const;
    void Progress(const SessionProgress &progress);
    void Identified(const DeviceIdentity &identity);
    void DownloadDone(bool verified);
    void ReadDone(const ScheduleModel &read);
    void Compared(const ScheduleModel &read);
    void ClockRead(TDateTime date, TDateTime time);
    void Failed(const SessionError &error);
    // A write stopped by `error` left the KORVELT half-written; it is remembered so.
    bool HalfWritten(const SessionError &error);
    // A command may start: the KORVELT it goes to is settled, and the connection names it.
    bool Settle();
    // The status after a write: what the KORVELT holds of the window's schedule.
    [[nodiscard]] QString WrittenText(bool same) const;

    DeviceSession &session_;
    DeviceChoice &choice_;
    StatusArea &status_;
    UserDialogs &dialogs_;
    std::function<QDateTime()> now_;
    std::function<TDateTime()> clockValue_;
    DeviceWindowHooks hooks_;
    ReadPurpose purpose_ = ReadPurpose::Load;
    std::optional<DeviceIdentity> lastIdentity_;
    bool identityShown_ = false; // the connection status names the KORVELT
    ScheduleModel writing_{};    // what the write under way, or the last one, sends
    // What the last write that completed left on the KORVELT, and whether it was read back.
    std::optional<ScheduleModel> written_;
    bool writtenVerified_ = false;
};

} // namespace korvelt
