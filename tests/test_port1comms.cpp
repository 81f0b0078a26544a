#include "DeviceSession.h"
#include "HidapiBackend.h"
#include "Port1Comms.h"

#include <QCoreApplication>
#include <QTest>

#include <atomic>
#include <mutex>
#include <vector>

#include <pthread.h>
#include <sched.h>

using namespace korvelt;

namespace {

// Delivers `count` reports numbered 1..count in byte 2 (a zero-length read now and then),
// then fails as an unplugged device does.
class CountingDevice final : public HidDevice {
public:
    explicit CountingDevice(int count) : count_(count) {}
    bool Write(const Report & /*report*/) override { return true; }
    ReadStatus Read(Report &report, int /*timeoutMs*/) override
    {
        sched_param parameters{};
        pthread_getschedparam(pthread_self(), &ReaderPolicy, &parameters);
        const int n = next_++;
        if (n % 7 == 3 && !timedOutAt_.contains(n)) {
            timedOutAt_.insert(n);
            --next_;
            return ReadStatus::Timeout;
        }
        if (n > count_) {
            return ReadStatus::Gone;
        }
        report.fill(0xEE);
        report.at(0) = 0;
        report.at(2) = static_cast<std::uint8_t>(n);
        report.at(3) = static_cast<std::uint8_t>(n >> 8);
        return ReadStatus::Report;
    }

    int ReaderPolicy = -1; // the scheduling policy the reads ran under

private:
    int count_;
    int next_ = 1;
    QSet<int> timedOutAt_;
};

// Never delivers anything.
class SilentDevice final : public HidDevice {
public:
    bool Write(const Report & /*report*/) override { return true; }
    ReadStatus Read(Report & /*report*/, int timeoutMs) override
    {
        QThread::msleep(static_cast<unsigned long>(timeoutMs));
        return ReadStatus::Timeout;
    }
};

} // namespace

class TestPort1Comms : public QObject {
    Q_OBJECT

private slots:
    void ReportsArriveOneAtATimeInOrder()
    {
        constexpr int count = 200;
        CountingDevice device(count);
        std::atomic<bool> deviceOpen{true};
        QObject receiver;
        std::vector<int> seen;
        bool inside = false;
        bool reentered = false;
        bool wrongThread = false;
        Port1Comms reader(device, deviceOpen, receiver, [&](const Report &report) {
            reentered = reentered || inside;
            wrongThread = wrongThread || QThread::currentThread() != receiver.thread();
            inside = true;
            seen.push_back(report.at(2) | report.at(3) << 8);
            // A nested event loop, as a message box runs, must not bring the next report in.
            QCoreApplication::processEvents();
            inside = false;
        });
        reader.Start();
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), 60000);
        QVERIFY(!reentered);
        QVERIFY(!wrongThread);
        QCOMPARE(static_cast<int>(seen.size()), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(seen.at(static_cast<std::size_t>(i)), i + 1);
        }
        // The failed read after the last report closed the link.
        QVERIFY(!deviceOpen);
        // Not idle priority, which on a busy machine leaves each report waiting for its turn.
        QCOMPARE(device.ReaderPolicy, SCHED_OTHER);
    }

    void StopEndsAReaderThatWaits()
    {
        SilentDevice device;
        std::atomic<bool> deviceOpen{true};
        QObject receiver;
        int handled = 0;
        Port1Comms reader(device, deviceOpen, receiver, [&](const Report & /*report*/) { ++handled; });
        reader.Start();
        QVERIFY(reader.isRunning());
        reader.Stop();
        QVERIFY(reader.isFinished());
        QCOMPARE(handled, 0);
        QVERIFY(deviceOpen); // stopping is not an unplug
    }

    void StopWhileAHandOverWaits()
    {
        // The reader is blocked handing a report to this thread when the stop comes: the stop
        // runs the hand-over instead of deadlocking on it.
        CountingDevice device(1'000'000);
        std::atomic<bool> deviceOpen{true};
        QObject receiver;
        int handled = 0;
        Port1Comms reader(device, deviceOpen, receiver, [&](const Report & /*report*/) { ++handled; });
        reader.Start();
        QTRY_VERIFY(handled > 10);
        reader.Stop();
        QVERIFY(reader.isFinished());
    }

    // The real backend on this machine: a session finds no KORVELT and says so.
    void RealHidapiFindsNoKorveltHere()
    {
        HidapiBackend backend;
        for (const HidInterfaceInfo &info : backend.Enumerate()) {
            if (AnyRelease.Matches(info.VendorId, info.ProductId, info.Release)) {
                QSKIP("a KORVELT is plugged into this machine");
            }
        }
        DeviceSession session(backend);
        std::vector<SessionFailure> failures;
        QObject::connect(&session, &DeviceSession::Failed,
                         [&failures](const SessionError &error) { failures.push_back(error.Reason); });
        QVERIFY(!session.StartReadClock());
        QCOMPARE(failures, std::vector<SessionFailure>{SessionFailure::NotFound});
        QVERIFY(!session.DeviceOpen());
    }
};

QTEST_GUILESS_MAIN(TestPort1Comms)
#include "test_port1comms.moc"
