#include "SimulatedHidBackend.h"
#include "SimulatedKorvelt.h"
#include "TestSchedules.h"

#include <QTest>

#include <thread>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

QByteArray Bytes(const Report &report, std::size_t from, std::size_t count)
{
    return QByteArray(reinterpret_cast<const char *>(report.data() + from), static_cast<qsizetype>(count));
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (const int v : values) {
        bytes.append(static_cast<char>(v));
    }
    return bytes;
}

Report Request(std::initializer_list<int> from1)
{
    Report request{};
    std::size_t i = 1;
    for (const int v : from1) {
        request.at(i++) = static_cast<std::uint8_t>(v);
    }
    return request;
}

Report Exchange(SimulatedKorvelt &device, const Report &request)
{
    if (!device.Receive(request)) {
        throw std::runtime_error("the device did not take the request");
    }
    const auto reply = device.TakeReply();
    if (!reply) {
        throw std::runtime_error("the device did not answer");
    }
    return *reply;
}

} // namespace

Q_DECLARE_METATYPE(SimulatedFault)

class TestSimulator : public QObject {
    Q_OBJECT

private slots:
    void IdentityReply_data()
    {
        QTest::addColumn<quint32>("serial");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("short") << 0x12345678U << QByteArray("KORVELT 2.0") << QByteArray("KORVELT 2.0");
        QTest::newRow("55 characters fill the report") << 1U << QByteArray(55, 'x') << QByteArray(55, 'x');
        QTest::newRow("longer is cut") << 1U << QByteArray(60, 'y') << QByteArray(55, 'y');
    }
    void IdentityReply()
    {
        QFETCH(quint32, serial);
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, sent);
        SimulatedKorvelt device;
        device.SetSerialNumber(serial);
        device.SetVersionText(version.toStdString());
        const Report reply = Exchange(device, Request({0x53}));
        QCOMPARE(Bytes(reply, 0, 5), Bytes({0, 0x53, 0x00, 0x04, 0x01}));
        QCOMPARE(Bytes(reply, 6, 4), Bytes({int(serial & 0xFF), int(serial >> 8 & 0xFF), int(serial >> 16 & 0xFF),
                                            int(serial >> 24)}));
        QCOMPARE(Bytes(reply, 10, static_cast<std::size_t>(sent.size())), sent);
        if (sent.size() < 55) {
            QCOMPARE(int(reply.at(10 + static_cast<std::size_t>(sent.size()))), 0);
        }
    }

    void BlocksAreKept()
    {
        SimulatedKorvelt device;
        Report write = Request({0x64, 7});
        for (std::size_t i = 0; i < 48; ++i) {
            write.at(3 + i) = static_cast<std::uint8_t>(i + 1);
        }
        write[51] = 0xEE; // beyond the half: not stored
        QCOMPARE(Bytes(Exchange(device, write), 0, 3), Bytes({0, 0x64, 7}));
        write[1] = 0x44;
        write[3] = 0x99;
        QCOMPARE(Bytes(Exchange(device, write), 0, 3), Bytes({0, 0x44, 7}));

        const BlockImage block = device.Block(7);
        QCOMPARE(int(block[0]), 1);
        QCOMPARE(int(block[47]), 48);
        QCOMPARE(int(block[48]), 0x99);
        QCOMPARE(int(block[95]), 48);
        QCOMPARE(device.Block(6), SimulatedKorvelt{}.Block(6));

        const Report first = Exchange(device, Request({0x72, 7}));
        const Report second = Exchange(device, Request({0x52, 7}));
        QCOMPARE(Bytes(first, 2, 48), QByteArray(reinterpret_cast<const char *>(block.data()), 48));
        QCOMPARE(Bytes(second, 2, 48), QByteArray(reinterpret_cast<const char *>(block.data() + 48), 48));
        QCOMPARE(Bytes(second, 50, 15), QByteArray(15, 0));
    }

    void BlocksBeyondTheMemory()
    {
        SimulatedKorvelt device;
        Report write = Request({0x64, 65});
        write[3] = 0x12;
        QCOMPARE(Bytes(Exchange(device, write), 1, 2), Bytes({0x64, 65}));
        QCOMPARE(Bytes(Exchange(device, Request({0x72, 65})), 2, 48), QByteArray(48, char(0xFF)));
    }

    void ClockRunsFromTheLastWrite()
    {
        SimulatedKorvelt device;
        std::int64_t ticks = 5;
        device.SetTickSource([&ticks] { return ticks; });
        QCOMPARE(Bytes(Exchange(device, Request({0x54, 0x57, 23, 59, 58, 31, 12, 9})), 0, 8),
                 Bytes({0, 0x54, 23, 59, 58, 31, 12, 9}));
        ticks += 2'500;
        QCOMPARE(Bytes(Exchange(device, Request({0x54, 0x52})), 1, 7), Bytes({0x54, 0, 0, 0, 1, 1, 10}));
        QCOMPARE(device.Clock(), DateOf(2010, 1, 1) + TimeOf(0, 0, 0, 500));

        // An impossible value leaves the clock as it runs.
        ticks += 60'000;
        QCOMPARE(Bytes(Exchange(device, Request({0x54, 0x57, 24, 0, 0, 1, 1, 10})), 1, 7),
                 Bytes({0x54, 0, 1, 0, 1, 1, 10}));
        QCOMPARE(Bytes(Exchange(device, Request({0x54, 0x57, 12, 0, 0, 30, 2, 10})), 1, 7),
                 Bytes({0x54, 0, 1, 0, 1, 1, 10}));

        device.SetClock(DateOf(2255, 12, 31) + TimeOf(23, 59, 59));
        QCOMPARE(Bytes(Exchange(device, Request({0x54, 0x52})), 1, 7), Bytes({0x54, 23, 59, 59, 31, 12, 255}));
    }

    void ProgramModeDoesNotIdentify()
    {
        SimulatedKorvelt device(ProgramModeRelease);
        const Report reply = Exchange(device, Request({0x53}));
        QCOMPARE(Bytes(reply, 0, 65), Bytes(Request({0x53}), 0, 65));
        QCOMPARE(int(device.Release()), 1);
    }

    void UnknownCommandsAreNotAnswered()
    {
        SimulatedKorvelt device;
        QVERIFY(device.Receive(Request({0x00})));
        QVERIFY(device.Receive(Request({0x41, 1})));
        QCOMPARE(device.PendingReplies(), 0);
        QCOMPARE(device.RequestCount(), 2);
    }

    void Faults_data()
    {
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("replies"); // per request: n normal, g garbage, w wrong identity, 2 two, - none, x lost
        QTest::newRow("none") << SimulatedFault::None << 0 << "nnnnn";
        QTest::newRow("silent after 2") << SimulatedFault::FallSilent << 2 << "nn---";
        QTest::newRow("unplugged after 3") << SimulatedFault::Unplug << 3 << "nnnxx";
        QTest::newRow("garbage after 1") << SimulatedFault::Garbage << 1 << "ngggg";
        QTest::newRow("wrong identity at once") << SimulatedFault::WrongIdentity << 0 << "wwwww";
        QTest::newRow("extra report after 1") << SimulatedFault::ExtraReport << 1 << "n2nnn";
    }
    void Faults()
    {
        QFETCH(SimulatedFault, fault);
        QFETCH(int, after);
        QFETCH(QString, replies);
        SimulatedKorvelt device;
        const Report identify = Request({0x53});
        const Report normal = Exchange(device, identify);
        device.InjectFault(fault, after);
        for (const QChar expected : replies) {
            const bool taken = device.Receive(identify);
            QCOMPARE(taken, expected != QLatin1Char('x'));
            std::vector<Report> got;
            while (const auto reply = device.TakeReply()) {
                got.push_back(*reply);
            }
            switch (expected.toLatin1()) {
            case 'n':
                QCOMPARE(int(got.size()), 1);
                QCOMPARE(got[0], normal);
                break;
            case '2':
                QCOMPARE(int(got.size()), 2);
                QCOMPARE(got[0], normal);
                QCOMPARE(got[1], normal);
                break;
            case 'g':
                QCOMPARE(int(got.size()), 1);
                QVERIFY(got[0] != normal);
                QCOMPARE(int(got[0][0]), 0);
                break;
            case 'w':
                QCOMPARE(int(got.size()), 1);
                QCOMPARE(Bytes(got[0], 2, 3), Bytes({0x00, 0x04, 0x02}));
                QCOMPARE(Bytes(got[0], 5, 60), Bytes(normal, 5, 60));
                break;
            default:
                QVERIFY(got.empty());
                break;
            }
        }

        device.ClearFault();
        device.PlugIn();
        QCOMPARE(Exchange(device, identify), normal);
    }

    void BackendListsPluggedInDevices()
    {
        SimulatedHidBackend backend;
        backend.AddOtherInterface("HID\\VID_046D&PID_C52B&REV_1211");
        const auto normal = backend.AddKorvelt();
        const auto programMode = backend.AddKorvelt(ProgramModeRelease);
        const auto other = backend.AddKorvelt(0x0006);

        std::vector<HidInterfaceInfo> present = backend.Enumerate();
        QCOMPARE(int(present.size()), 4);
        QCOMPARE(present[0].HardwareId, std::string("HID\\VID_046D&PID_C52B&REV_1211"));
        QCOMPARE(present[1].HardwareId, std::string("HID\\VID_04D8&PID_FD37&REV_0005"));
        QCOMPARE(present[2].HardwareId, std::string("HID\\VID_04D8&PID_FD37&REV_0001"));
        QCOMPARE(present[3].HardwareId, std::string("HID\\VID_04D8&PID_FD37&REV_0006"));

        programMode->Unplug();
        present = backend.Enumerate();
        QCOMPARE(int(present.size()), 3);
        QCOMPARE(present[2].HardwareId, std::string("HID\\VID_04D8&PID_FD37&REV_0006"));
        programMode->PlugIn();
        QCOMPARE(int(backend.Enumerate().size()), 4);

        QVERIFY(!backend.Open(present[0].Path).Device); // not a KORVELT
        QVERIFY(!backend.Open("sim:99").Device);
        QVERIFY(!backend.Open("sim:99").Error.empty());
        backend.SetOpenFails(*other, true);
        QVERIFY(!backend.Open(present[2].Path).Device);
        backend.SetOpenFails(*other, false);
        QVERIFY(backend.Open(present[2].Path).Device);
        QVERIFY(normal->PluggedIn());
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
        QVERIFY(writer.Device->Write(Request({0x53})));
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Report);
        QCOMPARE(int(reply[1]), 0x53);
        Report numbered = Request({0x53});
        numbered[0] = 1;
        QVERIFY(!writer.Device->Write(numbered));

        device->Unplug();
        QVERIFY(backend.Enumerate().empty());
        QVERIFY(!backend.Open(path).Device);
        QVERIFY(!writer.Device->Write(Request({0x53})));
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Gone);

        device->PlugIn();
        QVERIFY(!writer.Device->Write(Request({0x53})));
        QCOMPARE(reader.Device->Read(reply, 0), ReadStatus::Gone);
        HidOpenResult fresh = backend.Open(path);
        QVERIFY(fresh.Device);
        QVERIFY(fresh.Device->Write(Request({0x53})));
        QCOMPARE(fresh.Device->Read(reply, 0), ReadStatus::Report);
    }

    void ReaderThreadGetsEveryReplyInOrder()
    {
        SimulatedHidBackend backend;
        const auto device = backend.AddKorvelt();
        const std::string path = backend.Enumerate().front().Path;
        HidOpenResult writer = backend.Open(path);
        HidOpenResult reader = backend.Open(path);
        constexpr int Requests = 500;

        std::vector<int> blocks;
        ReadStatus last = ReadStatus::Report;
        std::thread thread([&] {
            Report reply{};
            while ((last = reader.Device->Read(reply, 50)) != ReadStatus::Gone) {
                if (last == ReadStatus::Report) {
                    blocks.push_back(reply[2]);
                }
            }
        });
        for (int i = 0; i < Requests; ++i) {
            QVERIFY(writer.Device->Write(Request({0x64, i % BlockCount})));
        }
        // A reader blocked without a time-out is woken by the unplugging.
        while (device->PendingReplies() > 0) {
            std::this_thread::yield();
        }
        device->Unplug();
        thread.join();
        QCOMPARE(last, ReadStatus::Gone);
        QCOMPARE(int(blocks.size()), Requests);
        for (int i = 0; i < Requests; ++i) {
            QCOMPARE(blocks.at(static_cast<std::size_t>(i)), i % BlockCount);
        }
    }

    void BlockedReaderWokenByUnplugging()
    {
        SimulatedKorvelt device;
        ReadStatus status = ReadStatus::Report;
        std::thread thread([&] {
            Report reply{};
            status = device.WaitReply(reply, -1);
        });
        // Give the reader time to block (if it has not, it sees the unplugged device at once).
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        device.Unplug();
        thread.join();
        QCOMPARE(status, ReadStatus::Gone);
    }
};

QTEST_APPLESS_MAIN(TestSimulator)
#include "test_simulator.moc"
