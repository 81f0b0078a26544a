// The main window's device commands, started on the device session, and the session's
// results as the user sees them: the identity in LogMemo, boxes for the rest.
#include "text/CheckText.h"
#include "text/ClockText.h"
#include "core/DeviceClock.h"
#include "text/DifferenceText.h"
#include "text/QtDateTime.h"
#include "app/TMainForm.h"

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

} // namespace

void TMainForm::WriteButtonClick()
{
    // What is sent is what the controls show, unsaved edits included, and only when the
    // device can hold every value as it stands.
    if (!StoreAllControls()) {
        return;
    }
    const std::vector<UnsendableValue> unsendable = FindUnsendableValues(Model());
    if (!unsendable.empty()) {
        WriteRefused(unsendable);
        return;
    }
    if (!MayWriteWithMistakes()) {
        return;
    }
    ClearCommandStatus();
    session_.StartDownload(Model(), VerifyCheckBox.isChecked());
}

void TMainForm::WriteRefused(const std::vector<UnsendableValue> &values)
{
    dialogs_->ShowError(ListedText(QStringLiteral("Nothing was written: the KORVELT cannot hold these values."), values,
                                   UnsendableText, QStringLiteral("Correct them and write again.")));
}

void TMainForm::ReadButtonClick()
{
    // A read replaces the schedule in the window: unsaved changes are asked about first.
    if (MayReplaceSchedule()) {
        readForComparison_ = false;
        ClearCommandStatus();
        session_.StartRead();
    }
}

void TMainForm::CompareButtonClick()
{
    // The device is read into a copy; the window's schedule stays as it is.
    if (StoreAllControls()) {
        readForComparison_ = true;
        ClearCommandStatus();
        session_.StartRead();
    }
}

void TMainForm::ClearCommandStatus()
{
    // What an earlier command said does not stay up under the next one.
    StatusLabel.clear();
    ProgressBar.reset();
}

QString TMainForm::CancelledText() const
{
    if (session_.Command() != SessionCommand::Write) {
        return QStringLiteral("Cancelled"); // nothing on the KORVELT changed
    }
    return session_.Verifying() ? QStringLiteral("Written, not verified (cancelled)")
                                : QStringLiteral("Cancelled: the KORVELT holds part of the old and part of the new "
                                                 "schedule. Write again.");
}

void TMainForm::CancelButtonClick()
{
    session_.Cancel();
}

void TMainForm::VerifyCheckBoxClick()
{
    if (settings_ != nullptr) {
        settings_->setValue(QStringLiteral("VerifyAfterWriting"), VerifyCheckBox.isChecked());
    }
}

void TMainForm::SetTimeButtonClick()
{
    // Asked when the device has answered. The pickers are sent only when the user chose a
    // moment in them; while they follow the PC clock, the PC clock is sent to the second.
    ClearCommandStatus();
    session_.StartSetClock([this] {
        if (SendsPCTime()) {
            const QDateTime now = now_();
            return FromQDate(now.date()) + FromQTime(now.time());
        }
        return ClockValueFromPickers(FromQDate(SetDateDateTimePicker.date()), FromQTime(SetTimeDateTimePicker.time()));
    });
}

void TMainForm::ReadTimeButtonClick()
{
    ClearCommandStatus();
    session_.StartReadClock();
}

void TMainForm::ConnectDeviceSession()
{
    const auto guarded = [this](auto handler) {
        return [this, handler](const auto &...results) { Guarded([&] { handler(results...); }); };
    };
    connect(&session_, &DeviceSession::BusyChanged, this, guarded([this](bool busy) { DeviceBusyChanged(busy); }));
    connect(&session_, &DeviceSession::Progress, this,
            guarded([this](const SessionProgress &progress) { DeviceProgress(progress); }));
    connect(&session_, &DeviceSession::Identified, this,
            guarded([this](const DeviceIdentity &identity) { DeviceIdentified(identity); }));
    connect(&session_, &DeviceSession::DownloadDone, this, guarded([this](bool verified) { DeviceDownloadDone(verified); }));
    connect(&session_, &DeviceSession::ReadDone, this,
            guarded([this](const ScheduleModel &read) { DeviceReadDone(read); }));
    connect(&session_, &DeviceSession::ClockRead, this,
            guarded([this](double date, double time) { DeviceClockRead(date, time); }));
    connect(&session_, &DeviceSession::Cancelled, this, guarded([this] {
                StatusLabel.setText(CancelledText());
                ProgressBar.reset();
            }));
    connect(&session_, &DeviceSession::Failed, this,
            guarded([this](const SessionError &error) { DeviceFailed(error); }));
}

void TMainForm::DeviceBusyChanged(bool busy)
{
    // While a command runs, nothing may start another or change what it works on.
    for (QWidget *control : std::initializer_list<QWidget *>{&WriteButton, &ReadButton, &SetTimeButton, &ReadTimeButton,
                                                             &CompareButton, &LoadButton, &TimesAdvTabSheet.OutputSelector(),
                                                             &SpecialTimesAdvTabSheet1.OutputSelector()}) {
        control->setEnabled(!busy);
    }
    CancelButton.setEnabled(busy);
}

void TMainForm::DeviceProgress(const SessionProgress &progress)
{
    ProgressBar.setRange(0, progress.Total);
    ProgressBar.setValue(progress.Step);
    QString doing;
    switch (progress.Command) {
    case SessionCommand::Write:
        doing = progress.Verifying ? QStringLiteral("Checking what was written") : QStringLiteral("Writing to KORVELT");
        break;
    case SessionCommand::Read:
        doing = readForComparison_ ? QStringLiteral("Comparing with KORVELT") : QStringLiteral("Reading from KORVELT");
        break;
    case SessionCommand::SetClock:
        doing = QStringLiteral("Setting the KORVELT clock");
        break;
    case SessionCommand::ReadClock:
        doing = QStringLiteral("Reading the KORVELT clock");
        break;
    }
    StatusLabel.setText(progress.Block < 0 ? doing : doing + QStringLiteral(": ") + OfBlocks(progress.Block));
}

void TMainForm::DeviceIdentified(const DeviceIdentity &identity)
{
    ConnectionLabel.setText(QStringLiteral("%1, serial %2").arg(FromDevice(identity.Version)).arg(identity.SerialNumber));
    identityShown_ = true;
    lastIdentity_ = identity;
    LogMemo.clear();
    LogMemo.appendPlainText(QStringLiteral("Vuradod Version:") + FromDevice(identity.Version));
    LogMemo.appendPlainText(QStringLiteral("Serial Number: %1").arg(identity.SerialNumber));
}

void TMainForm::DeviceDownloadDone(bool verified)
{
    StatusLabel.setText(verified ? QStringLiteral("Verified: the KORVELT holds this schedule")
                                 : QStringLiteral("Written, not verified"));
    document_.SetDevice(lastIdentity_);
    dialogs_->ShowInformation(QStringLiteral("Download Complete"));
}

void TMainForm::DeviceReadDone(const ScheduleModel &read)
{
    if (readForComparison_) {
        readForComparison_ = false;
        const std::vector<ScheduleDifference> differences = CompareSchedules(Model(), read);
        StatusLabel.setText(differences.empty() ? QStringLiteral("Identical to the KORVELT")
                                                : QStringLiteral("%1 differences from the KORVELT").arg(differences.size()));
        // Taking the device's schedule replaces the window's, so unsaved changes are asked about;
        // cancelling that question goes back to the comparison, the read kept.
        while (dialogs_->ShowComparison(Model(), read, differences)) {
            if (MayReplaceSchedule()) {
                document_.Replace(read, QStringLiteral("Take the KORVELT's schedule"), lastIdentity_);
                StatusLabel.setText(QStringLiteral("The KORVELT's schedule was taken"));
                return;
            }
        }
        return;
    }
    // No snapshot: a schedule read from the device counts as unsaved.
    document_.Replace(read, QStringLiteral("Read From KORVELT"), lastIdentity_);
    StatusLabel.setText(QStringLiteral("Read from KORVELT"));
    dialogs_->ShowInformation(QStringLiteral("Read Complete"));
}

void TMainForm::DeviceClockRead(TDateTime date, TDateTime time)
{
    // Read Time does not ask the KORVELT who it is, but it did answer.
    if (!identityShown_) {
        ConnectionLabel.setText(QStringLiteral("KORVELT connected"));
    }
    if (UnreadableClockBytes(date, time)) {
        StatusLabel.setText(QStringLiteral("The KORVELT's clock holds no valid time"));
        dialogs_->ShowError(ClockMessageText(date, time));
        return;
    }
    const QDateTime now = now_();
    const QDateTime device(ToQDate(date), ToQTime(time));
    StatusLabel.setText(QStringLiteral("PC %1: %2").arg(QLocale().toString(now.time(), DefaultCellTextCodec().TimeFormat()),
                                                          ClockDifferenceText(device.secsTo(now))));
    dialogs_->ShowInformation(ClockMessageText(date, time));
}

void TMainForm::DeviceFailed(const SessionError &error)
{
    readForComparison_ = false;
    identityShown_ = false;
    const QString where = error.Block >= 0 ? QStringLiteral(" (%1)").arg(OfBlocks(error.Block)) : QString();
    switch (error.Reason) {
    case SessionFailure::NotFound: {
        QString text = QStringLiteral("Cannot find KORVELT");
        if (!error.Detail.empty()) {
            text += QStringLiteral("\nA KORVELT was found but could not be opened (%1). %2")
                        .arg(QString::fromLocal8Bit(error.Detail.c_str()), AccessHint());
        }
        ConnectionLabel.setText(QStringLiteral("No KORVELT found"));
        StatusLabel.setText(QStringLiteral("Cannot find KORVELT"));
        dialogs_->ShowError(text);
        return;
    }
    case SessionFailure::ProgramMode:
        ConnectionLabel.setText(QStringLiteral("Program Mode"));
        StatusLabel.setText(QStringLiteral("KORVELT is in Program Mode"));
        dialogs_->ShowError(QStringLiteral("KORVELT is in Program Mode"));
        return;
    case SessionFailure::NotAKorvelt:
        ConnectionLabel.setText(QStringLiteral("Not a KORVELT time controller"));
        StatusLabel.setText(QStringLiteral("Stopped: not a KORVELT time controller"));
        dialogs_->ShowError(QStringLiteral("Application is not a KORVELT Time Control"));
        return;
    case SessionFailure::InvalidScheduleData:
        if (error.Verifying) {
            // What was written does not read back as a schedule: a fault of the write.
            StatusLabel.setText(QStringLiteral("Not verified"));
            const QString place = error.Erased
                                      ? QStringLiteral("block %1 reads back as erased memory").arg(error.Block)
                                      : QStringLiteral("block %1 reads back as values that are not times or dates")
                                            .arg(error.Block);
            dialogs_->ShowError(ListedText(QStringLiteral("The KORVELT does not hold what was written"), std::vector<QString>{place},
                                           [](const QString &line) { return line; },
                                           QStringLiteral("Write again; if it stays so, the KORVELT may need service.")));
            return;
        }
        StatusLabel.setText(QStringLiteral("Read failed"));
        dialogs_->ShowError(QStringLiteral("KORVELT sent invalid schedule data.\nBlock %1").arg(error.Block));
        return;
    case SessionFailure::TimedOut:
        ConnectionLabel.setText(QStringLiteral("KORVELT not answering"));
        StatusLabel.setText(QStringLiteral("Stopped: no answer"));
        dialogs_->ShowError(QStringLiteral("KORVELT stopped answering while %1%2. Check the cable and try again.")
                                .arg(Doing(error.Command, error.Verifying), where));
        return;
    case SessionFailure::Unplugged:
        ConnectionLabel.setText(QStringLiteral("No KORVELT connected"));
        StatusLabel.setText(QStringLiteral("Stopped: unplugged"));
        dialogs_->ShowError(QStringLiteral("KORVELT was unplugged while %1%2. Plug it in and try again.")
                                .arg(Doing(error.Command, error.Verifying), where));
        return;
    case SessionFailure::NotVerified: {
        StatusLabel.setText(QStringLiteral("Not verified"));
        dialogs_->ShowError(ListedText(QStringLiteral("The KORVELT does not hold what was written"), error.Differences,
                                       DifferencePlace,
                                       QStringLiteral("Write again; if it stays so, the KORVELT may need service.")));
        return;
    }
    }
}

} // namespace korvelt
