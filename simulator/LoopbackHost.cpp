#include "simulator/LoopbackHost.h"

namespace korvelt {

void LoopbackHost::SendReport(const Report &request)
{
    if (recording_) {
        requests_.push_back(request);
    }
    (void)device_.Receive(request); // an unplugged device loses the request, unreported
}

void LoopbackHost::Identified(const DeviceIdentity &identity)
{
    lastIdentity_ = identity;
    Record("Identified: " + identity.Version + " | " + std::to_string(identity.SerialNumber));
}

void LoopbackHost::DownloadDone()
{
    Record("DownloadDone");
}

void LoopbackHost::ReadDone(const ScheduleModel &read)
{
    model_ = read;
    Record("ReadDone");
}

void LoopbackHost::ClockRead(TDateTime date, TDateTime time)
{
    lastClock_ = DeviceClockReading{date, time};
    Record("Clock");
}

void LoopbackHost::Failed(ExchangeFailure reason, int detail)
{
    Record(reason == ExchangeFailure::NotAKorvelt ? std::string("Failed: not a KORVELT")
                                                  : "Failed: invalid schedule data, block " + std::to_string(detail));
}

int LoopbackHost::Pump(DeviceExchange &exchange, int maxReplies)
{
    int delivered = 0;
    while (delivered != maxReplies) {
        const auto reply = device_.TakeReply();
        if (!reply) {
            break;
        }
        exchange.ReportReceived(*reply);
        ++delivered;
    }
    return delivered;
}

void LoopbackHost::ClearRecords()
{
    requests_.clear();
    events_.clear();
    lastClock_.reset();
}

void LoopbackHost::Record(std::string event)
{
    if (recording_) {
        events_.push_back(std::move(event));
    }
}

} // namespace korvelt
