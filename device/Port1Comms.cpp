#include "Port1Comms.h"

#include <QCoreApplication>

namespace korvelt {

Port1Comms::Port1Comms(HidDevice &readHandle, std::atomic<bool> &deviceOpen, QObject &receiver,
                       const Handler &reportReceived)
    : readHandle_(readHandle), deviceOpen_(deviceOpen)
{
    connect(this, &Port1Comms::ReportReady, &receiver, reportReceived, Qt::BlockingQueuedConnection);
}

Report Port1Comms::ReceiveBuffer() const
{
    const std::lock_guard lock(receiveMutex_);
    return receiveBuffer_;
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
    while (!stopping_ && deviceOpen_) {
        const ReadStatus status = readHandle_.Read(reportBuffer_, ReadTimeoutMs);
        if (status == ReadStatus::Gone) {
            deviceOpen_ = false;
            break;
        }
        if (status == ReadStatus::Timeout) {
            continue;
        }
        {
            const std::lock_guard lock(receiveMutex_);
            receiveBuffer_ = reportBuffer_;
        }
        reportBuffer_.fill(0);
        if (stopping_) {
            break;
        }
        emit ReportReady();
    }
}

} // namespace korvelt
