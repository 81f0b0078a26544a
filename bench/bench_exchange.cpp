// Cost of one request/reply round trip of the exchange state machine together with the
// simulated KORVELT, without a window, a thread hand-over or USB. Prints the median over many
// whole exchanges, in microseconds per round trip.

#include "core/DeviceExchange.h"
#include "device/HidBackend.h"
#include "simulator/LoopbackHost.h"
#include "simulator/SimulatedHidBackend.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace korvelt;

namespace {

constexpr int Runs = 1001;

// A host that talks to the device through two HID handles, as the program does: requests
// through the write handle, replies through the read handle.
class HandleHost final : public ExchangeHost {
public:
    HandleHost(HidDevice &writer, HidDevice &reader) : writer_(writer), reader_(reader) {}

    void SendReport(const Report &request) override { (void)writer_.Write(request); }
    [[nodiscard]] TDateTime ClockValueToSet() override { return 40000.5; }
    void Identified(const DeviceIdentity & /*identity*/) override {}
    void DownloadDone() override {}
    void ReadDone(const ScheduleModel &read) override { model_ = read; }
    void ClockRead(TDateTime /*date*/, TDateTime /*time*/) override {}
    void Failed(ExchangeFailure /*reason*/, int /*detail*/) override {}

    void Pump(DeviceExchange &exchange)
    {
        Report reply{};
        while (reader_.Read(reply, 0) == ReadStatus::Report) {
            exchange.ReportReceived(reply);
        }
    }

private:
    HidDevice &writer_;
    HidDevice &reader_;
    ScheduleModel model_;
};

ScheduleModel SampleModel()
{
    ScheduleModel model;
    for (int o = 0; o < OutputCount; ++o) {
        for (int s = 0; s < SlotCount; ++s) {
            TimeSlot &slot = model.NormalTimes.at(static_cast<std::size_t>(o)).at(static_cast<std::size_t>(s));
            slot.Start = (o * 60.0 + s) / 1440.0;
            slot.End = (o * 60.0 + s + 30) / 1440.0;
            slot.Days.at(static_cast<std::size_t>(s % DayCount)) = 1;
        }
    }
    return model;
}

// A benchmark of an exchange that stalled would measure nothing.
void RequireIdle(const DeviceExchange &exchange)
{
    if (exchange.State() != ProtocolState::Idle) {
        std::cerr << "exchange stalled in state " << ProtocolStateName(exchange.State()) << '\n';
        std::exit(1);
    }
}

double MedianMicrosecondsPerRoundTrip(int roundTrips, const std::function<void()> &exchange)
{
    std::vector<double> perRoundTrip;
    perRoundTrip.reserve(Runs);
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        exchange();
        const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
        perRoundTrip.push_back(elapsed.count() / roundTrips);
    }
    std::nth_element(perRoundTrip.begin(), perRoundTrip.begin() + Runs / 2, perRoundTrip.end());
    return perRoundTrip[Runs / 2];
}

// Median microseconds per round trip of whole exchanges that `start` begins and the host
// pumps to their end.
template <typename Host, typename Start>
double Measure(Host &host, DeviceExchange &exchange, int roundTrips, Start start)
{
    return MedianMicrosecondsPerRoundTrip(roundTrips, [&] {
        start(exchange);
        host.Pump(exchange);
        RequireIdle(exchange);
    });
}

void PrintFigure(const char *what, int roundTrips, double microseconds)
{
    std::cout << std::left << std::setw(32) << what << std::right << std::setw(5) << roundTrips << " round trips"
              << std::fixed << std::setprecision(3) << std::setw(10) << microseconds << " us per round trip"
              << std::setprecision(1) << std::setw(10) << microseconds * roundTrips << " us per exchange\n";
}

} // namespace

int main()
{
    std::cout << "median of " << Runs << " exchanges\n";
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.SetRecording(false);
        host.Schedule() = SampleModel();
        DeviceExchange exchange(host);
        PrintFigure("download, direct", 133, Measure(host, exchange, 133, [&](DeviceExchange &e) { e.StartDownload(host.Schedule()); }));
        PrintFigure("read, direct", 131, Measure(host, exchange, 131, [](DeviceExchange &e) { e.StartRead(); }));
        PrintFigure("read clock, direct", 2, Measure(host, exchange, 2, [](DeviceExchange &e) { e.StartReadClock(); }));
    }
    {
        SimulatedHidBackend backend;
        const auto device = backend.AddKorvelt();
        const std::string path = backend.Enumerate().front().Path;
        HidOpenResult writer = backend.Open(path);
        HidOpenResult reader = backend.Open(path);
        if (!writer.Device || !reader.Device) {
            std::cerr << "cannot open the simulated device\n";
            return 1;
        }
        HandleHost host(*writer.Device, *reader.Device);
        DeviceExchange exchange(host);
        const ScheduleModel schedule{};
        PrintFigure("download, through HID handles", 133,
               Measure(host, exchange, 133, [&](DeviceExchange &e) { e.StartDownload(schedule); }));
        PrintFigure("read, through HID handles", 131, Measure(host, exchange, 131, [](DeviceExchange &e) { e.StartRead(); }));
    }
    return 0;
}
