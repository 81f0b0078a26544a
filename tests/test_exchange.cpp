// The exchange state machine against strict scripts of the device's replies.

#include "DeviceExchange.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

constexpr std::array AllKinds{ExchangeKind::Download, ExchangeKind::Read, ExchangeKind::SetClock,
                              ExchangeKind::ReadClock};

// Hands the exchange the script's replies to steps from..to-1, each after checking that the
// step's request, and no other, has gone out.
bool RunScript(DeviceExchange &exchange, RecordingHost &host, const std::vector<ScriptStep> &script,
               std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    for (std::size_t i = from; i < std::min(to, script.size()); ++i) {
        if (host.Sent.size() != i + 1 || host.Sent[i] != script[i].Request || host.Ended()) {
            const QByteArray last(reinterpret_cast<const char *>(host.Sent.back().data()), ReportSize);
            qWarning("step %zu: %zu requests sent, the last %s", i, host.Sent.size(), last.toHex(' ').data());
            return false;
        }
        exchange.ReportReceived(script[i].Reply);
    }
    return true;
}

// A whole exchange, to its end.
bool Completes(DeviceExchange &exchange, RecordingHost &host, ExchangeKind kind)
{
    host.Clear();
    StartExchange(exchange, kind);
    const std::vector<ScriptStep> script = ExchangeScript(kind);
    return RunScript(exchange, host, script) && host.Sent.size() == script.size() && host.Ended() && !host.Failure;
}

} // namespace

Q_DECLARE_METATYPE(ExchangeKind)

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    // Against a strict script: each reply brings exactly the script's next request, byte for
    // byte, and the last brings the result and nothing more; replies that come after it
    // change nothing, and so do reports that are no clock reply while one is awaited. The
    // host's schedule and clock change once the exchange has started: a download still sends
    // the schedule it started with, and "Set Time" sends the clock of the moment the
    // identity reply arrives.
    void WholeExchanges_data()
    {
        QTest::addColumn<ExchangeKind>("kind");
        QTest::newRow("download") << ExchangeKind::Download;
        QTest::newRow("read") << ExchangeKind::Read;
        QTest::newRow("set clock") << ExchangeKind::SetClock;
        QTest::newRow("read clock") << ExchangeKind::ReadClock;
    }
    void WholeExchanges()
    {
        QFETCH(ExchangeKind, kind);
        RecordingHost host;
        host.ClockValue = DateOf(2001, 1, 1);
        DeviceExchange exchange(host);
        StartExchange(exchange, kind);
        host.Schedule = ScheduleModel{};
        host.ClockValue = ClockToSet;
        const std::vector<ScriptStep> script = ExchangeScript(kind);
        QVERIFY(RunScript(exchange, host, script, 0, script.size() - 1));
        if (kind >= ExchangeKind::SetClock) { // anything but a clock report is dropped
            for (const int marker : {0x53, 0x00, 0xD4}) {
                exchange.ReportReceived(ReportOf({marker, 9, 5, 0, 17, 8, 10}));
            }
            QCOMPARE(exchange.State(), ProtocolState::ClockReply);
        }
        QVERIFY(RunScript(exchange, host, script, script.size() - 1));
        QCOMPARE(host.Sent.size(), script.size());
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QCOMPARE(host.Identity.has_value(), kind != ExchangeKind::ReadClock);
        QVERIFY(!host.Identity || (host.Identity->Version == "KORVELT 1.05" && host.Identity->SerialNumber == 42));
        QCOMPARE(host.Downloaded, kind == ExchangeKind::Download);
        QCOMPARE(host.Read, kind == ExchangeKind::Read);
        QVERIFY(SameSchedule(host.Schedule, kind == ExchangeKind::Read ? DistinctSchedule() : ScheduleModel{}));
        QCOMPARE(host.Clock, kind >= ExchangeKind::SetClock ? std::optional(ScriptedClock) : std::nullopt);
        QVERIFY(!host.Failure);

        host.Clear();
        for (const ScriptStep &step : script) {
            exchange.ReportReceived(step.Reply);
        }
        QVERIFY(host.Sent.empty() && !host.Ended() && !host.Identity);
        QCOMPARE(exchange.State(), ProtocolState::Idle);
    }

    // Bytes 2, 3 and 4 of the reply to Identify say it is our application; the serial number
    // and the version text follow. After a refusal the next command goes through.
    void Identity_data()
    {
        QTest::addColumn<QByteArray>("reply"); // from byte 1
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("serial");
        QTest::newRow("ours, bytes 1 and 5 not examined")
            << Bytes({0, 0, 4, 1, 0x99, 2, 1, 0, 0, 'X'}) << true << QByteArray("X")
                                                          << 258;
        QTest::newRow("serial -1, version without a zero byte")
            << Bytes({0x53, 0, 4, 1, 0, 0xFF, 0xFF, 0xFF, 0xFF}) + QByteArray(55, 'v') << true << QByteArray(55, 'v')
            << -1;
        QTest::newRow("byte 2") << Bytes({0x53, 1, 4, 1}) << false << QByteArray() << 0;
        QTest::newRow("byte 3") << Bytes({0x53, 0, 5, 1}) << false << QByteArray() << 0;
        QTest::newRow("byte 4, another application") << Bytes({0x53, 0, 4, 2}) << false << QByteArray() << 0;
    }
    void Identity()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, passes);
        QFETCH(QByteArray, version);
        QFETCH(int, serial);
        Report identity{};
        std::copy(reply.begin(), reply.end(), identity.begin() + 1);
        for (const ExchangeKind kind : AllKinds) {
            RecordingHost host;
            DeviceExchange exchange(host);
            StartExchange(exchange, kind);
            exchange.ReportReceived(identity);
            QCOMPARE(exchange.State() == ProtocolState::Idle, !passes);
            QCOMPARE(host.Failure, passes ? std::nullopt : std::optional(std::pair{ExchangeFailure::NotAKorvelt, 0}));
            QCOMPARE(host.Identity.has_value(), passes && kind != ExchangeKind::ReadClock);
            QVERIFY(!host.Identity || (host.Identity->Version == version.toStdString() &&
                                       host.Identity->SerialNumber == serial));
            if (passes) {
                QVERIFY(RunScript(exchange, host, ExchangeScript(kind), 1));
                QVERIFY(host.Ended() && !host.Failure);
            } else {
                QCOMPARE(host.Sent.size(), 1U);
                QVERIFY(Completes(exchange, host, kind));
            }
        }
    }

    // The reply to the request still outstanding comes first and fails the identity check;
    // the identity reply then arrives while idle. An abandoned read changes nothing.
    void StartingAnotherCommandMidway_data()
    {
        QTest::addColumn<ExchangeKind>("first");
        QTest::addColumn<int>("replies"); // before the second command starts
        QTest::addColumn<ExchangeKind>("second");
        QTest::newRow("read during a download") << ExchangeKind::Download << 20 << ExchangeKind::Read;
        QTest::newRow("read clock half way through a read") << ExchangeKind::Read << 70 << ExchangeKind::ReadClock;
        QTest::newRow("read again before the last reply") << ExchangeKind::Read << 130 << ExchangeKind::Read;
    }
    void StartingAnotherCommandMidway()
    {
        QFETCH(ExchangeKind, first);
        QFETCH(int, replies);
        QFETCH(ExchangeKind, second);
        const ScheduleModel before = first == ExchangeKind::Download ? DistinctSchedule() : ScheduleModel{};
        RecordingHost host(before);
        DeviceExchange exchange(host);
        StartExchange(exchange, first);
        const std::vector<ScriptStep> script = ExchangeScript(first);
        QVERIFY(RunScript(exchange, host, script, 0, replies));
        StartExchange(exchange, second);
        exchange.ReportReceived(script.at(replies).Reply);
        exchange.ReportReceived(ExchangeScript(second)[0].Reply);
        QCOMPARE(host.Failure, std::optional(std::pair{ExchangeFailure::NotAKorvelt, 0}));
        QCOMPARE(host.Sent.size(), std::size_t(replies + 2));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(host.Schedule, before));
        QVERIFY(Completes(exchange, host, second));
    }

    // A read reply with a value that is no time or date ends the read at its block, and the
    // schedule stays as it was.
    void InvalidScheduleData_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("half");
        QTest::addColumn<int>("offset"); // in the half
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("last special date erased") << 0 << 1 << 45 << Bytes({0xFF, 0xFF, 0xFF});
        QTest::newRow("hour 24 in a first half") << 1 << 0 << 1 << Bytes({24});
        QTest::newRow("minute 60 in a second half") << 5 << 1 << 12 + 5 << Bytes({60});
        QTest::newRow("second 60 in the special times") << 40 << 0 << 3 << Bytes({60});
        QTest::newRow("last field of block 64") << 64 << 1 << 36 + 6 << Bytes({60});
    }
    void InvalidScheduleData()
    {
        QFETCH(int, block);
        QFETCH(int, half);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        RecordingHost host(ScheduleModel{});
        DeviceExchange exchange(host);
        exchange.StartRead();
        std::vector<ScriptStep> script = ExchangeScript(ExchangeKind::Read);
        const std::size_t step = 1 + 2 * block + half;
        std::copy(bytes.begin(), bytes.end(), script[step].Reply.begin() + 2 + offset);
        QVERIFY(RunScript(exchange, host, script, 0, step + 1));
        QCOMPARE(host.Failure, std::optional(std::pair{ExchangeFailure::InvalidScheduleData, block}));
        QCOMPARE(host.Sent.size(), step + 1);
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(SameSchedule(host.Schedule, ScheduleModel{}));
    }
};

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
