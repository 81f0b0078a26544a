#include "DeviceExchange.h"
#include "LoopbackHost.h"
#include "SimulatedKorvelt.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

using Events = std::vector<std::string>;

const std::string IdentityError = "Failed: not a KORVELT";
const std::string DefaultLog = "Identified: KORVELT 1.05 | 1";
const std::string ReadDone = "ReadDone";
const std::string DownloadDone = "DownloadDone";
const std::string InvalidData = "Failed: invalid schedule data, block ";

enum class Kind { Download, Read, SetClock, ReadClock };
constexpr std::array<Kind, 4> AllKinds{Kind::Download, Kind::Read, Kind::SetClock, Kind::ReadClock};

void Start(DeviceExchange &exchange, Kind kind)
{
    constexpr std::array<void (DeviceExchange::*)(), 4> Starts{
        &DeviceExchange::StartDownload, &DeviceExchange::StartRead, &DeviceExchange::StartSetClock,
        &DeviceExchange::StartReadClock};
    (exchange.*Starts.at(static_cast<std::size_t>(kind)))();
}

// The last thing a whole exchange of that kind shows.
std::string Completion(Kind kind)
{
    return kind == Kind::Download ? DownloadDone : kind == Kind::Read ? ReadDone : "Clock";
}

void Download(SimulatedKorvelt &device, const ScheduleModel &model)
{
    LoopbackHost writer(device);
    writer.Schedule() = model;
    DeviceExchange download(writer);
    download.StartDownload();
    writer.Pump(download);
}

// Every request of the exchange, written out from the block layout: block 0 holds the
// daylight-saving rule and the special dates, blocks 1..32 the normal times and 33..64 the
// special times, eight slots of one output per block, four per half in 12-byte fields.
std::vector<Report> ExpectedRequests(Kind kind)
{
    std::vector<Report> requests{ReportOf({0x53})};
    switch (kind) {
    case Kind::Download: {
        requests.push_back(ReportOf({0x45}));
        Report settings = ReportOf({0x64, 0, 0x55, 0, 1, 10, 2, 3});
        std::fill(settings.begin() + 9, settings.end(), 0xFF);
        Report dates = ReportOf({0x44, 0});
        for (std::size_t i = 0; i < 16; ++i) {
            dates.at(3 + 3 * i) = static_cast<std::uint8_t>(28 - i);
            dates.at(4 + 3 * i) = static_cast<std::uint8_t>(1 + i % 12);
            dates.at(5 + 3 * i) = static_cast<std::uint8_t>(1 + 13 * i);
        }
        requests.insert(requests.end(), {settings, dates});
        for (int block = 1; block < 65; ++block) {
            const bool special = block >= 33;
            const int output = (block - (special ? 33 : 1)) / 2;
            for (const int half : {0, 1}) {
                Report request = ReportOf({half == 0 ? 0x64 : 0x44, block});
                for (int i = 0; i < 4; ++i) {
                    const QByteArray slot = DistinctPackedSlot(special, output, (block - 1) % 2 * 8 + half * 4 + i);
                    std::copy(slot.begin(), slot.end(), request.begin() + 3 + std::ptrdiff_t{12} * i);
                }
                requests.push_back(request);
            }
        }
        requests.push_back(ReportOf({0x5A}));
        break;
    }
    case Kind::Read:
        for (int block = 0; block < 65; ++block) {
            requests.insert(requests.end(), {ReportOf({0x72, block}), ReportOf({0x52, block})});
        }
        break;
    case Kind::SetClock:
        requests.push_back(ReportOf({0x54, 0x57, 1, 59, 59, 28, 3, 10}));
        break;
    case Kind::ReadClock:
        requests.push_back(ReportOf({0x54, 0x52}));
        break;
    }
    return requests;
}

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(SimulatedFault)

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    void DownloadThenReadGivesBackEveryField()
    {
        // The download sends the schedule as it was when it started, though the host's
        // schedule is replaced half-way.
        SimulatedKorvelt device;
        LoopbackHost writer(device);
        writer.Schedule() = DistinctSchedule();
        DeviceExchange download(writer);
        download.StartDownload();
        QCOMPARE(writer.Pump(download, 60), 60);
        writer.Schedule() = ScheduleModel{};
        writer.Pump(download);
        QCOMPARE(writer.Events().back(), DownloadDone);
        LoopbackHost host(device);
        DeviceExchange read(host);
        read.StartRead();
        QCOMPARE(host.Pump(read), 131);
        QCOMPARE(host.Events(), (Events{DefaultLog, ReadDone}));
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));
    }

    void WholeExchanges_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<double>("clockDate"); // what the clock reply showed, 0 for none
        QTest::addColumn<double>("clockTime");
        const auto log = QString::fromStdString(DefaultLog);
        QTest::newRow("download") << Kind::Download << QStringList{log, "DownloadDone"} << 0.0 << 0.0;
        QTest::newRow("read") << Kind::Read << QStringList{log, "ReadDone"} << 0.0 << 0.0;
        QTest::newRow("set clock") << Kind::SetClock << QStringList{log, "Clock"} << DateOf(2010, 3, 28)
                                   << TimeOf(1, 59, 59);
        QTest::newRow("read clock, no log") << Kind::ReadClock << QStringList{"Clock"} << DateOf(2010, 8, 17)
                                            << TimeOf(9, 5, 0);
    }
    void WholeExchanges()
    {
        QFETCH(Kind, kind);
        QFETCH(QStringList, events);
        QFETCH(double, clockDate);
        QFETCH(double, clockTime);
        SimulatedKorvelt device;
        device.SetTickSource([] { return std::int64_t{0}; }); // the device clock stands still
        device.SetClock(DateOf(2010, 8, 17) + TimeOf(9, 5, 0));
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        host.SetClockValue(DateOf(2001, 1, 1));
        DeviceExchange exchange(host);
        Start(exchange, kind);
        // The PC clock moves on before the identity reply: the value of that moment is sent.
        host.SetClockValue(DateOf(2010, 3, 28) + TimeOf(1, 59, 59, 750));
        host.Pump(exchange);

        const std::vector<Report> expected = ExpectedRequests(kind);
        QCOMPARE(host.Requests().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(host.Requests()[i] == expected[i],
                     qPrintable(QStringLiteral("request %1: %2").arg(i).arg(Bytes(host.Requests()[i], 0, 65).toHex(' '))));
        }
        QStringList shown;
        for (const std::string &event : host.Events()) {
            shown << QString::fromStdString(event);
        }
        QCOMPARE(shown, events);
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        const DeviceClockReading clock = host.LastClock().value_or(DeviceClockReading{});
        QCOMPARE(clock, (DeviceClockReading{clockDate, clockTime}));
    }

    void Identity_data()
    {
        QTest::addColumn<quint32>("serial");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("serialNumber");
        QTest::newRow("serial -1") << 0xFFFFFFFFU << QByteArray("X") << -1;
        QTest::newRow("version without a zero byte") << 258U << QByteArray(55, 'v') << 258;
    }
    void Identity()
    {
        QFETCH(quint32, serial);
        QFETCH(QByteArray, version);
        QFETCH(int, serialNumber);
        SimulatedKorvelt device;
        device.SetSerialNumber(serial);
        device.SetVersionText(version.toStdString());
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        exchange.StartSetClock();
        host.Pump(exchange);
        QVERIFY(host.LastIdentity().has_value());
        QCOMPARE(host.LastIdentity()->Version, version.toStdString());
        QCOMPARE(host.LastIdentity()->SerialNumber, serialNumber);
    }

    // Bytes 2, 3 and 4 of the reply to Identify say it is our application.
    void IdentityCheck_data()
    {
        QTest::addColumn<QByteArray>("bytes1to5");
        QTest::addColumn<bool>("passes");
        QTest::newRow("identity") << Bytes({0x53, 0x00, 0x04, 0x01, 0x00}) << true;
        QTest::newRow("byte 1 and byte 5 not examined") << Bytes({0x00, 0x00, 0x04, 0x01, 0x99}) << true;
        QTest::newRow("byte 2") << Bytes({0x53, 0x01, 0x04, 0x01, 0x00}) << false;
        QTest::newRow("byte 3") << Bytes({0x53, 0x00, 0x05, 0x01, 0x00}) << false;
        QTest::newRow("byte 4, another application") << Bytes({0x53, 0x00, 0x04, 0x02, 0x00}) << false;
    }
    void IdentityCheck()
    {
        QFETCH(QByteArray, bytes1to5);
        QFETCH(bool, passes);
        Report reply{};
        std::copy(bytes1to5.begin(), bytes1to5.end(), reply.begin() + 1);
        for (const Kind kind : AllKinds) {
            SimulatedKorvelt device;
            LoopbackHost host(device);
            DeviceExchange exchange(host);
            Start(exchange, kind);
            QVERIFY(device.TakeReply().has_value()); // the row's reply stands in for the device's
            exchange.ReportReceived(reply);
            QCOMPARE(int(host.Requests().size()), passes ? 2 : 1);
            QCOMPARE(exchange.State() == ProtocolState::Idle, !passes);
            if (!passes) {
                QCOMPARE(host.Events(), Events{IdentityError});
                Start(exchange, kind); // the next command goes through
            }
            host.Pump(exchange);
            QCOMPARE(host.Events().back(), Completion(kind));
        }
    }

    void ClockReplyWaitsForAClockReport()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        exchange.StartReadClock();
        QCOMPARE(host.Pump(exchange, 1), 1);
        for (const int marker : {0x53, 0x00, 0xD4}) {
            exchange.ReportReceived(ReportOf({marker, 9, 5, 0, 17, 8, 10}));
        }
        QCOMPARE(exchange.State(), ProtocolState::ClockReply);
        QVERIFY(host.Events().empty());
        QCOMPARE(int(host.Requests().size()), 2);
        exchange.ReportReceived(ReportOf({0x54, 9, 5, 0, 17, 8, 10}));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QCOMPARE(host.LastClock(), (DeviceClockReading{DateOf(2010, 8, 17), TimeOf(9, 5, 0)}));
    }

    void ReportsDuringIdleChangeNothing()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        Report erased{};
        erased.fill(0xFF);
        for (const Report &report : {ReportOf({0x53, 0, 4, 1}), ReportOf({0x54, 9, 5, 0, 17, 8, 10}), erased}) {
            exchange.ReportReceived(report);
        }
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(host.Requests().empty());
        QVERIFY(host.Events().empty());
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));
    }

    void StartingAnotherCommandMidway_data()
    {
        QTest::addColumn<Kind>("first");
        QTest::addColumn<int>("replies"); // before the second command starts
        QTest::addColumn<Kind>("second");
        QTest::newRow("read during a download") << Kind::Download << 20 << Kind::Read;
        QTest::newRow("read clock half way through a read") << Kind::Read << 70 << Kind::ReadClock;
        QTest::newRow("read again before the last reply") << Kind::Read << 130 << Kind::Read;
    }
    void StartingAnotherCommandMidway()
    {
        QFETCH(Kind, first);
        QFETCH(int, replies);
        QFETCH(Kind, second);
        SimulatedKorvelt device;
        Download(device, DistinctSchedule());
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        Start(exchange, first);
        QCOMPARE(host.Pump(exchange, replies), replies);

        host.Schedule() = ScheduleModel{};
        Start(exchange, second);
        // The reply to the request still outstanding comes first and fails the identity
        // check; the identity reply then arrives while idle. An abandoned read changes nothing.
        QCOMPARE(host.Pump(exchange), 2);
        QCOMPARE(host.Events().back(), IdentityError);
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(host.Schedule(), ScheduleModel{}));

        Start(exchange, second);
        host.Pump(exchange);
        QCOMPARE(host.Events().back(), Completion(second));
    }

    void InvalidScheduleData_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("offset"); // in the block
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("requests"); // up to the one whose reply fails
        QTest::newRow("last special date erased") << 0 << 93 << Bytes({0xFF, 0xFF, 0xFF}) << 3;
        QTest::newRow("hour 24 in a first half") << 1 << 1 << Bytes({24}) << 4;
        QTest::newRow("minute 60 in a second half") << 5 << 48 + 12 + 5 << Bytes({60}) << 13;
        QTest::newRow("second 60 in the special times") << 40 << 3 << Bytes({60}) << 82;
        QTest::newRow("last field of block 64") << 64 << 48 + 36 + 6 << Bytes({60}) << 131;
    }
    void InvalidScheduleData()
    {
        QFETCH(int, block);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(int, requests);
        SimulatedKorvelt device;
        BlockImage image = device.Block(block);
        std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
        device.SetBlock(block, image);

        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartRead();
        host.Pump(exchange);
        QCOMPARE(int(host.Requests().size()), requests);
        QCOMPARE(host.Events(), (Events{DefaultLog, InvalidData + std::to_string(block)}));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));
    }

    // One row per way an exchange meets a misbehaving device; the fault soak runs every
    // fault at random points through the window.
    void Faults_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("outcome"); // the last event after the log, "" for none
        QTest::newRow("silent half way: the read waits") << Kind::Read << SimulatedFault::FallSilent << 60 << "";
        QTest::newRow("garbage acknowledgements are not examined")
            << Kind::Download << SimulatedFault::Garbage << 1 << "DownloadDone";
        QTest::newRow("extra identity reply shifts block 0")
            << Kind::Read << SimulatedFault::ExtraReport << 0 << QString::fromStdString(InvalidData + "0");
        QTest::newRow("extra reply half way shifts the slots")
            << Kind::Read << SimulatedFault::ExtraReport << 50 << "ReadDone";
    }
    void Faults()
    {
        QFETCH(Kind, kind);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, after);
        QFETCH(QString, outcome);
        SimulatedKorvelt device;
        Download(device, DistinctSchedule());
        LoopbackHost host(device);
        host.Schedule() = kind == Kind::Download ? DistinctSchedule() : ScheduleModel{};
        const ScheduleModel before = host.Schedule();
        DeviceExchange exchange(host);
        device.InjectFault(fault, after);
        Start(exchange, kind);
        host.Pump(exchange);

        const Events &events = host.Events();
        const std::string last = events.empty() || events.back().starts_with("Identified: ") ? "" : events.back();
        QCOMPARE(QString::fromStdString(last), outcome);
        QCOMPARE(exchange.State() == ProtocolState::Idle, !outcome.isEmpty());
        if (last != ReadDone) {
            QVERIFY(SameSchedule(host.Schedule(), before));
        }

        device.ClearFault();
        host.Pump(exchange); // whatever the device still had to say
        Start(exchange, kind);
        host.Pump(exchange);
        QCOMPARE(host.Events().back(), Completion(kind));
    }
};

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
