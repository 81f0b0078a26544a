#pragma once

#include <functional>

namespace korvelt {

// The exit statuses of korveltctl.
enum CtlExit : int {
    ExitOk = 0,
    ExitDifference = 1, // a check or a verify found something
    ExitUsage = 2,
    ExitNoDevice = 3, // no KORVELT, one in program mode, or not a KORVELT
    ExitFileError = 4,
    ExitDeviceLost = 5,    // the device stopped answering or was unplugged
    ExitBusy = 6,          // another program (or command) is talking to the device
    ExitInterrupted = 130, // SIGINT (Ctrl+C) during a device command
    ExitTerminated = 143,  // SIGTERM or SIGHUP during a device command
};

// Where a request to stop (Ctrl+C, SIGTERM, SIGHUP) reaches the commands that talk to devices.
// Between Watch and Unwatch `stop` is called on the watching thread, from its event loop, with
// the signal's number; outside them a signal does what it always does.
class CtlInterrupts {
public:
    CtlInterrupts() = default;
    CtlInterrupts(const CtlInterrupts &) = delete;
    CtlInterrupts &operator=(const CtlInterrupts &) = delete;
    CtlInterrupts(CtlInterrupts &&) = delete;
    CtlInterrupts &operator=(CtlInterrupts &&) = delete;
    virtual ~CtlInterrupts() = default;
    virtual void Watch(std::function<void(int signal)> stop) = 0;
    virtual void Unwatch() = 0;
    // The signal given to `stop` was taken and the command goes on: a next signal is given
    // to `stop` too, rather than ending the process at once.
    virtual void Handled() {}
};

// The exit status for a command stopped by `signal`: 130 for SIGINT, else 143.
[[nodiscard]] int InterruptedExit(int signal);

} // namespace korvelt
