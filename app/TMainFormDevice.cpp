// The main window's device commands: each opens the link, then starts its exchange; every
// input report the reader thread hands over moves the exchange one step.
#include "ClockText.h"
#include "DeviceClock.h"
#include "MainFormExchangeHost.h"
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
    if (!CommitOpenEditors()) {
        return;
    }
    StoreAllControls();
    const std::vector<UnsendableValue> unsendable = FindUnsendableValues(model_);
    if (!unsendable.empty()) {
        WriteRefused(unsendable);
        return;
    }
    if (OpenDeviceLink()) {
        exchange_.StartDownload();
    }
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
    if (MayReplaceSchedule() && OpenDeviceLink()) {
        exchange_.StartRead();
    }
}

void TMainForm::SetTimeButtonClick()
{
    if (OpenDeviceLink()) {
        exchange_.StartSetClock();
    }
}

void TMainForm::ReadTimeButtonClick()
{
    if (OpenDeviceLink()) {
        exchange_.StartReadClock();
    }
}

bool TMainForm::OpenDeviceLink()
{
    const LinkResult result = link_.OpenDeviceLink();
    switch (result.Outcome) {
    case LinkOutcome::Open:
        return true;
    case LinkOutcome::ProgramMode:
        dialogs_->ShowError(QStringLiteral("KORVELT is in Program Mode"));
        return false;
    case LinkOutcome::NotFound:
        break;
    }
    QString text = QStringLiteral("Cannot find KORVELT");
    if (!result.OpenError.empty()) {
        text += QStringLiteral("\nA KORVELT was found but could not be opened (%1). %2")
                    .arg(QString::fromLocal8Bit(result.OpenError.c_str()), AccessHint());
    }
    dialogs_->ShowError(text);
    return false;
}

void TMainForm::ReportReceived()
{
    ++reportsHandled_;
    if (closing_) {
        return;
    }
    Guarded([this] { exchange_.ReportReceived(link_.ReceiveBuffer()); });
}

void MainFormExchangeHost::SendReport(const Report &request)
{
    form_.link_.SendReport(request);
}

void MainFormExchangeHost::Identified(const DeviceIdentity &identity)
{
    form_.LogMemo.clear();
    form_.LogMemo.appendPlainText(QStringLiteral("Vuradod Version:") + FromDevice(identity.Version));
    form_.LogMemo.appendPlainText(QStringLiteral("Serial Number: %1").arg(identity.SerialNumber));
}

void MainFormExchangeHost::DownloadDone()
{
    form_.Dialogs().ShowInformation(QStringLiteral("Download Complete"));
}

void MainFormExchangeHost::Failed(ExchangeFailure reason, int detail)
{
    switch (reason) {
    case ExchangeFailure::NotAKorvelt:
        form_.Dialogs().ShowError(QStringLiteral("Application is not a KORVELT Time Control"));
        return;
    case ExchangeFailure::InvalidScheduleData:
        form_.Dialogs().ShowError(QStringLiteral("KORVELT sent invalid schedule data.\nBlock %1").arg(detail));
        return;
    }
}

const ScheduleModel &MainFormExchangeHost::Model() const
{
    return form_.Model();
}

TDateTime MainFormExchangeHost::ClockValueToSet()
{
    // The pickers are sent only when the user chose a moment in them; while they follow the
    // PC clock, the PC clock is sent to the second.
    if (form_.SendsPCTime()) {
        const QDateTime now = form_.CurrentDateTime();
        return FromQDate(now.date()) + FromQTime(now.time());
    }
    return ClockValueFromPickers(FromQDate(form_.SetDateDateTimePicker.date()),
                                 FromQTime(form_.SetTimeDateTimePicker.time()));
}

void MainFormExchangeHost::ReadDone(const ScheduleModel &read)
{
    // No snapshot: a schedule read from the device counts as unsaved.
    form_.ReplaceModel(read);
    form_.Dialogs().ShowInformation(QStringLiteral("Read Complete"));
}

void MainFormExchangeHost::ClockRead(TDateTime date, TDateTime time)
{
    form_.Dialogs().ShowInformation(ClockMessageText(date, time));
}

} // namespace korvelt
