#include "DeviceSession.h"

namespace korvelt {

DeviceSession::DeviceSession(HidBackend &backend, QObject *parent)
    : QObject(parent), link_(backend, *this, [this](const Report &report) { ReportReceived(report); })
{
}

DeviceSession::~DeviceSession()
{
    Close();
}

void DeviceSession::Close()
{
    closing_ = true;
    link_.Close();
    closing_ = false;
}

bool DeviceSession::OpenLink()
{
    const LinkResult result = link_.OpenDeviceLink();
    switch (result.Outcome) {
    case LinkOutcome::Open:
        return true;
    case LinkOutcome::ProgramMode:
        emit Failed(SessionError{SessionFailure::ProgramMode, 0, {}});
        return false;
    case LinkOutcome::NotFound:
        break;
    }
    emit Failed(SessionError{SessionFailure::NotFound, 0, result.OpenError});
    return false;
}

bool DeviceSession::Start(void (DeviceExchange::*start)())
{
    if (!OpenLink()) {
        return false;
    }
    (exchange_.*start)();
    return true;
}

bool DeviceSession::StartDownload(const ScheduleModel &model)
{
    model_ = model;
    return Start(&DeviceExchange::StartDownload);
}

bool DeviceSession::StartRead()
{
    return Start(&DeviceExchange::StartRead);
}

bool DeviceSession::StartSetClock(std::function<TDateTime()> clockValue)
{
    clockValue_ = std::move(clockValue);
    return Start(&DeviceExchange::StartSetClock);
}

bool DeviceSession::StartReadClock()
{
    return Start(&DeviceExchange::StartReadClock);
}

void DeviceSession::ReportReceived(const Report &report)
{
    if (!closing_) {
        exchange_.ReportReceived(report);
    }
}

TDateTime DeviceSession::Host::ClockValueToSet()
{
    return session_.clockValue_ ? session_.clockValue_() : 0.0;
}

void DeviceSession::Host::Failed(ExchangeFailure reason, int detail)
{
    const SessionFailure failure =
        reason == ExchangeFailure::NotAKorvelt ? SessionFailure::NotAKorvelt : SessionFailure::InvalidScheduleData;
    emit session_.Failed(SessionError{failure, detail, {}});
}

} // namespace korvelt
