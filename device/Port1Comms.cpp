#include "Port1Comms.h"

#include <QCoreApplication>

namespace korvelt {

Port1Comms::Port1Comms(HidDevice &readHandle, std::atomic<bool> &deviceOpen, QObject &receiver,
                       const Handler &reportReceived)
    : readHandle_(readHandle), deviceOpen_(deviceOpen)
{
    // The queued hand-over copies the report into the event that carries it.
    qRegisterMetaType<korvelt::Report>();
    connect(this, &Port1Comms::ReportReady, &receiver, reportReceived, Qt::BlockingQueuedConnection);
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
        emit ReportReady(report);
        report.fill(0);
    }
}

} // namespace korvelt
