#pragma once

#include "cli/Korveltctl.h"

#include <memory>

namespace korvelt {

// Ctrl+C, SIGTERM and SIGHUP (on Windows Ctrl+C, Ctrl+Break and the console closing) as
// CtlInterrupts. The handler only wakes the event loop (through a pipe on POSIX systems); all
// the work is done there. A second signal while the first is being handled ends the process
// at once. One at a time in a process. A signal that was ignored when it was made (nohup,
// `trap '' HUP`) stays ignored.
class SignalInterrupts final : public CtlInterrupts {
public:
    SignalInterrupts();
    SignalInterrupts(const SignalInterrupts &) = delete;
    SignalInterrupts &operator=(const SignalInterrupts &) = delete;
    SignalInterrupts(SignalInterrupts &&) = delete;
    SignalInterrupts &operator=(SignalInterrupts &&) = delete;
    ~SignalInterrupts() override;

    void Watch(std::function<void(int signal)> stop) override;
    void Unwatch() override;
    void Handled() override;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace korvelt
