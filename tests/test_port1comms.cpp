#include "device/DeviceSession.h"
#include "device/Port1Comms.h"
#include "device/SystemHidBackend.h"
#include "device/UsbIdentifiers.h"

#include <QCoreApplication>
#include <QTest>

#include <atomic>
#include <numeric>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <pthread.h>
#include <sched.h>

using namespace korvelt;

namespace {

// Delivers `count` reports numbered 1..count in byte 2, with a read that times out now and
// then; after the last it fails as an unplugged device does or, `silent`, times out for ever.
class CountingDevice final : public HidDevice {
public:
    explicit CountingDevice(int count, bool silent = false) : count_(count), silent_(silent) {}
    bool Write(const Report & /*report*/) override { return true; }
    ReadStatus Read(Report &report, int /*timeoutMs*/) override
    {
        sched_param parameters{};
        pthread_getschedparam(pthread_self(), &ReaderPolicy, &parameters);
        if (++reads_ % 7 == 3 || (silent_ && next_ > count_)) {
            return ReadStatus::Timeout;
        }
        if (next_ > count_) {
            return ReadStatus::Gone;
        }
        report.at(2) = static_cast<std::uint8_t>(next_);
        report.at(3) = static_cast<std::uint8_t>(next_ >> 8);
        ++next_;
        return ReadStatus::Report;
    }

    [[nodiscard]] int Delivered() const { return next_ - 1; }
    int ReaderPolicy = -1; // the scheduling policy the reads ran under

private:
    int count_;
    bool silent_;
    std::atomic<int> next_{1};
    int reads_ = 0;
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
        QList<int> seen;
        bool overtaken = false;
        bool wrongThread = false;
        Port1Comms reader(device, deviceOpen, receiver, [&](const Report &report) {
            wrongThread = wrongThread || QThread::currentThread() != receiver.thread();
            const int n = report.at(2) | report.at(3) << 8;
            seen.push_back(n);
            // The reader reads nothing more until the handler has returned, not even while a
            // nested event loop runs, as a message box's does.
            QCoreApplication::processEvents();
            overtaken = overtaken || device.Delivered() != n;
        });
        int gone = 0;
        QObject::connect(&reader, &Port1Comms::DeviceGone, &receiver, [&gone] { ++gone; });
        reader.Start();
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), 60000);
        QTRY_COMPARE(gone, 1);
        QVERIFY(!overtaken);
        QVERIFY(!wrongThread);
        QList<int> expected(count);
        std::iota(expected.begin(), expected.end(), 1);
        QCOMPARE(seen, expected);
        // The failed read after the last report closed the link, and said so.
        QVERIFY(!deviceOpen);
        // Not idle priority, which on a busy machine leaves each report waiting for its turn.
        QCOMPARE(device.ReaderPolicy, SCHED_OTHER);
    }

    // Stop ends a reader that waits for the device, and one blocked handing a report to this
    // thread: the stop runs the hand-over instead of deadlocking on it. Stopping is no unplug.
    void Stop_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("the device is silent") << true;
        QTest::newRow("a hand-over waits") << false;
    }
    void Stop()
    {
        QFETCH(bool, silent);
        CountingDevice device(silent ? 0 : 1'000'000, silent);
        std::atomic<bool> deviceOpen{true};
        QObject receiver;
        int handled = 0;
        Port1Comms reader(device, deviceOpen, receiver, [&](const Report & /*report*/) { ++handled; });
        reader.Start();
        QTRY_VERIFY(silent || handled > 10);
        reader.Stop();
        QVERIFY(reader.isFinished());
        QVERIFY(deviceOpen);
    }

    // Windows names a device by its hardware identifier; the search takes the numbers from it
    // and matches them as for every backend. "search" is the first that matches: normal,
    // program mode, any release, or none; "-" when the identifier names no vendor and product.
    void HardwareIdentifiers_data() // clang-format off
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("search");
        QTest::newRow("normal firmware") << "HID\\VID_04D8&PID_FD37&REV_0005" << "normal";
        QTest::newRow("letter case ignored") << "hid\\vid_04d8&pid_fd37&rev_0005" << "normal";
        QTest::newRow("one interface of several") << "HID\\VID_04D8&PID_FD37&REV_0005&MI_00" << "normal";
        QTest::newRow("program mode") << "HID\\VID_04D8&PID_FD37&REV_0001" << "program";
        QTest::newRow("another release") << "HID\\VID_04D8&PID_FD37&REV_0006" << "any";
        QTest::newRow("no release") << "HID\\VID_04D8&PID_FD37" << "any";
        QTest::newRow("another product") << "HID\\VID_04D8&PID_FD38&REV_0005" << "none";
        QTest::newRow("another maker") << "HID\\VID_046D&PID_C52B&REV_1211" << "none";
        QTest::newRow("no product") << "HID\\VID_04D8" << "-";
        QTest::newRow("not hexadecimal") << "HID\\VID_04DX&PID_FD37&REV_0005" << "-";
        QTest::newRow("five digits") << "HID\\VID_04D81&PID_FD37&REV_0005" << "-";
        QTest::newRow("not at a part's start") << "HID\\XVID_04D8&PID_FD37&REV_0005" << "-";
        QTest::newRow("empty") << "" << "-";
    } // clang-format on
    void HardwareIdentifiers()
    {
        QFETCH(QString, id);
        QFETCH(QString, search);
        const QByteArray text = id.toLatin1();
        const std::optional<HardwareIdNumbers> numbers = ParseHardwareId(std::string_view(text.data(), text.size()));
        QCOMPARE(numbers.has_value(), search != "-");
        if (!numbers) {
            return;
        }
        const std::uint16_t release = numbers->Release.value_or(0);
        QString found = QStringLiteral("none");
        for (const auto &[name, match] :
             {std::pair{"normal", NormalFirmware}, std::pair{"program", ProgramMode}, std::pair{"any", AnyRelease}}) {
            if (match.Matches(numbers->VendorId, numbers->ProductId, release)) {
                found = QLatin1String(name);
                break;
            }
        }
        QCOMPARE(found, search);
    }

    // The real backend on this machine: a session finds no KORVELT and says so.
    void RealBackendFindsNoKorveltHere()
    {
        const std::unique_ptr<HidBackend> system = CreateSystemHidBackend();
        HidBackend &backend = *system;
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
