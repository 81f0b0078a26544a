#pragma once

#include "ExchangeHost.h"

namespace korvelt {

class TMainForm;

// The exchange's view of the main window: requests go out through the device link; the
// results become the window's texts: the identity in LogMemo, boxes for the rest, a whole
// read into the model.
class MainFormExchangeHost final : public ExchangeHost {
public:
    explicit MainFormExchangeHost(TMainForm &form) : form_(form) {}

    void SendReport(const Report &request) override;
    [[nodiscard]] const ScheduleModel &Model() const override;
    [[nodiscard]] TDateTime ClockValueToSet() override;
    void Identified(const DeviceIdentity &identity) override;
    void DownloadDone() override;
    void ReadDone(const ScheduleModel &read) override;
    void ClockRead(TDateTime date, TDateTime time) override;
    void Failed(ExchangeFailure reason, int detail) override;

private:
    TMainForm &form_;
};

} // namespace korvelt
