#include "LoopbackHost.h"

namespace korvelt {

void LoopbackHost::SendReport(const Report &request)
{
    if (recording_) {
        requests_.push_back(request);
    }
    (void)device_.Receive(request); // an unplugged device loses the request, unreported
}

void LoopbackHost::ShowError(const std::string &text) { Record("Error: " + text); }

void LoopbackHost::ShowInformation(const std::string &text) { Record("Information: " + text); }

void LoopbackHost::LogIdentity(const std::string &versionLine, const std::string &serialLine)
{
    logLines_ = {versionLine, serialLine};
    Record("Log: " + versionLine + " | " + serialLine);
}

void LoopbackHost::ReadComplete(const ScheduleModel &read)
{
    model_ = read;
    Record("ReadComplete");
}

void LoopbackHost::ShowDeviceClock(TDateTime date, TDateTime time)
{
    lastClock_ = DeviceClockReading{date, time};
    Record("Clock");
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
