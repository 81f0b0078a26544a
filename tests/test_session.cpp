// A device session without a window, through the real reader thread, against the simulated
// KORVELT: progress, the busy state, cancelling, time-outs, unplugging and the read-back.

#include "DeviceSession.h"
#include "SimulatedHidBackend.h"
#include "TestSchedules.h"

#include <QTest>
#include <QTimer>

using namespace korvelt;
using namespace korvelt::testing;

using Differences = std::vector<ScheduleDifference>;
Q_DECLARE_METATYPE(Differences)
Q_DECLARE_METATYPE(SessionCommand)
Q_DECLARE_METATYPE(SessionFailure)
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
    std::optional<SessionError> error;

    Fixture()
    {
        const auto ended = [this](const char *what) {
            end = QLatin1String(what);
            busyAtEnd = session.Busy();
        };
        QObject::connect(&session, &DeviceSession::Progress, [this](const SessionProgress &p) { progress.push_back(p); });
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

    bool Start(SessionCommand command, bool verify)
    {
        end.clear();
        busy.clear();
        progress.clear();
        switch (command) {
        case SessionCommand::Write:
            return session.StartDownload(DistinctSchedule(), verify);
        case SessionCommand::Read:
            return session.StartRead();
        case SessionCommand::SetClock:
            return session.StartSetClock([] { return DateOf(2011, 5, 5); });
        case SessionCommand::ReadClock:
            return session.StartReadClock();
        }
        return false;
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
        QVERIFY(f.Start(command, verify));
        QVERIFY(f.session.Busy());
        QTRY_COMPARE(f.end, end);
        QCOMPARE(f.busy, (QList<bool>{true, false}));
        QVERIFY(!f.busyAtEnd);
        QCOMPARE(int(f.progress.size()), total);
        int highestBlock = -1;
        for (int i = 0; i < total; ++i) {
            const SessionProgress &p = f.progress.at(i);
            QCOMPARE(p.Step, i + 1);
            QCOMPARE(p.Total, total);
            QCOMPARE(p.Command, command);
            QCOMPARE(p.Verifying, verify && i >= 133);
            highestBlock = std::max(highestBlock, p.Block);
        }
        QCOMPARE(f.progress.front().Block, -1); // the identity request
        QCOMPARE(highestBlock, total > 2 ? 64 : -1);
        QCOMPARE(f.device->RequestCount(), total);
    }

    // A reply that does not come, the device going away and a read-back that differs end the
    // command, naming where it was; the next command goes through.
    void Failures_data()
    {
        QTest::addColumn<SessionCommand>("command");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<SimulatedFault>("fault");
        QTest::addColumn<int>("after"); // requests answered before the fault strikes
        QTest::addColumn<SessionFailure>("reason");
        QTest::addColumn<int>("block");
        QTest::addColumn<bool>("verifying");
        QTest::addColumn<Differences>("differences");
        using enum SessionCommand;
        using enum SessionFailure;
        const auto silent = SimulatedFault::FallSilent;
        const auto unplug = SimulatedFault::Unplug;
        QTest::newRow("write, silent at block 5") << Write << false << silent << 12 << TimedOut << 5 << false << Differences{};
        QTest::newRow("read clock, silent") << ReadClock << false << silent << 0 << TimedOut << -1 << false << Differences{};
        QTest::newRow("read-back, silent") << Write << true << silent << 136 << TimedOut << 1 << true << Differences{};
        QTest::newRow("read, unplugged at block 40") << Read << false << unplug << 81 << Unplugged << 40 << false << Differences{};
        QTest::newRow("read-back, unplugged") << Write << true << unplug << 133 << Unplugged << -1 << true << Differences{};
        QTest::newRow("read-back, erased") << Write << true << SimulatedFault::EraseMemory << 134 << InvalidScheduleData
                                           << 0 << true << Differences{};
        Differences block5; // the first eight normal slots of the third output
        for (int slot = 0; slot < 8; ++slot) {
            block5.push_back({ScheduleDifference::Part::NormalSlot, 2, slot});
        }
        QTest::newRow("block 5 dropped") << Write << true << SimulatedFault::DropBlock << 12 << NotVerified << -1 << true
                                         << block5;
    }
    void Failures()
    {
        QFETCH(SessionCommand, command);
        QFETCH(bool, verify);
        QFETCH(SimulatedFault, fault);
        QFETCH(int, after);
        QFETCH(SessionFailure, reason);
        QFETCH(int, block);
        QFETCH(bool, verifying);
        QFETCH(Differences, differences);
        Fixture f;
        // An unplug is said at once, long before this time-out.
        f.session.SetReplyTimeout(fault == SimulatedFault::Unplug ? 600'000 : 100);
        f.device->InjectFault(fault, after);
        QVERIFY(f.Start(command, verify));
        QTRY_COMPARE(f.end, QStringLiteral("failed"));
        QCOMPARE(f.busy, (QList<bool>{true, false}));
        QVERIFY(!f.busyAtEnd);
        QCOMPARE(f.error->Reason, reason);
        QCOMPARE(f.error->Block, block);
        QCOMPARE(f.error->Command, command);
        QCOMPARE(f.error->Verifying, verifying);
        QCOMPARE(f.error->Differences, differences);
        const bool closed = reason == SessionFailure::TimedOut || reason == SessionFailure::Unplugged;
        QCOMPARE(f.session.DeviceOpen(), !closed);
        f.device->ClearFault();
        f.device->PlugIn();
        const int opened = f.backend.OpenCount();
        QVERIFY(f.Start(SessionCommand::ReadClock, false));
        QTRY_COMPARE(f.end, QStringLiteral("clock"));
        QCOMPARE(f.backend.OpenCount(), opened + (closed ? 2 : 0)); // a closed link is searched afresh
    }

    // Cancel stops sending at once, from a handler of the reader's report or from the event
    // loop; the link is closed, and the next command opens it again.
    void Cancel_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("atStep");
        QTest::addColumn<bool>("fromHandler");
        QTest::newRow("write, in the progress handler") << false << 40 << true;
        QTest::newRow("write, from the event loop") << false << 40 << false;
        QTest::newRow("read-back, in the progress handler") << true << 150 << true;
    }
    void Cancel()
    {
        QFETCH(bool, verify);
        QFETCH(int, atStep);
        QFETCH(bool, fromHandler);
        Fixture f;
        int sentAtCancel = -1;
        const auto cancel = [&] {
            f.session.Cancel();
            sentAtCancel = f.device->RequestCount();
        };
        QObject::connect(&f.session, &DeviceSession::Progress, [&](const SessionProgress &p) {
            if (p.Step == atStep) {
                fromHandler ? cancel() : QTimer::singleShot(0, cancel);
            }
        });
        QVERIFY(f.Start(SessionCommand::Write, verify));
        QTRY_COMPARE(f.end, QStringLiteral("cancelled"));
        QCOMPARE(f.busy, (QList<bool>{true, false}));
        QVERIFY(!f.busyAtEnd);
        QVERIFY(!f.session.DeviceOpen());
        f.session.Cancel(); // idle: nothing happens
        QCOMPARE(f.busy.size(), 2);
        QVERIFY(f.Start(SessionCommand::ReadClock, false));
        QTRY_COMPARE(f.end, QStringLiteral("clock"));
        QCOMPARE(f.device->RequestCount(), sentAtCancel + 2);
        QCOMPARE(f.backend.OpenCount(), 4);
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
