// The simulated KORVELT, which the exchange, window and soak tests rely on without seeing it:
// its memory, its faults and how its HID handles behave.

#include "DeviceExchange.h"
#include "LoopbackHost.h"
#include "SimulatedHidBackend.h"
#include "SimulatedKorvelt.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(ExchangeKind)
Q_DECLARE_METATYPE(SimulatedFault)

class TestSimulator : public QObject {
    Q_OBJECT

private slots:
    // New, it holds the defaults; then it gives back what it was sent.
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
    }

    // One row per way an exchange meets a misbehaving simulated device; the fault soak runs
    // every fault at random points through the window.
    void Faults_data()
    {
        QTest::addColumn<ExchangeKind>("kind");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("outcome"); // the last event after the identity, "" for none
        QTest::newRow("silent half way: the read waits") << ExchangeKind::Read << SimulatedFault::FallSilent << 60 << "";
        QTest::newRow("garbage once identified: the download goes on")
            << ExchangeKind::Download << SimulatedFault::Garbage << 1 << "DownloadDone";
        QTest::newRow("extra identity reply shifts block 0")
            << ExchangeKind::Read << SimulatedFault::ExtraReport << 0 << "Failed: invalid schedule data, block 0";
        QTest::newRow("memory erased half way through a read")
            << ExchangeKind::Read << SimulatedFault::EraseMemory << 40 << "Failed: invalid schedule data, block 19";
    }
    void Faults()
    {
        QFETCH(ExchangeKind, kind);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, after);
        QFETCH(QString, outcome);
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        device.InjectFault(fault, after);
        StartExchange(exchange, kind);
        host.Pump(exchange);

        const std::vector<std::string> &events = host.Events();
        const std::string last = events.back().starts_with("Identified: ") ? "" : events.back();
        QCOMPARE(QString::fromStdString(last), outcome);
        QCOMPARE(exchange.State() == ProtocolState::Idle, !outcome.isEmpty());
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));

        device.ClearFault();
        host.Pump(exchange); // whatever the device still had to say
        StartExchange(exchange, kind == ExchangeKind::Read ? ExchangeKind::ReadClock : kind);
        host.Pump(exchange);
        QVERIFY(host.Events().back() == "DownloadDone" || host.Events().back() == "Clock");
    }

    void HandlesDieWithTheConnection()
    {
        SimulatedHidBackend backend;
        const auto device = backend.AddKorvelt();
        const std::string path = backend.Enumerate().front().Path;
        HidOpenResult writer = backend.Open(path);
        HidOpenResult reader = backend.Open(path);
        QVERIFY(writer.Device && reader.Device);

        Report reply{};
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Timeout);
        QVERIFY(writer.Device->Write(ReportOf({0x53})));
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Report);
        QCOMPARE(int(reply[1]), 0x53);
        Report numbered = ReportOf({0x53});
        numbered[0] = 1; // our reports are unnumbered: byte 0 must be 0
        QVERIFY(!writer.Device->Write(numbered));

        device->Unplug();
        QVERIFY(backend.Enumerate().empty());
        QVERIFY(!backend.Open(path).Device);
        QVERIFY(!writer.Device->Write(ReportOf({0x53})));
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Gone);

        // Plugged in again, the old handles stay dead: the program must open new ones.
        device->PlugIn();
        QVERIFY(!writer.Device->Write(ReportOf({0x53})));
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Gone);
        HidOpenResult fresh = backend.Open(path);
        QVERIFY(fresh.Device);
        QVERIFY(fresh.Device->Write(ReportOf({0x53})));
        QCOMPARE(fresh.Device->Read(reply, 0), ReadStatus::Report);
    }
};

QTEST_APPLESS_MAIN(TestSimulator)
#include "test_simulator.moc"
