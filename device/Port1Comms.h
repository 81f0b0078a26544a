#pragma once

#include "device/HidDevice.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>

Q_DECLARE_METATYPE(korvelt::Report)

namespace korvelt {

// The reader thread of an open link. It reads one input report at a time through the read
// handle and hands it over, in the signal, to the handler on the thread of `receiver` (the main
// thread), waiting until the handler returns before it reads again: reports are handled one
// at a time and in order. A failed read (the device was unplugged) clears the open flag, says
// DeviceGone and ends the thread. Reads time out now and then so that a stop request is seen.
class Port1Comms : public QThread {
    Q_OBJECT

public:
    using Handler = std::function<void(const Report &)>;

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
    // Asks the thread to end without waiting for it: for the handler of a report, which the
    // thread waits for. The thread ends once the handler has returned.
    void RequestStop() { stopping_ = true; }
    // Whether the handler is running (on the receiver's thread) with a report of this reader.
    [[nodiscard]] bool HandingOver() const { return handingOver_; }

signals:
    // Connected to the handler with a blocking queued connection: the reader waits until
    // the handler has returned.
    void ReportReady(const korvelt::Report &report);
    // A read failed: the device has gone. Not said when the thread was asked to stop.
    void DeviceGone();

protected:
    void run() override;

private:
    HidDevice &readHandle_;
    std::atomic<bool> &deviceOpen_;
    QObject &receiver_;
    std::atomic<bool> stopping_{false};
    bool handingOver_ = false; // the receiver's thread only
};

} // namespace korvelt
