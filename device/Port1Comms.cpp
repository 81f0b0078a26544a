#include "device/Port1Comms.h"

#include <QCoreApplication>
#include <QScopeGuard>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#define KORVELT_THREAD_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#include <sanitizer/tsan_interface.h>
#define KORVELT_THREAD_CHECKER 1
#endif
#endif

namespace korvelt {

namespace {

// The blocking hand-over passes the reader's report to the handler without a copy, and the
// reader waits until the handler has returned before it touches the report again. Qt itself is
// not instrumented, so a thread checker cannot see that order; these two calls state it to
// the checker and compile to nothing in other builds.
void HandOver([[maybe_unused]] const Report &report)
{
#ifdef KORVELT_THREAD_CHECKER
    __tsan_release(const_cast<Report *>(&report)); // NOLINT(cppcoreguidelines-pro-type-const-cast)
#endif
}

void TakeOver([[maybe_unused]] const Report &report)
{
#ifdef KORVELT_THREAD_CHECKER
    __tsan_acquire(const_cast<Report *>(&report)); // NOLINT(cppcoreguidelines-pro-type-const-cast)
#endif
}

} // namespace

Port1Comms::Port1Comms(HidDevice &readHandle, std::atomic<bool> &deviceOpen, QObject &receiver,
                       const Handler &reportReceived)
    : readHandle_(readHandle), deviceOpen_(deviceOpen), receiver_(receiver)
{
    qRegisterMetaType<korvelt::Report>();
    connect(
        this, &Port1Comms::ReportReady, &receiver,
        [this, reportReceived](const Report &report) {
            TakeOver(report);
            handingOver_ = true;
            const auto handedOver = qScopeGuard([this, &report] {
                handingOver_ = false;
                HandOver(report);
            });
            reportReceived(report);
        },
        Qt::BlockingQueuedConnection);
}

Port1Comms::~Port1Comms()
{
    Stop();
}

void Port1Comms::Start()
{
    start(QThread::NormalPriority);
}

void Port1Comms::Stop()
{
    stopping_ = true;
    // A plain wait() could deadlock on a reader blocked in the hand-over to this thread. Clicks
    // and keys wait until the reader has ended: none may start a command, or close the window,
    // while the link is closing. Called from a posted event, the event loop does not hand out
    // posted events again until that one returns: the hand-over is delivered by name.
    while (!wait(10)) {
        QCoreApplication::sendPostedEvents(&receiver_, QEvent::MetaCall);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

void Port1Comms::run()
{
    Report report{};
    while (!stopping_ && deviceOpen_) {
        const ReadStatus status = readHandle_.Read(report, ReadTimeoutMs);
        if (status == ReadStatus::Gone) {
            if (!stopping_) {
                deviceOpen_ = false;
                emit DeviceGone();
            }
            break;
        }
        if (status == ReadStatus::Timeout) {
            continue;
        }
        if (stopping_) {
            break;
        }
        HandOver(report);
        emit ReportReady(report);
        TakeOver(report);
        report.fill(0);
    }
}

} // namespace korvelt
