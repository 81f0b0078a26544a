// The main window's commands: the actions with their buttons and keys, and the device
// commands, started through the device presenter, which shows their results.
#include "app/TMainForm.h"

namespace korvelt {

void TMainForm::ConnectCommands()
{
    MainActions &a = actions_;
    CommandPanel &p = Panel1;
    for (const auto &[button, action] : {std::pair<QAbstractButton *, QAction *>{&p.LoadButton, &a.Load},
                                         {&p.SaveButton, &a.Save},
                                         {&p.WriteButton, &a.Write},
                                         {&p.ReadButton, &a.Read},
                                         {&p.ExitButton, &a.Exit},
                                         {&p.SetTimeButton, &a.SetTime},
                                         {&p.ReadTimeButton, &a.ReadTime},
                                         {&p.CompareButton, &a.Compare},
                                         {&p.CancelButton, &a.Cancel}}) {
        MainActions::Bind(*button, *action);
    }
    Bind(&a.Load, &QAction::triggered, &TMainForm::LoadButtonClick);
    connect(&a.Save, &QAction::triggered, this, [this] { Guarded([this] { SaveScheduleFile(); }); });
    connect(&a.SaveAs, &QAction::triggered, this, [this] { Guarded([this] { SaveScheduleFile(true); }); });
    Bind(&a.Exit, &QAction::triggered, &TMainForm::ExitButtonClick);
    Bind(&a.Write, &QAction::triggered, &TMainForm::WriteButtonClick);
    Bind(&a.Read, &QAction::triggered, &TMainForm::ReadButtonClick);
    Bind(&a.Compare, &QAction::triggered, &TMainForm::CompareButtonClick);
    Bind(&a.SetTime, &QAction::triggered, &TMainForm::SetTimeButtonClick);
    Bind(&a.ReadTime, &QAction::triggered, &TMainForm::ReadTimeButtonClick);
    Bind(&a.Cancel, &QAction::triggered, &TMainForm::CancelButtonClick);
    // The Help button opens the guide at its first page; the key opens it at the page of the
    // tab in view. Without a help file there is neither.
    Bind(&p.HelpButton, &QPushButton::clicked, &TMainForm::HelpButtonClick);
    Bind(&a.Help, &QAction::triggered, &TMainForm::HelpKeyPressed);
    a.Help.setEnabled(!p.HelpButton.isHidden());
    // The Week page's buttons have their own connections; the action gives Print its key.
    connect(&a.Print, &QAction::triggered, this, [this] { Guarded([this] { WeekAdvTabSheet.Print(); }); });
    connect(&a.ExportPdf, &QAction::triggered, this, [this] { Guarded([this] { WeekAdvTabSheet.ExportPdf(); }); });
    connect(&session_, &DeviceSession::BusyChanged, this,
            [this](bool busy) { Guarded([&] { DeviceBusyChanged(busy); }); });
}

DeviceWindowHooks TMainForm::DeviceHooks()
{
    DeviceWindowHooks hooks;
    hooks.Schedule = [this] { return Model(); };
    hooks.MayReplaceSchedule = [this] { return MayReplaceSchedule(); };
    // A read and a take are one undoable step each; the schedule then comes from that KORVELT.
    hooks.ScheduleRead = [this](const ScheduleModel &read, const std::optional<DeviceIdentity> &device) {
        document_.Replace(read, QStringLiteral("Read From KORVELT"), device);
    };
    hooks.ScheduleTaken = [this](const ScheduleModel &taken, const std::optional<DeviceIdentity> &device) {
        document_.Replace(taken, QStringLiteral("Take the KORVELT's schedule"), device);
    };
    hooks.ScheduleWritten = [this](const std::optional<DeviceIdentity> &device) { document_.SetDevice(device); };
    hooks.GoToDifference = [this](const ScheduleDifference &place) { GoToDifference(place); };
    return hooks;
}

void TMainForm::DeviceBusyChanged(bool busy)
{
    // While a command runs, nothing may start another or change what it works on.
    actions_.SetBusy(busy);
    TimesAdvTabSheet.OutputSelector().setEnabled(!busy);
    SpecialTimesAdvTabSheet1.OutputSelector().setEnabled(!busy);
}

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
    presenter_.StartWrite(Model(), Panel1.VerifyCheckBox.isChecked());
}

void TMainForm::WriteRefused(const std::vector<UnsendableValue> &values)
{
    presenter_.ShowWriteRefused(values);
}

void TMainForm::ReadButtonClick()
{
    // A read replaces the schedule in the window: unsaved changes are asked about first.
    if (MayReplaceSchedule()) {
        presenter_.StartRead(ReadPurpose::Load);
    }
}

void TMainForm::CompareButtonClick()
{
    // The device is read into a copy; the window's schedule stays as it is.
    if (StoreAllControls()) {
        presenter_.StartRead(ReadPurpose::Compare);
    }
}

void TMainForm::CancelButtonClick()
{
    presenter_.Cancel();
}

void TMainForm::VerifyCheckBoxClick()
{
    if (settings_ != nullptr) {
        settings_->setValue(QStringLiteral("VerifyAfterWriting"), Panel1.VerifyCheckBox.isChecked());
    }
}

void TMainForm::SetTimeButtonClick()
{
    presenter_.StartSetClock();
}

void TMainForm::ReadTimeButtonClick()
{
    presenter_.StartReadClock();
}

} // namespace korvelt
