// The main window's device commands, started on the device session, and the session's
// results as the user sees them: the identity in LogMemo, boxes for the rest.
#include "ClockText.h"
#include "DeviceClock.h"
#include "QtDateTime.h"
#include "TMainForm.h"

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

// One line of the refusal to write: where the value is and what is wrong with it.
QString UnsendableLine(const UnsendableValue &value)
{
    using Field = UnsendableValue::Field;
    const auto slotLine = [&value](const char *table, const char *time) {
        return QStringLiteral("Output %1, %2 slot %3: the %4 time is not a time of day.")
            .arg(value.Output + 1)
            .arg(QLatin1String(table))
            .arg(value.Index + 1)
            .arg(QLatin1String(time));
    };
    const auto ruleLine = [](const char *what) {
        return QStringLiteral("Daylight Saving: no %1 is chosen.").arg(QLatin1String(what));
    };
    switch (value.What) {
    case Field::NormalStart:
        return slotLine("Normal Times", "Start");
    case Field::NormalEnd:
        return slotLine("Normal Times", "End");
    case Field::SpecialStart:
        return slotLine("Special Times", "Start");
    case Field::SpecialEnd:
        return slotLine("Special Times", "End");
    case Field::SpecialDate:
        return QStringLiteral("Special date %1 is not set to a date from 2000 to 2255.").arg(value.Index + 1);
    case Field::AdvanceWeek:
        return ruleLine("Advance Clock week");
    case Field::AdvanceMonth:
        return ruleLine("Advance Clock month");
    case Field::RetardWeek:
        return ruleLine("Retard Clock week");
    case Field::RetardMonth:
        return ruleLine("Retard Clock month");
    }
    return {};
}

} // namespace

void TMainForm::WriteButtonClick()
{
    // What is sent is what the controls show, unsaved edits included, and only when the
    // device can hold every value as it stands.
    if (!StoreAllControls()) {
        return;
    }
    const std::vector<UnsendableValue> unsendable = FindUnsendableValues(model_);
    if (!unsendable.empty()) {
        WriteRefused(unsendable);
        return;
    }
    session_.StartDownload(model_, false);
}

void TMainForm::WriteRefused(const std::vector<UnsendableValue> &values)
{
    constexpr std::size_t MaxLines = 8;
    QStringList lines{QStringLiteral("Nothing was written: the KORVELT cannot hold these values.")};
    for (std::size_t i = 0; i < values.size() && i < MaxLines; ++i) {
        lines << UnsendableLine(values.at(i));
    }
    if (values.size() > MaxLines) {
        lines << QStringLiteral("... and %1 more.").arg(values.size() - MaxLines);
    }
    lines << QStringLiteral("Correct them and write again.");
    dialogs_->ShowError(lines.join(QLatin1Char('\n')));
}

void TMainForm::ReadButtonClick()
{
    // A read replaces the schedule in the window: unsaved changes are asked about first.
    if (MayReplaceSchedule()) {
        session_.StartRead();
    }
}

void TMainForm::SetTimeButtonClick()
{
    // Asked when the device has answered. The pickers are sent only when the user chose a
    // moment in them; while they follow the PC clock, the PC clock is sent to the second.
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
    session_.StartReadClock();
}

void TMainForm::ConnectDeviceSession()
{
    const auto guarded = [this](auto handler) {
        return [this, handler](const auto &...results) { Guarded([&] { handler(results...); }); };
    };
    connect(&session_, &DeviceSession::Identified, this,
            guarded([this](const DeviceIdentity &identity) { DeviceIdentified(identity); }));
    connect(&session_, &DeviceSession::DownloadDone, this,
            guarded([this](bool /*verified*/) { dialogs_->ShowInformation(QStringLiteral("Download Complete")); }));
    connect(&session_, &DeviceSession::ReadDone, this,
            guarded([this](const ScheduleModel &read) { DeviceReadDone(read); }));
    connect(&session_, &DeviceSession::ClockRead, this, guarded([this](double date, double time) {
                dialogs_->ShowInformation(ClockMessageText(date, time));
            }));
    connect(&session_, &DeviceSession::Failed, this,
            guarded([this](const SessionError &error) { DeviceFailed(error); }));
}

void TMainForm::DeviceIdentified(const DeviceIdentity &identity)
{
    LogMemo.clear();
    LogMemo.appendPlainText(QStringLiteral("Vuradod Version:") + FromDevice(identity.Version));
    LogMemo.appendPlainText(QStringLiteral("Serial Number: %1").arg(identity.SerialNumber));
}

void TMainForm::DeviceReadDone(const ScheduleModel &read)
{
    // No snapshot: a schedule read from the device counts as unsaved.
    ReplaceModel(read);
    dialogs_->ShowInformation(QStringLiteral("Read Complete"));
}

void TMainForm::DeviceFailed(const SessionError &error)
{
    switch (error.Reason) {
    case SessionFailure::NotFound: {
        QString text = QStringLiteral("Cannot find KORVELT");
        if (!error.Detail.empty()) {
            text += QStringLiteral("\nA KORVELT was found but could not be opened (%1). %2")
                        .arg(QString::fromLocal8Bit(error.Detail.c_str()), AccessHint());
        }
        dialogs_->ShowError(text);
        return;
    }
    case SessionFailure::ProgramMode:
        dialogs_->ShowError(QStringLiteral("KORVELT is in Program Mode"));
        return;
    case SessionFailure::NotAKorvelt:
        dialogs_->ShowError(QStringLiteral("Application is not a KORVELT Time Control"));
        return;
    case SessionFailure::InvalidScheduleData:
        dialogs_->ShowError(QStringLiteral("KORVELT sent invalid schedule data.\nBlock %1").arg(error.Block));
        return;
    }
}

} // namespace korvelt
