#include "Port1Comms.h"

#include <QCoreApplication>

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
    : readHandle_(readHandle), deviceOpen_(deviceOpen)
{
    qRegisterMetaType<korvelt::Report>();
    connect(
        this, &Port1Comms::ReportReady, &receiver,
        [reportReceived](const Report &report) {
            TakeOver(report);
            reportReceived(report);
            HandOver(report);
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
    // while the link is closing.
    while (!wait(10)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

void Port1Comms::run()
{
    Report report{};
    while (!stopping_ && deviceOpen_) {
        const ReadStatus status = readHandle_.Read(report, ReadTimeoutMs);
        if (status == ReadStatus::Gone) {
            deviceOpen_ = false;
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
