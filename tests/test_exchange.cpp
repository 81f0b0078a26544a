#include "DeviceExchange.h"
#include "LoopbackHost.h"
#include "SimulatedKorvelt.h"
#include "SlotPacking.h"
#include "TestSchedules.h"

#include <QTest>

#include <deque>
#include <optional>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

constexpr int DownloadRequests = 133;
constexpr int ReadRequests = 131;
const std::string IdentityError = "Error: Application is not a KORVELT Time Control";
const std::string DefaultLog = "Log: Vuradod Version:KORVELT 1.05 | Serial Number: 1";

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

Report ReportOf(const QByteArray &from1)
{
    Report report{};
    std::copy(from1.begin(), from1.end(), report.begin() + 1);
    return report;
}

Report IdentityReply(std::uint32_t serial = 7, const std::string &version = "V")
{
    Report reply{};
    reply[1] = 0x53;
    reply[2] = 0x00;
    reply[3] = 0x04;
    reply[4] = 0x01;
    for (std::size_t i = 0; i < 4; ++i) {
        reply.at(6 + i) = static_cast<std::uint8_t>(serial >> (8 * i));
    }
    std::copy(version.begin(), version.end(), reply.begin() + 10);
    return reply;
}

std::vector<std::string> Events(std::initializer_list<std::string> events) { return events; }

// A device that knows exactly which requests to expect and what to answer: it notes any
// request that differs, and at the end whether every expected request came.
class ScriptedHost final : public ExchangeHost {
public:
    void Expect(const Report &request, std::vector<Report> replies = {})
    {
        script_.push_back(Step{request, std::move(replies)});
    }

    void SendReport(const Report &request) override
    {
        if (script_.empty()) {
            failures_.push_back("unexpected request with command " + std::to_string(request[1]));
            return;
        }
        Step step = script_.front();
        script_.pop_front();
        if (request != step.Request) {
            failures_.push_back("request " + std::to_string(sent_) + " differs from the script");
        }
        ++sent_;
        for (const Report &reply : step.Replies) {
            pending_.push_back(reply);
        }
    }
    void ShowError(const std::string &text) override { events_.push_back("Error: " + text); }
    void ShowInformation(const std::string &text) override { events_.push_back("Information: " + text); }
    void LogIdentity(const std::string &versionLine, const std::string &serialLine) override
    {
        events_.push_back("Log: " + versionLine + " | " + serialLine);
    }
    [[nodiscard]] const ScheduleModel &Model() const override { return model_; }
    [[nodiscard]] TDateTime ClockValueToSet() override { return clockValue_; }
    void ReadComplete(const ScheduleModel &read) override
    {
        model_ = read;
        events_.push_back("ReadComplete");
    }
    void ShowDeviceClock(TDateTime date, TDateTime time) override { clock_ = DeviceClockReading{date, time}; }

    void Deliver(DeviceExchange &exchange, const Report &reply) { exchange.ReportReceived(reply); }
    void Pump(DeviceExchange &exchange)
    {
        while (!pending_.empty()) {
            const Report reply = pending_.front();
            pending_.pop_front();
            exchange.ReportReceived(reply);
        }
    }

    void SetClockValue(TDateTime value) { clockValue_ = value; }
    [[nodiscard]] bool ScriptDone() const { return script_.empty(); }
    [[nodiscard]] const std::vector<std::string> &Failures() const { return failures_; }
    [[nodiscard]] const std::vector<std::string> &EventList() const { return events_; }
    [[nodiscard]] const std::optional<DeviceClockReading> &Clock() const { return clock_; }

private:
    struct Step {
        Report Request;
        std::vector<Report> Replies;
    };
    std::deque<Step> script_;
    std::deque<Report> pending_;
    std::vector<std::string> failures_;
    std::vector<std::string> events_;
    ScheduleModel model_;
    TDateTime clockValue_ = 0;
    std::optional<DeviceClockReading> clock_;
    int sent_ = 0;
};

enum class Kind { Download, Read, SetClock, ReadClock };

void Start(DeviceExchange &exchange, Kind kind)
{
    switch (kind) {
    case Kind::Download:
        exchange.StartDownload();
        break;
    case Kind::Read:
        exchange.StartRead();
        break;
    case Kind::SetClock:
        exchange.StartSetClock();
        break;
    case Kind::ReadClock:
        exchange.StartReadClock();
        break;
    }
}

// What a whole exchange of that kind shows at its end.
std::string Completion(Kind kind)
{
    switch (kind) {
    case Kind::Download:
        return "Information: Download Complete";
    case Kind::Read:
        return "Information: Read Complete";
    case Kind::SetClock:
    case Kind::ReadClock:
        return "Clock";
    }
    return {};
}

// The schedule a device holds, read through a fresh exchange.
ScheduleModel ReadBack(SimulatedKorvelt &device)
{
    LoopbackHost host(device);
    DeviceExchange exchange(host);
    exchange.StartRead();
    host.Pump(exchange);
    if (host.Events().empty() || host.Events().back() != "Information: Read Complete") {
        throw std::runtime_error("read-back failed");
    }
    return host.Schedule();
}

} // namespace

Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(SimulatedFault)

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    void DownloadThenReadGivesBackEveryField()
    {
        SimulatedKorvelt device;
        LoopbackHost writer(device);
        writer.Schedule() = DistinctSchedule();
        DeviceExchange download(writer);
        download.StartDownload();
        QCOMPARE(download.State(), ProtocolState::WriteIdentify);
        QCOMPARE(writer.Pump(download), DownloadRequests);
        QCOMPARE(int(writer.Requests().size()), DownloadRequests);
        QCOMPARE(writer.Events(), Events({DefaultLog, "Information: Download Complete"}));
        QCOMPARE(download.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(writer.Schedule(), DistinctSchedule())); // a download leaves the model alone

        LoopbackHost reader(device);
        DeviceExchange read(reader);
        read.StartRead();
        QCOMPARE(read.State(), ProtocolState::ReadIdentify);
        QCOMPARE(reader.Pump(read), ReadRequests);
        QCOMPARE(int(reader.Requests().size()), ReadRequests);
        QCOMPARE(reader.Events(), Events({DefaultLog, "ReadComplete", "Information: Read Complete"}));
        QCOMPARE(read.State(), ProtocolState::Idle);

        const ScheduleModel &back = reader.Schedule();
        const ScheduleModel expected = DistinctSchedule();
        for (int o = 0; o < OutputCount; ++o) {
            for (int s = 0; s < SlotCount; ++s) {
                QVERIFY2(SlotAt(back.NormalTimes, o, s) == SlotAt(expected.NormalTimes, o, s),
                         qPrintable(QStringLiteral("normal output %1 slot %2").arg(o).arg(s)));
                QVERIFY2(SlotAt(back.SpecialTimes, o, s) == SlotAt(expected.SpecialTimes, o, s),
                         qPrintable(QStringLiteral("special output %1 slot %2").arg(o).arg(s)));
            }
        }
        QVERIFY(back.SpecialDates == expected.SpecialDates);
        QVERIFY(back.DaylightSaving == expected.DaylightSaving);
        QVERIFY(SameSchedule(back, expected));
    }

    void FreshDeviceReadsAsDefaults()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartRead();
        host.Pump(exchange);
        QVERIFY(SameSchedule(host.Schedule(), ScheduleModel{}));
    }

    void DownloadRequestSequence()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartDownload();
        host.Pump(exchange);
        const std::vector<Report> &requests = host.Requests();
        QCOMPARE(int(requests.size()), DownloadRequests);

        // Command and block of every request, in order.
        QCOMPARE(Bytes(requests[0], 0, 3), Bytes({0, 0x53, 0}));
        QCOMPARE(Bytes(requests[1], 0, 3), Bytes({0, 0x45, 0}));
        for (int block = 0; block < BlockCount; ++block) {
            const std::size_t first = 2 + 2 * static_cast<std::size_t>(block);
            QCOMPARE(Bytes(requests[first], 0, 3), Bytes({0, 0x64, block}));
            QCOMPARE(Bytes(requests[first + 1], 0, 3), Bytes({0, 0x44, block}));
        }
        QCOMPARE(Bytes(requests[132], 0, 3), Bytes({0, 0x5A, 0}));
        // Requests that carry no data are clean.
        for (const std::size_t i : {0U, 1U, 132U}) {
            QCOMPARE(Bytes(requests[i], 2, 63), QByteArray(63, 0));
        }

        // Block 0: the settings half with 0xFF up to byte 64, then the special dates.
        QCOMPARE(Bytes(requests[2], 3, 6), Bytes({0x55, 0, 1, 10, 2, 3}));
        QCOMPARE(Bytes(requests[2], 9, 56), QByteArray(56, char(0xFF)));
        const ScheduleModel model = DistinctSchedule();
        for (int i = 0; i < SpecialDateCount; ++i) {
            const DateParts d = DecodeDate(model.SpecialDates.at(static_cast<std::size_t>(i)));
            QCOMPARE(Bytes(requests[3], 3 + 3 * static_cast<std::size_t>(i), 3), Bytes({d.Day, d.Month, d.Year - 2000}));
        }
        QCOMPARE(Bytes(requests[3], 51, 14), QByteArray(14, 0));

        // The first slot request: block 1, slots 0..3 of output 0 of the normal times, at
        // bytes 3, 15, 27 and 39; the field bytes after each slot are 0.
        const Report &firstSlots = requests[4];
        for (int i = 0; i < 4; ++i) {
            const auto at = 3 + 12 * static_cast<std::size_t>(i);
            QCOMPARE(Bytes(firstSlots, at, 7), DistinctPackedSlot(false, 0, i));
            QCOMPARE(Bytes(firstSlots, at + 7, 5), QByteArray(5, 0));
        }
        QCOMPARE(Bytes(firstSlots, 51, 14), QByteArray(14, 0));
        // The second half of block 2 holds slots 12..15 of output 0.
        QCOMPARE(Bytes(requests[7], 3, 7), DistinctPackedSlot(false, 0, 12));
        // Block 33 starts the special times.
        QCOMPARE(Bytes(requests[2 + 2 * 33], 3, 7), DistinctPackedSlot(true, 0, 0));

        // The last data request: block 64, slots 12..15 of output 15 of the special times.
        const Report &lastSlots = requests[131];
        QCOMPARE(Bytes(lastSlots, 0, 3), Bytes({0, 0x44, 64}));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Bytes(lastSlots, 3 + 12 * static_cast<std::size_t>(i), 7), DistinctPackedSlot(true, 15, 12 + i));
        }
        QCOMPARE(exchange.BlockNumber(), std::uint8_t{64});

        // And the device now holds what was sent.
        const BlockImage block64 = device.Block(64);
        QCOMPARE(Bytes(lastSlots, 3, 48), QByteArray(reinterpret_cast<const char *>(block64.data() + 48), 48));
    }

    void ReadRequestSequence()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        exchange.StartRead();
        host.Pump(exchange);
        const std::vector<Report> &requests = host.Requests();
        QCOMPARE(int(requests.size()), ReadRequests);
        QCOMPARE(Bytes(requests[0], 0, 65), Bytes(ReportOf(Bytes({0x53})), 0, 65));
        for (int block = 0; block < BlockCount; ++block) {
            const std::size_t first = 1 + 2 * static_cast<std::size_t>(block);
            QCOMPARE(Bytes(requests[first], 0, 65), Bytes(ReportOf(Bytes({0x72, block})), 0, 65));
            QCOMPARE(Bytes(requests[first + 1], 0, 65), Bytes(ReportOf(Bytes({0x52, block})), 0, 65));
        }
        QCOMPARE(exchange.BlockZeroImage(), device.Block(0));
    }

    void IdentityLogLines_data()
    {
        QTest::addColumn<quint32>("serial");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QString>("versionLine");
        QTest::addColumn<QString>("serialLine");
        QTest::newRow("serial 1") << 1U << QByteArray("KORVELT 1.05") << "Vuradod Version:KORVELT 1.05"
                                  << "Serial Number: 1";
        QTest::newRow("serial -1") << 0xFFFFFFFFU << QByteArray("X") << "Vuradod Version:X" << "Serial Number: -1";
        QTest::newRow("largest") << 0x7FFFFFFFU << QByteArray() << "Vuradod Version:" << "Serial Number: 2147483647";
        QTest::newRow("smallest") << 0x80000000U << QByteArray("a") << "Vuradod Version:a"
                                  << "Serial Number: -2147483648";
        const QByteArray full(55, 'v');
        QTest::newRow("version without a zero byte") << 258U << full << "Vuradod Version:" + QString(full)
                                                     << "Serial Number: 258";
    }
    void IdentityLogLines()
    {
        QFETCH(quint32, serial);
        QFETCH(QByteArray, version);
        QFETCH(QString, versionLine);
        QFETCH(QString, serialLine);
        // The set-clock exchange logs the identity as the download and the read do.
        for (const Kind kind : {Kind::SetClock, Kind::Download, Kind::Read}) {
            SimulatedKorvelt device;
            device.SetSerialNumber(serial);
            device.SetVersionText(version.toStdString());
            LoopbackHost host(device);
            DeviceExchange exchange(host);
            Start(exchange, kind);
            host.Pump(exchange);
            QCOMPARE(host.LogLines(), (std::vector<std::string>{versionLine.toStdString(), serialLine.toStdString()}));
            QCOMPARE(host.Events().back(), Completion(kind));
        }
    }

    void IdentityCheck_data()
    {
        QTest::addColumn<QByteArray>("bytes1to5");
        QTest::addColumn<bool>("passes");
        QTest::newRow("identity") << Bytes({0x53, 0x00, 0x04, 0x01, 0x00}) << true;
        QTest::newRow("byte 1 and byte 5 not examined") << Bytes({0x00, 0x00, 0x04, 0x01, 0x99}) << true;
        QTest::newRow("byte 2") << Bytes({0x53, 0x01, 0x04, 0x01, 0x00}) << false;
        QTest::newRow("byte 3") << Bytes({0x53, 0x00, 0x05, 0x01, 0x00}) << false;
        QTest::newRow("byte 4") << Bytes({0x53, 0x00, 0x04, 0x02, 0x00}) << false;
        QTest::newRow("all zero") << QByteArray(5, 0) << false;
    }
    void IdentityCheck()
    {
        QFETCH(QByteArray, bytes1to5);
        QFETCH(bool, passes);
        Report reply = ReportOf(bytes1to5);
        reply[0] = 0x77;
        reply[6] = 5;
        std::copy_n("T", 2, reply.begin() + 10);
        for (const bool log : {true, false}) {
            ScriptedHost host;
            DeviceExchange exchange(host);
            QCOMPARE(exchange.CheckIdentity(reply, log), passes);
            const auto expected = !passes ? Events({IdentityError})
                                  : log   ? Events({"Log: Vuradod Version:T | Serial Number: 5"})
                                          : Events({});
            QCOMPARE(host.EventList(), expected);
        }
    }

    void WrongIdentityEndsTheExchange_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("download") << Kind::Download;
        QTest::newRow("read") << Kind::Read;
        QTest::newRow("set clock") << Kind::SetClock;
        QTest::newRow("read clock") << Kind::ReadClock;
    }
    void WrongIdentityEndsTheExchange()
    {
        QFETCH(Kind, kind);
        SimulatedKorvelt device;
        device.SetSerialNumber(42);
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        exchange.StartSetClock(); // leaves a log behind
        host.Pump(exchange);
        const std::vector<std::string> log = host.LogLines();
        QCOMPARE(log.size(), std::size_t{2});

        device.InjectFault(SimulatedFault::WrongIdentity);
        host.ClearRecords();
        Start(exchange, kind);
        QCOMPARE(host.Pump(exchange), 1);
        QCOMPARE(host.Events(), Events({IdentityError}));
        QCOMPARE(int(host.Requests().size()), 1);
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QCOMPARE(host.LogLines(), log);
        QVERIFY(SameSchedule(host.Schedule(), ScheduleModel{}));

        device.ClearFault();
        host.ClearRecords();
        Start(exchange, kind);
        host.Pump(exchange);
        QCOMPARE(host.Events().back(), Completion(kind));
    }

    void ReadClockDoesNotLog()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        exchange.StartReadClock();
        QCOMPARE(host.Pump(exchange), 2);
        QCOMPARE(host.Events(), Events({"Clock"}));
        QVERIFY(host.LogLines().empty());
    }

    void SetClockSendsTheValueAskedForAtTheIdentityReply()
    {
        ScriptedHost host;
        DeviceExchange exchange(host);
        host.SetClockValue(DateOf(2001, 1, 1));
        host.Expect(ReportOf(Bytes({0x53})), {IdentityReply()});
        host.Expect(ReportOf(Bytes({0x54, 0x57, 1, 59, 59, 28, 3, 10})),
                    {ReportOf(Bytes({0x54, 1, 59, 59, 28, 3, 10}))});
        exchange.StartSetClock();
        QCOMPARE(exchange.State(), ProtocolState::SetClockIdentify);
        // The PC clock moves on between the click and the identity reply.
        host.SetClockValue(DateOf(2010, 3, 28) + TimeOf(1, 59, 59, 750));
        host.Pump(exchange);
        QVERIFY2(host.Failures().empty(), host.Failures().empty() ? "" : host.Failures().front().c_str());
        QVERIFY(host.ScriptDone());
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QCOMPARE(host.EventList(), Events({"Log: Vuradod Version:V | Serial Number: 7"}));
        QVERIFY(host.Clock().has_value());
        QCOMPARE(host.Clock()->Date, DateOf(2010, 3, 28));
        QCOMPARE(host.Clock()->Time, TimeOf(1, 59, 59));
    }

    void SetAndReadTheSimulatedClock()
    {
        SimulatedKorvelt device;
        std::int64_t ticks = 1000;
        device.SetTickSource([&ticks] { return ticks; });
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        host.SetClockValue(DateOf(2010, 3, 28) + TimeOf(1, 59, 59, 750));
        exchange.StartSetClock();
        QCOMPARE(host.Pump(exchange), 2);
        QCOMPARE(Bytes(host.Requests()[1], 0, 65), Bytes(ReportOf(Bytes({0x54, 0x57, 1, 59, 59, 28, 3, 10})), 0, 65));
        QCOMPARE(host.LastClock(), (DeviceClockReading{DateOf(2010, 3, 28), TimeOf(1, 59, 59)}));

        ticks += 61'500;
        exchange.StartReadClock();
        QCOMPARE(host.Pump(exchange), 2);
        QCOMPARE(Bytes(host.Requests()[3], 0, 65), Bytes(ReportOf(Bytes({0x54, 0x52})), 0, 65));
        QCOMPARE(host.LastClock(), (DeviceClockReading{DateOf(2010, 3, 28), TimeOf(2, 1, 0)}));
    }

    void ClockReplyWaitsForAClockReport()
    {
        ScriptedHost host;
        DeviceExchange exchange(host);
        host.Expect(ReportOf(Bytes({0x53})), {IdentityReply()});
        host.Expect(ReportOf(Bytes({0x54, 0x52})));
        exchange.StartReadClock();
        host.Pump(exchange);
        QCOMPARE(exchange.State(), ProtocolState::ClockReply);
        const Report sent = exchange.SendBuffer();

        for (const int marker : {0x53, 0x00, 0x55, 0xD4}) {
            host.Deliver(exchange, ReportOf(Bytes({marker, 9, 5, 0, 17, 8, 10})));
            QCOMPARE(exchange.State(), ProtocolState::ClockReply);
        }
        QVERIFY(!host.Clock().has_value());
        QVERIFY(host.EventList().empty());
        QCOMPARE(exchange.SendBuffer(), sent);

        host.Deliver(exchange, ReportOf(Bytes({0x54, 9, 5, 0, 17, 8, 10})));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QCOMPARE(host.Clock(), (DeviceClockReading{DateOf(2010, 8, 17), TimeOf(9, 5, 0)}));
        QVERIFY(host.Failures().empty());
        QVERIFY(host.ScriptDone());
    }

    void ReportsDuringIdleChangeNothing()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartReadClock();
        host.Pump(exchange);
        host.ClearRecords();
        const Report sent = exchange.SendBuffer();

        Report erased{};
        erased.fill(0xFF);
        for (const Report &report : {IdentityReply(), ReportOf(Bytes({0x54, 9, 5, 0, 17, 8, 10})), erased, Report{}}) {
            exchange.ReportReceived(report);
            QCOMPARE(exchange.State(), ProtocolState::Idle);
        }
        QVERIFY(host.Requests().empty());
        QVERIFY(host.Events().empty());
        QCOMPARE(exchange.SendBuffer(), sent);
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));
    }

    void ReadStartedDuringADownload()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartDownload();
        QCOMPARE(host.Pump(exchange, 20), 20); // the first half of block 9 is outstanding
        QCOMPARE(exchange.State(), ProtocolState::WriteNormalSecondHalf);

        host.Schedule() = ScheduleModel{};
        exchange.StartRead();
        QCOMPARE(exchange.State(), ProtocolState::ReadIdentify);
        // The reply to the outstanding download request comes first and fails the check;
        // the identity reply then arrives while idle.
        QCOMPARE(host.Pump(exchange), 2);
        QCOMPARE(host.Events().back(), IdentityError);
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(host.Schedule(), ScheduleModel{}));

        // The link is usable: the next read gets the blocks the download had written.
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange), ReadRequests);
        QCOMPARE(host.Events().back(), std::string("Information: Read Complete"));
        const ScheduleModel expected = DistinctSchedule();
        QVERIFY(host.Schedule().DaylightSaving == expected.DaylightSaving);
        QVERIFY(host.Schedule().SpecialDates == expected.SpecialDates);
        QVERIFY(SlotAt(host.Schedule().NormalTimes, 3, 15) == SlotAt(expected.NormalTimes, 3, 15));
        QVERIFY(SlotAt(host.Schedule().NormalTimes, 4, 3) == SlotAt(expected.NormalTimes, 4, 3));
        QVERIFY(SlotAt(host.Schedule().NormalTimes, 4, 4) == TimeSlot{});
    }

    void AbandonedReadLeavesTheModel_data()
    {
        QTest::addColumn<Kind>("next");
        QTest::addColumn<int>("repliesBefore");
        QTest::newRow("download after block 0") << Kind::Download << 3;
        QTest::newRow("read clock half way") << Kind::ReadClock << 70;
        QTest::newRow("read again before the last reply") << Kind::Read << 130;
    }
    void AbandonedReadLeavesTheModel()
    {
        QFETCH(Kind, next);
        QFETCH(int, repliesBefore);
        SimulatedKorvelt device;
        {
            LoopbackHost writer(device);
            writer.Schedule() = DistinctSchedule();
            DeviceExchange download(writer);
            download.StartDownload();
            writer.Pump(download);
        }
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange, repliesBefore), repliesBefore);
        Start(exchange, next);
        host.Pump(exchange);
        QCOMPARE(host.Events().back(), IdentityError);
        QVERIFY(SameSchedule(host.Schedule(), ScheduleModel{}));

        host.ClearRecords();
        Start(exchange, next);
        host.Pump(exchange);
        QCOMPARE(host.Events().back(), Completion(next));
    }

    void InvalidScheduleData_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("offset"); // in the block
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("replies"); // up to the one that fails
        QTest::newRow("special date 31 February") << 0 << 48 + 3 * 7 << Bytes({31, 2, 10}) << 3;
        QTest::newRow("last special date erased") << 0 << 93 << Bytes({0xFF, 0xFF, 0xFF}) << 3;
        QTest::newRow("hour 24 in block 1") << 1 << 1 << Bytes({24}) << 4;
        QTest::newRow("minute 60 in a second half") << 5 << 48 + 12 + 5 << Bytes({60}) << 13;
        QTest::newRow("second 60 in block 40") << 40 << 3 << Bytes({60}) << 82;
        QTest::newRow("last field of block 64") << 64 << 48 + 36 + 6 << Bytes({60}) << 131;
    }
    void InvalidScheduleData()
    {
        QFETCH(int, block);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(int, replies);
        SimulatedKorvelt device;
        BlockImage image = device.Block(block);
        std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
        device.SetBlock(block, image);

        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange), replies);
        QCOMPARE(int(host.Requests().size()), replies);
        QCOMPARE(host.Events(),
                 Events({DefaultLog, "Error: KORVELT sent invalid schedule data.\nBlock " + std::to_string(block)}));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));

        // Mended, the same device reads whole.
        device.SetBlock(block, SimulatedKorvelt{}.Block(block));
        host.ClearRecords();
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange), ReadRequests);
        QCOMPARE(host.Events().back(), std::string("Information: Read Complete"));
        QVERIFY(SameSchedule(host.Schedule(), ScheduleModel{}));
    }

    void ErasedMemory()
    {
        SimulatedKorvelt device;
        device.EraseMemory();
        LoopbackHost host(device);
        host.Schedule() = DistinctSchedule();
        DeviceExchange exchange(host);
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange), 3);
        QCOMPARE(host.Events().back(), std::string("Error: KORVELT sent invalid schedule data.\nBlock 0"));
        QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));

        // A download fills the memory again.
        exchange.StartDownload();
        QCOMPARE(host.Pump(exchange), DownloadRequests);
        QVERIFY(SameSchedule(ReadBack(device), DistinctSchedule()));
    }

    void Faults_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("outcome"); // the last event, or "" for none after the log
        const std::string read = "Information: Read Complete";
        const std::string invalid = "Error: KORVELT sent invalid schedule data.\nBlock ";
        struct Row {
            const char *name;
            Kind kind;
            SimulatedFault fault;
            int after;
            std::string outcome;
        };
        const std::vector<Row> rows{
            {"silent at once, read", Kind::Read, SimulatedFault::FallSilent, 0, ""},
            {"silent in block 0, read", Kind::Read, SimulatedFault::FallSilent, 2, ""},
            {"silent half way, read", Kind::Read, SimulatedFault::FallSilent, 60, ""},
            {"silent before the last reply, read", Kind::Read, SimulatedFault::FallSilent, 130, ""},
            {"silent half way, download", Kind::Download, SimulatedFault::FallSilent, 70, ""},
            {"silent before EndDownload, download", Kind::Download, SimulatedFault::FallSilent, 132, ""},
            {"silent before the clock reply", Kind::SetClock, SimulatedFault::FallSilent, 1, ""},
            {"unplugged at once, read", Kind::Read, SimulatedFault::Unplug, 0, ""},
            {"unplugged half way, read", Kind::Read, SimulatedFault::Unplug, 77, ""},
            {"unplugged before the last reply, read", Kind::Read, SimulatedFault::Unplug, 130, ""},
            {"unplugged half way, download", Kind::Download, SimulatedFault::Unplug, 40, ""},
            {"unplugged before the clock reply", Kind::ReadClock, SimulatedFault::Unplug, 1, ""},
            {"garbage identity, read", Kind::Read, SimulatedFault::Garbage, 0, IdentityError},
            {"garbage in block 0, read", Kind::Read, SimulatedFault::Garbage, 1, invalid + "0"},
            {"garbage in block 9, read", Kind::Read, SimulatedFault::Garbage, 19, invalid + "9"},
            {"garbage acknowledgements, download", Kind::Download, SimulatedFault::Garbage, 1,
             "Information: Download Complete"},
            {"garbage clock reply", Kind::ReadClock, SimulatedFault::Garbage, 1, ""},
            {"wrong identity, read", Kind::Read, SimulatedFault::WrongIdentity, 0, IdentityError},
            {"wrong identity, download", Kind::Download, SimulatedFault::WrongIdentity, 0, IdentityError},
            {"extra identity reply, read", Kind::Read, SimulatedFault::ExtraReport, 0, invalid + "0"},
            {"extra reply half way, read", Kind::Read, SimulatedFault::ExtraReport, 50, read},
            {"extra last reply, read", Kind::Read, SimulatedFault::ExtraReport, 130, read},
            {"extra reply, download", Kind::Download, SimulatedFault::ExtraReport, 10,
             "Information: Download Complete"},
            {"extra identity reply, set clock", Kind::SetClock, SimulatedFault::ExtraReport, 0, "Clock"},
        };
        for (const Row &row : rows) {
            QTest::newRow(row.name) << row.kind << row.fault << row.after << QString::fromStdString(row.outcome);
        }
    }
    void Faults()
    {
        QFETCH(Kind, kind);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, after);
        QFETCH(QString, outcome);
        // A download takes the schedule to a fresh device; the other commands meet a device
        // that holds it already.
        SimulatedKorvelt device;
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        if (kind == Kind::Download) {
            host.Schedule() = DistinctSchedule();
        } else {
            host.Schedule() = DistinctSchedule();
            exchange.StartDownload();
            host.Pump(exchange);
            host.Schedule() = ScheduleModel{};
            host.ClearRecords();
        }
        const ScheduleModel before = host.Schedule();
        device.InjectFault(fault, after);
        Start(exchange, kind);
        host.Pump(exchange);

        const std::vector<std::string> &events = host.Events();
        const bool logged = !events.empty() && events.front().starts_with("Log: ");
        const std::string last = events.size() > (logged ? 1U : 0U) ? events.back() : std::string();
        QCOMPARE(QString::fromStdString(last), outcome);
        const bool readWhole = last == "Information: Read Complete";
        QCOMPARE(int(std::count(events.begin(), events.end(), "ReadComplete")), readWhole ? 1 : 0);
        if (!readWhole) {
            QVERIFY(SameSchedule(host.Schedule(), before));
        } else if (fault != SimulatedFault::ExtraReport || after >= 130) {
            QVERIFY(SameSchedule(host.Schedule(), DistinctSchedule()));
        }
        const bool finished = !outcome.isEmpty();
        QCOMPARE(exchange.State() == ProtocolState::Idle, finished);

        // The next exchange of the same kind succeeds, and the device holds the schedule.
        device.ClearFault();
        device.PlugIn();
        host.Pump(exchange); // whatever the device still had to say
        host.ClearRecords();
        Start(exchange, kind);
        host.Pump(exchange);
        QCOMPARE(host.Events().back(), Completion(kind));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(ReadBack(device), DistinctSchedule()));
    }

    void ExtraReportShiftsTheRead()
    {
        // A duplicated reply is taken as the reply to the next request: from there on each
        // half lands one place later, and the last real reply arrives after the read ended.
        SimulatedKorvelt device;
        {
            LoopbackHost writer(device);
            writer.Schedule() = DistinctSchedule();
            DeviceExchange download(writer);
            download.StartDownload();
            writer.Pump(download);
        }
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        device.InjectFault(SimulatedFault::ExtraReport, 10); // request 11: second half of block 4
        exchange.StartRead();
        QCOMPARE(host.Pump(exchange), ReadRequests + 1);
        QCOMPARE(host.Events().back(), std::string("Information: Read Complete"));
        QCOMPARE(int(host.Requests().size()), ReadRequests);
        const ScheduleModel source = DistinctSchedule();
        const ScheduleModel &read = host.Schedule();
        for (int i = 0; i < 4; ++i) {
            QVERIFY(SlotAt(read.NormalTimes, 1, 12 + i) == SlotAt(source.NormalTimes, 1, 12 + i));
            QVERIFY(SlotAt(read.NormalTimes, 2, i) == SlotAt(source.NormalTimes, 1, 12 + i));
            QVERIFY(SlotAt(read.NormalTimes, 2, 4 + i) == SlotAt(source.NormalTimes, 2, i));
            QVERIFY(SlotAt(read.SpecialTimes, 15, 12 + i) == SlotAt(source.SpecialTimes, 15, 8 + i));
        }
    }
};

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
