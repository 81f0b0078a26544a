// The simulated KORVELT is exercised by every exchange, window and soak test; what is left
// here is how its HID handles behave, which those tests rely on without seeing it.

#include "SimulatedHidBackend.h"
#include "SimulatedKorvelt.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

class TestSimulator : public QObject {
    Q_OBJECT

private slots:
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
