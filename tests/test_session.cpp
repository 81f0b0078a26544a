// A device session without a window, through the real reader thread, against the simulated
// KORVELT: progress, the busy state, cancelling, time-outs, unplugging and the read-back.

#include "device/DeviceSession.h"
#include "simulator/SimulatedHidBackend.h"
#include "TestSchedules.h"

#include <QTest>
#include <QTimer>

#include <cstdlib>

using namespace korvelt;
using namespace korvelt::testing;

Q_DECLARE_METATYPE(SessionCommand)
Q_DECLARE_METATYPE(SimulatedFault)

namespace {

// One KORVELT, a session on it, and what the session said.
struct Fixture {
    SimulatedHidBackend backend;
    std::shared_ptr<SimulatedKorvelt> device = backend.AddKorvelt();
    DeviceSession session{backend};
    std::vector<SessionProgress> progress;
    QList<bool> busy;
    QString end; // the last signal: "written", "verified", "read", "clock", "failed", "cancelled"
    bool busyAtEnd = true;
    int sentAtEnd = 0; // requests the device had had when the last signal came
    SessionError error;

    Fixture()
    {
        const auto ended = [this](const char *what) {
            end = QLatin1String(what);
            busyAtEnd = session.Busy();
            sentAtEnd = device->RequestCount();
        };
        QObject::connect(&session, &DeviceSession::Progress,
                         [this](const SessionProgress &p) { progress.push_back(p); });
        QObject::connect(&session, &DeviceSession::BusyChanged, [this](bool b) { busy.push_back(b); });
        QObject::connect(&session, &DeviceSession::DownloadDone, [=](bool v) { ended(v ? "verified" : "written"); });
        QObject::connect(&session, &DeviceSession::ReadDone, [=] { ended("read"); });
        QObject::connect(&session, &DeviceSession::ClockRead, [=] { ended("clock"); });
        QObject::connect(&session, &DeviceSession::Cancelled, [=] { ended("cancelled"); });
        QObject::connect(&session, &DeviceSession::Failed, [=, this](const SessionError &e) {
            error = e;
            ended("failed");
        });
    }

    bool Start(SessionCommand command, bool verify = false)
    {
        end.clear();
        busy.clear();
        progress.clear();
        using enum SessionCommand;
        return command == Write      ? session.StartDownload(DistinctSchedule(), verify)
               : command == Read     ? session.StartRead()
               : command == SetClock ? session.StartSetClock([] { return DateOf(2011, 5, 5); })
                                     : session.StartReadClock();
    }
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    // Progress counts every request of the command in order, the read-back of a write
    // included; busy from the start to right before the last signal.
    void WholeCommands_data()
    {
        QTest::addColumn<SessionCommand>("command");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("end");
        QTest::newRow("write") << SessionCommand::Write << false << 133 << "written";
        QTest::newRow("write, read back") << SessionCommand::Write << true << 264 << "verified";
        QTest::newRow("read") << SessionCommand::Read << false << 131 << "read";
        QTest::newRow("set clock") << SessionCommand::SetClock << false << 2 << "clock";
        QTest::newRow("read clock") << SessionCommand::ReadClock << false << 2 << "clock";
    }
    void WholeCommands()
    {
        QFETCH(SessionCommand, command);
        QFETCH(bool, verify);
        QFETCH(int, total);
        QFETCH(QString, end);
        Fixture f;
        QVERIFY(f.Start(command, verify) && f.session.Busy());
        QTRY_COMPARE(f.end, end);
        QCOMPARE(f.busy, (QList<bool>{true, false}));
        QVERIFY(!f.busyAtEnd);
        QCOMPARE(int(f.progress.size()), total);
        int highestBlock = -1;
        for (int i = 0; i < total; ++i) {
            const SessionProgress &p = f.progress.at(i);
            QVERIFY(p.Step == i + 1 && p.Total == total && p.Command == command);
            QCOMPARE(p.Verifying, verify && i >= 133);
            highestBlock = std::max(highestBlock, p.Block);
        }
        QCOMPARE(f.progress.front().Block, -1); // the identity request
        QCOMPARE(highestBlock, total > 2 ? 64 : -1);
        QCOMPARE(f.device->RequestCount(), total);
    }

    // A reply that does not come, the device going away, a read-back that differs and Cancel
    // (from the handler of the reader's report, or later from the event loop) end the command,
    // naming where it was. Nothing more is sent; a closed link is searched afresh by the next
    // command, which goes through.
    void Endings_data() // clang-format off
    {
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("after");    // requests answered before the fault strikes
        QTest::addColumn<int>("cancelAt"); // the step whose progress cancels, negative: from the event loop
        QTest::addColumn<SessionError>("expected");
        using enum SessionCommand;
        using enum SessionFailure;
        const auto silent = SimulatedFault::FallSilent;
        const auto unplug = SimulatedFault::Unplug;
        const auto none = SimulatedFault::None;
        QTest::newRow("write, silent at block 5") << silent << 12 << 0 << SessionError{TimedOut, 5, {}, Write, false, {}};
        QTest::newRow("read clock, silent") << silent << 0 << 0 << SessionError{TimedOut, -1, {}, ReadClock, false, {}};
        QTest::newRow("read-back, silent") << silent << 136 << 0 << SessionError{TimedOut, 1, {}, Write, true, {}};
        QTest::newRow("read, unplugged at block 40") << unplug << 81 << 0 << SessionError{Unplugged, 40, {}, Read, false, {}};
        QTest::newRow("read-back, unplugged") << unplug << 133 << 0 << SessionError{Unplugged, -1, {}, Write, true, {}};
        QTest::newRow("read-back, erased") << SimulatedFault::EraseMemory << 134 << 0
                                           << SessionError{InvalidScheduleData, 0, {}, Write, true, {}};
        SessionError dropped{NotVerified, -1, {}, Write, true, {}}; // block 5: output 2's first eight normal slots
        for (int slot = 0; slot < 8; ++slot) {
            dropped.Differences.push_back({ScheduleDifference::Part::NormalSlot, 2, slot});
        }
        QTest::newRow("block 5 dropped") << SimulatedFault::DropBlock << 12 << 0 << dropped;
        QTest::newRow("write, cancelled in a handler") << none << 0 << 40 << SessionError{Unplugged, 0, {}, Write, false, {}};
        QTest::newRow("write, cancelled later") << none << 0 << -40 << SessionError{Unplugged, 0, {}, Write, false, {}};
        QTest::newRow("read-back, cancelled") << none << 0 << 150 << SessionError{Unplugged, 0, {}, Write, true, {}};
    } // clang-format on
    void Endings()
    {
        QFETCH(SimulatedFault, fault);
        QFETCH(int, after);
        QFETCH(int, cancelAt);
        QFETCH(SessionError, expected);
        Fixture f;
        // An unplug is said at once, long before this time-out.
        f.session.SetReplyTimeout(fault == SimulatedFault::Unplug ? 600'000 : 100);
        f.device->InjectFault(fault, after);
        QObject::connect(&f.session, &DeviceSession::Progress, [&](const SessionProgress &p) {
            if (p.Step == std::abs(cancelAt)) {
                cancelAt > 0 ? f.session.Cancel() : QTimer::singleShot(0, [&] { f.session.Cancel(); });
            }
        });
        QVERIFY(f.Start(expected.Command, true));
        QTRY_COMPARE(f.end, cancelAt != 0 ? QStringLiteral("cancelled") : QStringLiteral("failed"));
        QCOMPARE(f.busy, (QList<bool>{true, false}));
        QVERIFY(!f.busyAtEnd);
        if (cancelAt == 0) {
            QCOMPARE(f.error.Reason, expected.Reason);
            QCOMPARE(f.error.Block, expected.Block);
            QCOMPARE(f.error.Verifying, expected.Verifying);
            QCOMPARE(f.error.Differences, expected.Differences);
        }
        const bool closed = expected.Reason == SessionFailure::TimedOut || expected.Reason == SessionFailure::Unplugged;
        QCOMPARE(f.session.DeviceOpen(), !closed);
        f.session.Cancel(); // idle: nothing happens
        QCOMPARE(f.busy.size(), 2);
        f.device->ClearFault();
        f.device->PlugIn();
        const int opened = f.backend.OpenCount();
        const int sent = f.sentAtEnd;
        QVERIFY(f.Start(SessionCommand::ReadClock));
        QTRY_COMPARE(f.end, QStringLiteral("clock"));
        // Every command opens the link again (its two handles), so that no reply another program's
        // exchange left on this link is taken for an answer.
        QCOMPARE(f.backend.OpenCount(), opened + 2);
        QCOMPARE(f.device->RequestCount(), sent + 2);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
