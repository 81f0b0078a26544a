#pragma once

#include "ExchangeHost.h"

namespace korvelt {

class TMainForm;

// The exchange's view of the main window: requests go out through the device link, messages
// through the window's boxes, the identity lines into LogMemo, a whole read into the model.
class MainFormExchangeHost final : public ExchangeHost {
public:
    explicit MainFormExchangeHost(TMainForm &form) : form_(form) {}

    void SendReport(const Report &request) override;
    void ShowError(const std::string &text) override;
    void ShowInformation(const std::string &text) override;
    void LogIdentity(const std::string &versionLine, const std::string &serialLine) override;
    [[nodiscard]] const ScheduleModel &Model() const override;
    [[nodiscard]] TDateTime ClockValueToSet() override;
    void ReadComplete(const ScheduleModel &read) override;
    void ShowDeviceClock(TDateTime date, TDateTime time) override;

private:
    TMainForm &form_;
};

} // namespace korvelt
