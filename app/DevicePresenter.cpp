#include "app/DevicePresenter.h"

#include "app/Guarded.h"

#include "core/DeviceClock.h"
#include "text/CellText.h"
#include "text/CheckText.h"
#include "text/ClockText.h"
#include "text/DifferenceText.h"
#include "text/QtDateTime.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace korvelt {

namespace {

// What a user can do when a KORVELT is present but cannot be opened.
QString AccessHint()
{
#ifdef Q_OS_WIN
    return QCoreApplication::translate("DevicePresenter", "Close any other program that is using it, then try again.");
#else
    //: Keep the file name, the folder and the command as they are
    return QCoreApplication::translate("DevicePresenter",
                                       "Install the rule 60-korvelt.rules into /etc/udev/rules.d, run "
                                       "\"sudo udevadm control --reload-rules && sudo udevadm trigger\" "
                                       "and plug the KORVELT in again.");
#endif
}

// What a command was doing, as each message about it says it: one sentence for each, with
// and without the block the request was for (0 holds the settings, 1 to 64 the slots).
struct DoingTexts {
    const char *Progress;           // the status while it runs
    const char *ProgressAt;         // the same, at a block
    const char *StoppedAnswering;   // the KORVELT stopped answering meanwhile
    const char *StoppedAnsweringAt; // the same, at a block
    const char *Unplugged;          // the KORVELT was unplugged meanwhile
    const char *UnpluggedAt;        // the same, at a block
};

enum class Doing { Write, Verify, Compare, Read, SetClock, ReadClock };

//: Status texts and messages of a command on the KORVELT; %1 is the block's number, %2 the last
//: block's
constexpr std::array<DoingTexts, 6> DoingTable{{
    {QT_TRANSLATE_NOOP("DevicePresenter", "Writing to KORVELT"),
     QT_TRANSLATE_NOOP("DevicePresenter", "Writing to KORVELT: block %1 of %2"),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while writing. Check the cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while writing (block %1 of %2). Check the "
                                          "cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while writing. Plug it in and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while writing (block %1 of %2). Plug it in and try "
                                          "again.")},
    {QT_TRANSLATE_NOOP("DevicePresenter", "Checking what was written"),
     QT_TRANSLATE_NOOP("DevicePresenter", "Checking what was written: block %1 of %2"),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while checking what was written. Check the cable "
                                          "and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while checking what was written (block %1 of "
                                          "%2). Check the cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while checking what was written. Plug it in and "
                                          "try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while checking what was written (block %1 of %2). "
                                          "Plug it in and try again.")},
    {QT_TRANSLATE_NOOP("DevicePresenter", "Comparing with KORVELT"),
     QT_TRANSLATE_NOOP("DevicePresenter", "Comparing with KORVELT: block %1 of %2"),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while reading. Check the cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while reading (block %1 of %2). Check the "
                                          "cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while reading. Plug it in and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while reading (block %1 of %2). Plug it in and try "
                                          "again.")},
    {QT_TRANSLATE_NOOP("DevicePresenter", "Reading from KORVELT"),
     QT_TRANSLATE_NOOP("DevicePresenter", "Reading from KORVELT: block %1 of %2"),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while reading. Check the cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while reading (block %1 of %2). Check the "
                                          "cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while reading. Plug it in and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while reading (block %1 of %2). Plug it in and try "
                                          "again.")},
    {QT_TRANSLATE_NOOP("DevicePresenter", "Setting the KORVELT clock"),
     QT_TRANSLATE_NOOP("DevicePresenter", "Setting the KORVELT clock: block %1 of %2"),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while setting the clock. Check the cable and "
                                          "try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while setting the clock (block %1 of %2). Check "
                                          "the cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while setting the clock. Plug it in and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while setting the clock (block %1 of %2). Plug it "
                                          "in and try again.")},
    {QT_TRANSLATE_NOOP("DevicePresenter", "Reading the KORVELT clock"),
     QT_TRANSLATE_NOOP("DevicePresenter", "Reading the KORVELT clock: block %1 of %2"),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while reading the clock. Check the cable and "
                                          "try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT stopped answering while reading the clock (block %1 of %2). Check "
                                          "the cable and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while reading the clock. Plug it in and try again."),
     QT_TRANSLATE_NOOP("DevicePresenter", "KORVELT was unplugged while reading the clock (block %1 of %2). Plug it "
                                          "in and try again.")},
}};

Doing DoingOf(SessionCommand command, bool verifying, bool comparing)
{
    switch (command) {
    case SessionCommand::Write:
        return verifying ? Doing::Verify : Doing::Write;
    case SessionCommand::Read:
        return comparing ? Doing::Compare : Doing::Read;
    case SessionCommand::SetClock:
        return Doing::SetClock;
    case SessionCommand::ReadClock:
        return Doing::ReadClock;
    }
    return Doing::Write;
}

// One of a command's texts, at block `block` when it is one (0 and up).
QString DoingText(Doing doing, const char *DoingTexts::*plain, const char *DoingTexts::*at, int block)
{
    const DoingTexts &texts = DoingTable.at(static_cast<std::size_t>(doing));
    if (block < 0) {
        return QCoreApplication::translate("DevicePresenter", texts.*plain);
    }
    return QCoreApplication::translate("DevicePresenter", texts.*at).arg(block).arg(BlockCount - 1);
}

// Where a schedule differs: the place alone, as the refusal to write names it.
QString DifferencePlace(const ScheduleDifference &difference)
{
    using Part = ScheduleDifference::Part;
    switch (difference.Where) {
    case Part::DaylightSaving:
        //: A place where the KORVELT's schedule differs: its daylight-saving rule
        return QCoreApplication::translate("DevicePresenter", "Daylight Saving");
    case Part::SpecialDate:
        //: A place where the KORVELT's schedule differs; %1 is the special date's number, 1 to 16
        return QCoreApplication::translate("DevicePresenter", "Special date %1").arg(difference.Index + 1);
    case Part::NormalSlot:
    case Part::SpecialSlot:
        return SlotPlaceText(difference.Output, difference.Where == Part::SpecialSlot, difference.Index);
    }
    return {};
}

// A box's text: its first line, one line for each of the first eight items, how many more
// there are, and its last line.
template <typename Item, typename LineOf>
QString ListedText(const QString &first, const std::vector<Item> &items, LineOf lineOf, const QString &last)
{
    constexpr std::size_t MaxLines = 8;
    QStringList lines{first};
    for (std::size_t i = 0; i < items.size() && i < MaxLines; ++i) {
        lines << lineOf(items.at(i));
    }
    if (items.size() > MaxLines) {
        const auto more = static_cast<int>(items.size() - MaxLines);
        //: The last line of a list cut short
        lines << (more == 1 ? QCoreApplication::translate("DevicePresenter", "... and 1 more.")
                            //: The last line of a list cut short; %n is how many lines were left out
                            : QCoreApplication::translate("DevicePresenter", "... and %n more.", nullptr, more));
    }
    lines << last;
    return lines.join(QLatin1Char('\n'));
}

QString NotHeldFirstLine()
{
    //: First line of a message after a write that did not read back as written
    return QCoreApplication::translate("DevicePresenter", "The KORVELT does not hold what was written");
}

QString NotHeldLastLine()
{
    return QCoreApplication::translate("DevicePresenter", "Write again; if it stays so, the KORVELT may need service.");
}

} // namespace

DevicePresenter::DevicePresenter(DeviceSession &session, DeviceChoice &choice, StatusArea &status, UserDialogs &dialogs,
                                 std::function<QDateTime()> now, std::function<TDateTime()> clockValue,
                                 DeviceWindowHooks hooks, QObject *parent)
    : QObject(parent), session_(session), choice_(choice), status_(status), dialogs_(dialogs), now_(std::move(now)),
      clockValue_(std::move(clockValue)), hooks_(std::move(hooks))
{
    const auto guarded = [this](auto handler) {
        return [this, handler](const auto &...results) { Guarded([&] { handler(results...); }); };
    };
    connect(&session_, &DeviceSession::Progress, this,
            guarded([this](const SessionProgress &progress) { Progress(progress); }));
    connect(&session_, &DeviceSession::Identified, this,
            guarded([this](const DeviceIdentity &identity) { Identified(identity); }));
    connect(&session_, &DeviceSession::DownloadDone, this, guarded([this](bool verified) { DownloadDone(verified); }));
    connect(&session_, &DeviceSession::ReadDone, this, guarded([this](const ScheduleModel &read) { ReadDone(read); }));
    connect(&session_, &DeviceSession::ClockRead, this,
            guarded([this](double date, double time) { ClockRead(date, time); }));
    connect(&session_, &DeviceSession::Cancelled, this, guarded([this] {
        if (session_.Command() == SessionCommand::Write && !session_.Verifying()) {
            choice_.StoppedHalfWritten();
        }
        status_.ShowStatus(CancelledText());
        status_.ClearProgress();
    }));
    connect(&session_, &DeviceSession::Failed, this, guarded([this](const SessionError &error) { Failed(error); }));
}

void DevicePresenter::Guarded(const std::function<void()> &handler)
{
    korvelt::Guarded(dialogs_, handler);
}

bool DevicePresenter::Settle()
{
    if (!choice_.Settle()) {
        return false;
    }
    if (const std::optional<KorveltUnit> &chosen = choice_.Chosen(); chosen && chosen->Identity) {
        status_.ShowConnection(ConnectionText(*chosen->Identity));
    }
    return true;
}

void DevicePresenter::StartWrite(const ScheduleModel &schedule, bool verify)
{
    if (!Settle()) {
        return;
    }
    status_.ClearCommandStatus();
    writing_ = schedule;
    session_.StartDownload(schedule, verify);
}

void DevicePresenter::Write(const ScheduleModel &schedule, bool verify,
                            const std::function<bool()> &mayWriteWithMistakes)
{
    if (const std::vector<UnsendableValue> unsendable = FindUnsendableValues(schedule); !unsendable.empty()) {
        ShowWriteRefused(unsendable);
    } else if (mayWriteWithMistakes()) {
        StartWrite(schedule, verify);
    }
}

bool DevicePresenter::MayStopToClose()
{
    if (!session_.Busy()) {
        return choice_.MayClose();
    }
    // Writing: the KORVELT is left half-written when it stops. Checking what was written, or
    // any other command, changes nothing on the KORVELT when it stops.
    if (session_.Command() == SessionCommand::Write && !session_.Verifying() &&
        !dialogs_.AskYesNo(tr("A write to the KORVELT is under way. If you stop it now, the KORVELT holds part of the "
                              "old and part of the new schedule. Stop and close?"))) {
        return false;
    }
    session_.Cancel(); // the command may have ended while the question was open
    return true;
}

void DevicePresenter::StartRead(ReadPurpose purpose)
{
    if (!Settle()) {
        return;
    }
    purpose_ = purpose;
    status_.ClearCommandStatus();
    session_.StartRead();
}

void DevicePresenter::StartSetClock()
{
    if (!Settle()) {
        return;
    }
    status_.ClearCommandStatus();
    // Asked when the KORVELT has answered, not now.
    session_.StartSetClock(clockValue_);
}

void DevicePresenter::StartReadClock()
{
    if (!Settle()) {
        return;
    }
    status_.ClearCommandStatus();
    session_.StartReadClock();
}

void DevicePresenter::Cancel()
{
    session_.Cancel();
}

void DevicePresenter::ShowWriteRefused(const std::vector<UnsendableValue> &values)
{
    dialogs_.ShowError(ListedText(tr("Nothing was written: the KORVELT cannot hold these values."), values,
                                  UnsendableText, tr("Correct them and write again.")));
}

QString DevicePresenter::CancelledText() const
{
    if (session_.Command() != SessionCommand::Write) {
        //: Status: a command was stopped and nothing on the KORVELT changed
        return tr("Cancelled");
    }
    //: Status: checking what was written was stopped
    return session_.Verifying() ? tr("Written, not verified (cancelled)")
                                //: Status: a write was stopped half-way
                                : tr("Cancelled: the KORVELT holds part of the old and part of the new schedule. "
                                     "Write again.");
}

void DevicePresenter::Progress(const SessionProgress &progress)
{
    status_.ShowProgress(progress.Step, progress.Total);
    const Doing doing = DoingOf(progress.Command, progress.Verifying, purpose_ == ReadPurpose::Compare);
    status_.ShowStatus(DoingText(doing, &DoingTexts::Progress, &DoingTexts::ProgressAt, progress.Block));
}

void DevicePresenter::Identified(const DeviceIdentity &identity)
{
    status_.ShowConnection(ConnectionText(identity));
    identityShown_ = true;
    lastIdentity_ = identity;
    choice_.Identified(identity);
    status_.ShowDeviceLog(DeviceLogLines(identity));
}

QString DevicePresenter::ConnectionText(const DeviceIdentity &identity)
{
    //: The KORVELT that answered: %1 is its firmware version, %2 its serial number
    return tr("%1, serial %2").arg(FromDevice(identity.Version)).arg(identity.SerialNumber);
}

QStringList DevicePresenter::DeviceLogLines(const DeviceIdentity &identity)
{
    //: Device log: %1 is the KORVELT's firmware version; "Vuradod" is the maker's own word
    return {tr("Vuradod Version:%1").arg(FromDevice(identity.Version)),
            //: Device log: %1 is the KORVELT's serial number
            tr("Serial Number: %1").arg(identity.SerialNumber)};
}

void DevicePresenter::DownloadDone(bool verified)
{
    choice_.WrittenWhole();
    written_ = writing_;
    writtenVerified_ = verified;
    status_.ShowStatus(WrittenText(true));
    ScheduleChanged(hooks_.Schedule()); // edited while it was written
    hooks_.ScheduleWritten(lastIdentity_);
    //: Message after a write to the KORVELT
    dialogs_.ShowInformation(tr("Download Complete"));
}

QString DevicePresenter::WrittenText(bool same) const
{
    if (!same) {
        //: Status: the window's schedule was edited, loaded or undone after it was written
        return tr("The schedule has changed since it was written to the KORVELT");
    }
    //: Status after a write that was read back
    return writtenVerified_ ? tr("Verified: the KORVELT holds this schedule")
                            //: Status after a write that was not read back
                            : tr("Written, not verified");
}

void DevicePresenter::ScheduleChanged(const ScheduleModel &schedule)
{
    // Only a status that still tells of the last write follows; any other says what it says.
    const QString shown = status_.Status();
    if (!written_ || (shown != WrittenText(true) && shown != WrittenText(false))) {
        return;
    }
    status_.ShowStatus(WrittenText(CompareSchedules(*written_, schedule).empty()));
}

void DevicePresenter::ReadDone(const ScheduleModel &read)
{
    if (purpose_ == ReadPurpose::Compare) {
        Compared(read);
        return;
    }
    // No snapshot: a schedule read from the device counts as unsaved.
    hooks_.ScheduleRead(read, lastIdentity_);
    //: Status after a read
    status_.ShowStatus(tr("Read from KORVELT"));
    dialogs_.ShowInformation(tr("Read Complete"));
}

void DevicePresenter::Compared(const ScheduleModel &read)
{
    const ScheduleModel window = hooks_.Schedule();
    const std::vector<ScheduleDifference> differences = CompareSchedules(window, read);
    const auto count = static_cast<int>(differences.size());
    //: Status after a comparison
    status_.ShowStatus(count == 0   ? tr("Identical to the KORVELT")
                       : count == 1 ? tr("1 difference from the KORVELT")
                                    //: Status after a comparison; %n is how many differences
                                    : tr("%n differences from the KORVELT", nullptr, count));
    // Taking the device's schedule replaces the window's, so unsaved changes are asked about;
    // cancelling that question goes back to the comparison, the read kept.
    using Choice = UserDialogs::Comparison::Choice;
    for (UserDialogs::Comparison answer;
         (answer = dialogs_.ShowComparison(window, read, differences)).Chosen != Choice::Keep;) {
        if (answer.Chosen == Choice::GoTo) {
            hooks_.GoToDifference(answer.Place);
            return;
        }
        if (hooks_.MayReplaceSchedule()) {
            hooks_.ScheduleTaken(read, lastIdentity_);
            //: Status: the window took the schedule read from the KORVELT
            status_.ShowStatus(tr("The KORVELT's schedule was taken"));
            return;
        }
    }
}

void DevicePresenter::ClockRead(TDateTime date, TDateTime time)
{
    // Read Time does not ask the KORVELT who it is, but it did answer.
    if (!identityShown_) {
        status_.ShowConnection(tr("KORVELT connected"));
    }
    if (UnreadableClockBytes(date, time)) {
        status_.ShowStatus(tr("The KORVELT's clock holds no valid time"));
        dialogs_.ShowError(ClockMessageText(date, time));
        return;
    }
    const QDateTime now = now_();
    const QDateTime device(ToQDate(date), ToQTime(time));
    //: Status after Read Time: %1 is the computer's time, %2 how far the KORVELT's clock is from it
    status_.ShowStatus(tr("PC %1: %2")
                           .arg(QLocale().toString(now.time(), DefaultCellTextCodec().TimeFormat()),
                                ClockDifferenceText(device.secsTo(now))));
    dialogs_.ShowInformation(ClockMessageText(date, time));
}

bool DevicePresenter::HalfWritten(const SessionError &error)
{
    return error.Command == SessionCommand::Write && !error.Verifying && choice_.StoppedHalfWritten();
}

void DevicePresenter::Failed(const SessionError &error)
{
    identityShown_ = false;
    const auto status = [this](const QString &text) { status_.ShowStatus(text); };
    const auto connection = [this](const QString &text) { status_.ShowConnection(text); };
    const Doing doing = DoingOf(error.Command, error.Verifying, purpose_ == ReadPurpose::Compare);
    switch (error.Reason) {
    case SessionFailure::NotFound: {
        //: %1 is the system's reason, %2 what to do about it
        const QString text = error.Detail.empty()
                                 ? tr("Cannot find KORVELT")
                                 : tr("Cannot find KORVELT\nA KORVELT was found but could not be opened (%1). %2")
                                       .arg(QString::fromLocal8Bit(error.Detail.c_str()), AccessHint());
        connection(tr("No KORVELT found"));
        status(tr("Cannot find KORVELT"));
        dialogs_.ShowError(text);
        return;
    }
    case SessionFailure::ProgramMode:
        //: The KORVELT is being set up at its own keys and takes no commands
        connection(tr("Program Mode"));
        status(tr("KORVELT is in Program Mode"));
        dialogs_.ShowError(tr("KORVELT is in Program Mode"));
        return;
    case SessionFailure::NotAKorvelt:
        connection(tr("Not a KORVELT time controller"));
        status(tr("Stopped: not a KORVELT time controller"));
        dialogs_.ShowError(tr("Application is not a KORVELT Time Control"));
        return;
    case SessionFailure::InvalidScheduleData:
        if (error.Verifying) {
            // What was written does not read back as a schedule: a fault of the write.
            status(tr("Not verified"));
            //: %1 is the block's number
            const QString place =
                error.Erased ? tr("block %1 reads back as erased memory").arg(error.Block)
                             //: %1 is the block's number
                             : tr("block %1 reads back as values that are not times or dates").arg(error.Block);
            dialogs_.ShowError(ListedText(
                NotHeldFirstLine(), std::vector<QString>{place}, [](const QString &line) { return line; },
                NotHeldLastLine()));
            return;
        }
        status(tr("Read failed"));
        //: %1 is the block's number
        dialogs_.ShowError(tr("KORVELT sent invalid schedule data.\nBlock %1").arg(error.Block));
        return;
    case SessionFailure::TimedOut:
        connection(tr("KORVELT not answering"));
        status(HalfWritten(error) ? tr("Stopped, no answer: the KORVELT holds part of the old and part of the "
                                       "new schedule. Write again.")
                                  : tr("Stopped: no answer"));
        dialogs_.ShowError(
            DoingText(doing, &DoingTexts::StoppedAnswering, &DoingTexts::StoppedAnsweringAt, error.Block));
        return;
    case SessionFailure::Unplugged:
        connection(tr("No KORVELT connected"));
        status(HalfWritten(error) ? tr("Stopped, unplugged: the KORVELT holds part of the old and part of the "
                                       "new schedule. Write again.")
                                  : tr("Stopped: unplugged"));
        dialogs_.ShowError(DoingText(doing, &DoingTexts::Unplugged, &DoingTexts::UnpluggedAt, error.Block));
        return;
    case SessionFailure::NotVerified:
        status(tr("Not verified"));
        dialogs_.ShowError(ListedText(NotHeldFirstLine(), error.Differences, DifferencePlace, NotHeldLastLine()));
        return;
    }
}

} // namespace korvelt
