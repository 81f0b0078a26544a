#pragma once

#include "HidDevice.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <mutex>

namespace korvelt {

// The reader thread of an open link. It reads one input report at a time through the read
// handle, copies it into the receive buffer, clears its own buffer, and runs the handler on
// the thread of `receiver` (the main thread), waiting until the handler returns before it
// reads again: reports are handled one at a time and in order. A failed read (the device
// was unplugged) clears the open flag and ends the thread. Reads time out now and then so
// that a stop request is seen.
class Port1Comms : public QThread {
    Q_OBJECT

public:
    using Handler = std::function<void()>;

    Port1Comms(HidDevice &readHandle, std::atomic<bool> &deviceOpen, QObject &receiver, const Handler &reportReceived);
    Port1Comms(const Port1Comms &) = delete;
    Port1Comms &operator=(const Port1Comms &) = delete;
    Port1Comms(Port1Comms &&) = delete;
    Port1Comms &operator=(Port1Comms &&) = delete;
    ~Port1Comms() override;

    static constexpr int ReadTimeoutMs = 50;

    // Starts the thread at normal priority. It spends its life blocked in a read, so this
    // costs nothing; at idle priority every report would wait for its turn behind anything
    // else that keeps the processor busy, a millisecond and more each on a loaded machine.
    void Start();

    // Asks the thread to end and waits for it, handling the main thread's events meanwhile
    // so that a hand-over under way can finish; user input is held back until the thread has
    // ended. Call on the receiver's thread.
    void Stop();

    // The report being handed over; for the handler to read.
    [[nodiscard]] Report ReceiveBuffer() const;

signals:
    // Connected to the handler with a blocking queued connection: the reader waits until
    // the handler has returned.
    void ReportReady();

protected:
    void run() override;

private:
    HidDevice &readHandle_;
    std::atomic<bool> &deviceOpen_;
    std::atomic<bool> stopping_{false};
    Report reportBuffer_{};
    // The hand-over itself orders the buffer's write before the handler's read; the lock
    // states it in a form that thread checkers see.
    mutable std::mutex receiveMutex_;
    Report receiveBuffer_{};
};

} // namespace korvelt
