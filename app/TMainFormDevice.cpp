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

} // namespace

void TMainForm::WriteButtonClick()
{
    // What is sent is what the controls show, unsaved edits included.
    StoreAllControls();
    if (OpenDeviceLink()) {
        exchange_.StartDownload();
    }
}

void TMainForm::ReadButtonClick()
{
    if (OpenDeviceLink()) {
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

void MainFormExchangeHost::ShowError(const std::string &text)
{
    form_.Dialogs().ShowError(QString::fromStdString(text));
}

void MainFormExchangeHost::ShowInformation(const std::string &text)
{
    form_.Dialogs().ShowInformation(QString::fromStdString(text));
}

void MainFormExchangeHost::LogIdentity(const std::string &versionLine, const std::string &serialLine)
{
    form_.LogMemo.clear();
    form_.LogMemo.appendPlainText(FromDevice(versionLine));
    form_.LogMemo.appendPlainText(FromDevice(serialLine));
}

const ScheduleModel &MainFormExchangeHost::Model() const
{
    return form_.Model();
}

TDateTime MainFormExchangeHost::ClockValueToSet()
{
    if (form_.UsePCTimeCheckBox.isChecked()) {
        const QDateTime now = form_.CurrentDateTime();
        return FromQDate(now.date()) + FromQTime(now.time());
    }
    return ClockValueFromPickers(FromQDate(form_.SetDateDateTimePicker.date()),
                                 FromQTime(form_.SetTimeDateTimePicker.time()));
}

void MainFormExchangeHost::ReadComplete(const ScheduleModel &read)
{
    // No snapshot: a schedule read from the device counts as unsaved.
    form_.ReplaceModel(read);
}

void MainFormExchangeHost::ShowDeviceClock(TDateTime date, TDateTime time)
{
    form_.Dialogs().ShowInformation(ClockMessageText(date, time));
}

} // namespace korvelt
