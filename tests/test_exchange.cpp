// The exchange state machine against strict scripts of the device's replies, and against
// the simulated KORVELT.

#include "core/DeviceExchange.h"
#include "simulator/LoopbackHost.h"
#include "simulator/SimulatedKorvelt.h"
#include "TestSchedules.h"

#include <QTest>

using namespace korvelt;
using namespace korvelt::testing;

namespace {

// Hands the exchange the script's replies to steps 0..to-1, each after checking that the
// step's request, and no other, has gone out.
bool RunScript(DeviceExchange &exchange, RecordingHost &host, const std::vector<ScriptStep> &script,
               std::size_t to = SIZE_MAX)
{
    for (std::size_t i = 0; i < std::min(to, script.size()); ++i) {
        if (host.Sent.size() != i + 1 || host.Sent[i] != script[i].Request || host.Ended()) {
            qWarning("step %zu: %zu requests sent, the last %s", i, host.Sent.size(),
                     host.Sent.empty() ? "" : Bytes(host.Sent.back()).toHex(' ').data());
            return false;
        }
        exchange.ReportReceived(script[i].Reply);
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(ExchangeKind)

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    // Against a strict script: each reply brings exactly the script's next request, byte for
    // byte, and the last brings the result and nothing more. The host's schedule and clock
    // change once the exchange has started: a download still sends the schedule it started
    // with, and "Set Time" sends the clock of the moment the identity reply arrives. Stray
    // and late reports are left to fuzz_exchange.
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
        QVERIFY(RunScript(exchange, host, script));
        QCOMPARE(host.Sent.size(), script.size());
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QCOMPARE(host.Identity.has_value(), kind != ExchangeKind::ReadClock);
        QVERIFY(!host.Identity || (host.Identity->Version == ScriptedVersion && host.Identity->SerialNumber == -2));
        QCOMPARE(host.Downloaded, kind == ExchangeKind::Download);
        QCOMPARE(host.Read.has_value(), kind == ExchangeKind::Read);
        QVERIFY(!host.Read || SameSchedule(*host.Read, DistinctSchedule()));
        QCOMPARE(host.Clock, kind >= ExchangeKind::SetClock ? std::optional(ScriptedClock) : std::nullopt);
        QVERIFY(!host.Failure);
    }

    // An identity that is not our application's (bytes 2, 3 and 4), or a read reply with a
    // value that is no time or date, ends the exchange; so does the reply still outstanding
    // when another command starts, and the identity reply then arrives while idle. Either
    // way no request follows, nothing is handed over, and the next command goes through.
    void EndsEarly_data()
    {
        QTest::addColumn<ExchangeKind>("first");
        QTest::addColumn<int>("step"); // whose reply ends it
        QTest::addColumn<int>("at");   // the byte of that reply set to `value`; 0: `second` starts before it
        QTest::addColumn<int>("value");
        QTest::addColumn<ExchangeKind>("second");
        QTest::addColumn<int>("block"); // that the failure names; -1: not a KORVELT
        using enum ExchangeKind;
        QTest::newRow("download, identity byte 2") << Download << 0 << 2 << 1 << Download << -1;
        QTest::newRow("read, identity byte 3") << Read << 0 << 3 << 5 << Read << -1;
        QTest::newRow("set clock, another application") << SetClock << 0 << 4 << 2 << SetClock << -1;
        QTest::newRow("read clock, identity byte 3") << ReadClock << 0 << 3 << 0 << ReadClock << -1;
        QTest::newRow("day 0 in the last special date") << Read << 2 << 2 + 45 << 0 << Read << 0;
        QTest::newRow("hour 24 in a first half") << Read << 3 << 2 + 1 << 24 << Read << 1;
        QTest::newRow("minute 60 in a second half") << Read << 12 << 2 + 12 + 5 << 60 << Read << 5;
        QTest::newRow("second 60 in the special times") << Read << 81 << 2 + 3 << 60 << Read << 40;
        QTest::newRow("last field of block 64") << Read << 130 << 2 + 36 + 6 << 60 << Read << 64;
        QTest::newRow("read during a download") << Download << 20 << 0 << 0 << Read << -1;
        QTest::newRow("read clock half way through a read") << Read << 70 << 0 << 0 << ReadClock << -1;
        QTest::newRow("read again before the last reply") << Read << 130 << 0 << 0 << Read << -1;
    }
    void EndsEarly()
    {
        QFETCH(ExchangeKind, first);
        QFETCH(int, step);
        QFETCH(int, at);
        QFETCH(int, value);
        QFETCH(ExchangeKind, second);
        QFETCH(int, block);
        RecordingHost host;
        DeviceExchange exchange(host);
        StartExchange(exchange, first);
        const std::vector<ScriptStep> script = ExchangeScript(first);
        QVERIFY(RunScript(exchange, host, script, step));
        Report reply = script.at(step).Reply;
        if (at == 0) {
            StartExchange(exchange, second);
            exchange.ReportReceived(reply);
            reply = ExchangeScript(second)[0].Reply;
        } else {
            reply.at(at) = value;
        }
        exchange.ReportReceived(reply);
        QCOMPARE(host.Failure, std::optional(block < 0 ? std::pair{ExchangeFailure::NotAKorvelt, 0}
                                                       : std::pair{ExchangeFailure::InvalidScheduleData, block}));
        QCOMPARE(host.Sent.size(), std::size_t(step + (at == 0 ? 2 : 1)));
        QCOMPARE(exchange.State(), ProtocolState::Idle);
        QVERIFY(!host.Read);
        host.Clear();
        StartExchange(exchange, second);
        QVERIFY(RunScript(exchange, host, ExchangeScript(second)));
        QVERIFY(host.Ended() && !host.Failure);
    }
    // The simulated KORVELT, which the window and soak tests rely on without seeing its memory:
    // new, it holds the defaults; then it gives back what it was sent.
    void SimulatorKeepsWhatItWasSent()
    {
        SimulatedKorvelt device;
        LoopbackHost host(device);
        DeviceExchange exchange(host);
        for (const bool download : {false, true}) {
            host.Schedule() = DistinctSchedule();
            if (download) {
                exchange.StartDownload(host.Schedule());
                QCOMPARE(host.Pump(exchange), 133);
                host.Schedule() = ScheduleModel{};
            }
            exchange.StartRead();
            QCOMPARE(host.Pump(exchange), 131);
            QVERIFY(SameSchedule(host.Schedule(), download ? DistinctSchedule() : ScheduleModel{}));
        }
    }
};

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
