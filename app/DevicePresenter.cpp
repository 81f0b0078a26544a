#include "app/DevicePresenter.h"

#include "app/Guarded.h"

#include "core/DeviceClock.h"
#include "text/CellText.h"
#include "text/CheckText.h"
#include "text/ClockText.h"
#include "text/DifferenceText.h"
#include "text/QtDateTime.h"

#include <utility>

namespace korvelt {

namespace {

QString FromDevice(const std::string &text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// What a user can do when a KORVELT is present but cannot be opened.
QString AccessHint()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Close any other program that is using it, then try again.");
#else
    return QStringLiteral("Install the rule 60-korvelt.rules into /etc/udev/rules.d, run "
                          "\"sudo udevadm control --reload-rules && sudo udevadm trigger\" "
                          "and plug the KORVELT in again.");
#endif
}

// What a command was doing, as the end of "... stopped answering while ...".
QString Doing(SessionCommand command, bool verifying)
{
    switch (command) {
    case SessionCommand::Write:
        return verifying ? QStringLiteral("checking what was written") : QStringLiteral("writing");
    case SessionCommand::Read:
        return QStringLiteral("reading");
    case SessionCommand::SetClock:
        return QStringLiteral("setting the clock");
    case SessionCommand::ReadClock:
        return QStringLiteral("reading the clock");
    }
    return {};
}

// The block a request was for, as the user counts them: 0 holds the settings, 1 to 64 the slots.
QString OfBlocks(int block)
{
    return QStringLiteral("block %1 of %2").arg(block).arg(BlockCount - 1);
}

// Where a schedule differs: the place alone, as the refusal to write names it.
QString DifferencePlace(const ScheduleDifference &difference)
{
    using Part = ScheduleDifference::Part;
    switch (difference.Where) {
    case Part::DaylightSaving:
        return QStringLiteral("Daylight Saving");
    case Part::SpecialDate:
        return QStringLiteral("Special date %1").arg(difference.Index + 1);
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
        lines << QStringLiteral("... and %1 more.").arg(items.size() - MaxLines);
    }
    lines << last;
    return lines.join(QLatin1Char('\n'));
}

const QString NotHeldFirstLine = QStringLiteral("The KORVELT does not hold what was written");
const QString NotHeldLastLine = QStringLiteral("Write again; if it stays so, the KORVELT may need service.");

} // namespace

DevicePresenter::DevicePresenter(DeviceSession &session, CommandPanel &panel, UserDialogs &dialogs,
                                 std::function<QDateTime()> now, DeviceWindowHooks hooks, QObject *parent)
    : QObject(parent), session_(session), panel_(panel), dialogs_(dialogs), now_(std::move(now)),
      hooks_(std::move(hooks))
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
        panel_.StatusLabel.setText(CancelledText());
        panel_.ProgressBar.reset();
    }));
    connect(&session_, &DeviceSession::Failed, this, guarded([this](const SessionError &error) { Failed(error); }));
}

void DevicePresenter::Guarded(const std::function<void()> &handler)
{
    korvelt::Guarded(dialogs_, handler);
}

void DevicePresenter::StartWrite(const ScheduleModel &schedule, bool verify)
{
    panel_.ClearCommandStatus();
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
        return true;
    }
    // Writing: the KORVELT is left half-written when it stops. Checking what was written, or
    // any other command, changes nothing on the KORVELT when it stops.
    if (session_.Command() == SessionCommand::Write && !session_.Verifying() &&
        !dialogs_.AskYesNo(QStringLiteral("A write to the KORVELT is under way. If you stop it now, the KORVELT "
                                          "holds part of the old and part of the new schedule. Stop and close?"))) {
        return false;
    }
    session_.Cancel(); // the command may have ended while the question was open
    return true;
}

void DevicePresenter::StartRead(ReadPurpose purpose)
{
    purpose_ = purpose;
    panel_.ClearCommandStatus();
    session_.StartRead();
}

void DevicePresenter::StartSetClock()
{
    panel_.ClearCommandStatus();
    // Asked when the KORVELT has answered, not now.
    session_.StartSetClock([this] { return panel_.ClockValueToSend(); });
}

void DevicePresenter::StartReadClock()
{
    panel_.ClearCommandStatus();
    session_.StartReadClock();
}

void DevicePresenter::Cancel()
{
    session_.Cancel();
}

void DevicePresenter::ShowWriteRefused(const std::vector<UnsendableValue> &values)
{
    dialogs_.ShowError(ListedText(QStringLiteral("Nothing was written: the KORVELT cannot hold these values."), values,
                                  UnsendableText, QStringLiteral("Correct them and write again.")));
}

QString DevicePresenter::CancelledText() const
{
    if (session_.Command() != SessionCommand::Write) {
        return QStringLiteral("Cancelled"); // nothing on the KORVELT changed
    }
    return session_.Verifying() ? QStringLiteral("Written, not verified (cancelled)")
                                : QStringLiteral("Cancelled: the KORVELT holds part of the old and part of the new "
                                                 "schedule. Write again.");
}

void DevicePresenter::Progress(const SessionProgress &progress)
{
    panel_.ProgressBar.setRange(0, progress.Total);
    panel_.ProgressBar.setValue(progress.Step);
    QString doing;
    switch (progress.Command) {
    case SessionCommand::Write:
        doing = progress.Verifying ? QStringLiteral("Checking what was written") : QStringLiteral("Writing to KORVELT");
        break;
    case SessionCommand::Read:
        doing = purpose_ == ReadPurpose::Compare ? QStringLiteral("Comparing with KORVELT")
                                                 : QStringLiteral("Reading from KORVELT");
        break;
    case SessionCommand::SetClock:
        doing = QStringLiteral("Setting the KORVELT clock");
        break;
    case SessionCommand::ReadClock:
        doing = QStringLiteral("Reading the KORVELT clock");
        break;
    }
    panel_.StatusLabel.setText(progress.Block < 0 ? doing : doing + QStringLiteral(": ") + OfBlocks(progress.Block));
}

void DevicePresenter::Identified(const DeviceIdentity &identity)
{
    panel_.ConnectionLabel.setText(
        QStringLiteral("%1, serial %2").arg(FromDevice(identity.Version)).arg(identity.SerialNumber));
    identityShown_ = true;
    lastIdentity_ = identity;
    panel_.LogMemo.clear();
    panel_.LogMemo.appendPlainText(QStringLiteral("Vuradod Version:") + FromDevice(identity.Version));
    panel_.LogMemo.appendPlainText(QStringLiteral("Serial Number: %1").arg(identity.SerialNumber));
}

void DevicePresenter::DownloadDone(bool verified)
{
    panel_.StatusLabel.setText(verified ? QStringLiteral("Verified: the KORVELT holds this schedule")
                                        : QStringLiteral("Written, not verified"));
    hooks_.ScheduleWritten(lastIdentity_);
    dialogs_.ShowInformation(QStringLiteral("Download Complete"));
}

void DevicePresenter::ReadDone(const ScheduleModel &read)
{
    if (purpose_ == ReadPurpose::Compare) {
        Compared(read);
        return;
    }
    // No snapshot: a schedule read from the device counts as unsaved.
    hooks_.ScheduleRead(read, lastIdentity_);
    panel_.StatusLabel.setText(QStringLiteral("Read from KORVELT"));
    dialogs_.ShowInformation(QStringLiteral("Read Complete"));
}

void DevicePresenter::Compared(const ScheduleModel &read)
{
    const ScheduleModel window = hooks_.Schedule();
    const std::vector<ScheduleDifference> differences = CompareSchedules(window, read);
    panel_.StatusLabel.setText(differences.empty() ? QStringLiteral("Identical to the KORVELT")
                               : differences.size() == 1
                                   ? QStringLiteral("1 difference from the KORVELT")
                                   : QStringLiteral("%1 differences from the KORVELT").arg(differences.size()));
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
            panel_.StatusLabel.setText(QStringLiteral("The KORVELT's schedule was taken"));
            return;
        }
    }
}

void DevicePresenter::ClockRead(TDateTime date, TDateTime time)
{
    // Read Time does not ask the KORVELT who it is, but it did answer.
    if (!identityShown_) {
        panel_.ConnectionLabel.setText(QStringLiteral("KORVELT connected"));
    }
    if (UnreadableClockBytes(date, time)) {
        panel_.StatusLabel.setText(QStringLiteral("The KORVELT's clock holds no valid time"));
        dialogs_.ShowError(ClockMessageText(date, time));
        return;
    }
    const QDateTime now = now_();
    const QDateTime device(ToQDate(date), ToQTime(time));
    panel_.StatusLabel.setText(QStringLiteral("PC %1: %2")
                                   .arg(QLocale().toString(now.time(), DefaultCellTextCodec().TimeFormat()),
                                        ClockDifferenceText(device.secsTo(now))));
    dialogs_.ShowInformation(ClockMessageText(date, time));
}

void DevicePresenter::Failed(const SessionError &error)
{
    identityShown_ = false;
    StatusText &status = panel_.StatusLabel;
    StatusText &connection = panel_.ConnectionLabel;
    const QString where = error.Block >= 0 ? QStringLiteral(" (%1)").arg(OfBlocks(error.Block)) : QString();
    switch (error.Reason) {
    case SessionFailure::NotFound: {
        QString text = QStringLiteral("Cannot find KORVELT");
        if (!error.Detail.empty()) {
            text += QStringLiteral("\nA KORVELT was found but could not be opened (%1). %2")
                        .arg(QString::fromLocal8Bit(error.Detail.c_str()), AccessHint());
        }
        connection.setText(QStringLiteral("No KORVELT found"));
        status.setText(QStringLiteral("Cannot find KORVELT"));
        dialogs_.ShowError(text);
        return;
    }
    case SessionFailure::ProgramMode:
        connection.setText(QStringLiteral("Program Mode"));
        status.setText(QStringLiteral("KORVELT is in Program Mode"));
        dialogs_.ShowError(QStringLiteral("KORVELT is in Program Mode"));
        return;
    case SessionFailure::NotAKorvelt:
        connection.setText(QStringLiteral("Not a KORVELT time controller"));
        status.setText(QStringLiteral("Stopped: not a KORVELT time controller"));
        dialogs_.ShowError(QStringLiteral("Application is not a KORVELT Time Control"));
        return;
    case SessionFailure::InvalidScheduleData:
        if (error.Verifying) {
            // What was written does not read back as a schedule: a fault of the write.
            status.setText(QStringLiteral("Not verified"));
            const QString place =
                error.Erased
                    ? QStringLiteral("block %1 reads back as erased memory").arg(error.Block)
                    : QStringLiteral("block %1 reads back as values that are not times or dates").arg(error.Block);
            dialogs_.ShowError(ListedText(
                NotHeldFirstLine, std::vector<QString>{place}, [](const QString &line) { return line; },
                NotHeldLastLine));
            return;
        }
        status.setText(QStringLiteral("Read failed"));
        dialogs_.ShowError(QStringLiteral("KORVELT sent invalid schedule data.\nBlock %1").arg(error.Block));
        return;
    case SessionFailure::TimedOut:
        connection.setText(QStringLiteral("KORVELT not answering"));
        status.setText(QStringLiteral("Stopped: no answer"));
        dialogs_.ShowError(QStringLiteral("KORVELT stopped answering while %1%2. Check the cable and try again.")
                               .arg(Doing(error.Command, error.Verifying), where));
        return;
    case SessionFailure::Unplugged:
        connection.setText(QStringLiteral("No KORVELT connected"));
        status.setText(QStringLiteral("Stopped: unplugged"));
        dialogs_.ShowError(QStringLiteral("KORVELT was unplugged while %1%2. Plug it in and try again.")
                               .arg(Doing(error.Command, error.Verifying), where));
        return;
    case SessionFailure::NotVerified:
        status.setText(QStringLiteral("Not verified"));
        dialogs_.ShowError(ListedText(NotHeldFirstLine, error.Differences, DifferencePlace, NotHeldLastLine));
        return;
    }
}

} // namespace korvelt
