// The simulated KORVELT's memory, which the exchange, window and soak tests rely on without
// seeing it. Its faults and handles are exercised by the device-link tests and the fault soak.

#include "DeviceExchange.h"
#include "LoopbackHost.h"
#include "SimulatedKorvelt.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

class TestSimulator : public QObject {
    Q_OBJECT

private slots:
    // New, it holds the defaults; then it gives back what it was sent, until the memory is
    // erased while a read is under way.
    void KeepsWhatItWasSent()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        for (const bool download : {false, true}) {
            host.Schedule() = DistinctSchedule();
            if (download) {
                exchange.StartDownload();
                QCOMPARE(host.Pump(exchange), 133);
                host.Schedule() = ScheduleModel{};
            }
            exchange.StartRead();
            QCOMPARE(host.Pump(exchange), 131);
            QVERIFY(SameSchedule(host.Schedule(), download ? DistinctSchedule() : ScheduleModel{}));
        }
        device.InjectFault(SimulatedFault::EraseMemory, 40); // at the second half of block 19
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange), 41);
        QCOMPARE(host.Events().back(), std::string("Failed: invalid schedule data, block 19"));
        BlockImage erased{};
        erased.fill(0xFF);
        QVERIFY(device.Block(0) == erased && device.Block(64) == erased);
    }
};

QTEST_APPLESS_MAIN(TestSimulator)
#include "test_simulator.moc"
