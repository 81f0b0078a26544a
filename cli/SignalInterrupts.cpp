#include "cli/SignalInterrupts.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <csignal>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <cstdlib>
#else
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#endif

namespace korvelt {

int InterruptedExit(int signal)
{
    return signal == SIGINT ? ExitInterrupted : ExitTerminated;
}

namespace {

// Read by the handler: only plain flags and a descriptor.
volatile std::sig_atomic_t Pending = 0;

} // namespace

void SignalInterrupts::Handled()
{
    Pending = 0;
}

#ifdef _WIN32

namespace {

QObject *Receiver = nullptr;
std::function<void(int)> *Stop = nullptr;

// Runs on a thread of its own, which the system makes for the event.
BOOL WINAPI OnConsoleEvent(DWORD event)
{
    const int signal = event == CTRL_C_EVENT ? SIGINT : SIGTERM;
    if (Pending != 0) {
        std::_Exit(InterruptedExit(static_cast<int>(Pending)));
    }
    Pending = signal;
    // Posting an event is safe from any thread; the stop runs on the watching thread.
    QMetaObject::invokeMethod(
        Receiver,
        [signal] {
            if (Stop != nullptr) {
                (*Stop)(signal);
            }
        },
        Qt::QueuedConnection);
    return TRUE;
}

} // namespace

struct SignalInterrupts::State {
    QObject Receiver;
    std::function<void(int)> Stop;
};

SignalInterrupts::SignalInterrupts() : state_(std::make_unique<State>()) {}

SignalInterrupts::~SignalInterrupts()
{
    Unwatch();
}

void SignalInterrupts::Watch(std::function<void(int signal)> stop)
{
    state_->Stop = std::move(stop);
    Receiver = &state_->Receiver;
    Stop = &state_->Stop;
    Pending = 0;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void SignalInterrupts::Unwatch()
{
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    Stop = nullptr;
    state_->Stop = nullptr;
}

#else

namespace {

int WakeFd = -1; // the pipe's writing end

constexpr std::array<int, 3> Watched{SIGINT, SIGTERM, SIGHUP};

void OnSignal(int signal)
{
    if (Pending != 0) {
        _exit(InterruptedExit(static_cast<int>(Pending)));
    }
    Pending = signal;
    const auto byte = static_cast<char>(signal);
    const int saved = errno;
    (void)!write(WakeFd, &byte, 1);
    errno = saved;
}

} // namespace

struct SignalInterrupts::State {
    std::array<int, 2> Pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> Notifier;
    std::function<void(int)> Stop;
    std::array<struct sigaction, Watched.size()> Before{};
    std::array<bool, Watched.size()> Ignored{}; // ignored when the program started
    bool Watching = false;
};

SignalInterrupts::SignalInterrupts() : state_(std::make_unique<State>())
{
    // What the caller asked of each signal before this program changed anything.
    for (std::size_t i = 0; i < Watched.size(); ++i) {
        struct sigaction before {};
        state_->Ignored.at(i) = sigaction(Watched.at(i), nullptr, &before) == 0 && before.sa_handler == SIG_IGN;
    }
    if (pipe(state_->Pipe.data()) == 0) {
        for (const int fd : state_->Pipe) {
            (void)fcntl(fd, F_SETFD, FD_CLOEXEC);
            (void)fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        }
    }
}

SignalInterrupts::~SignalInterrupts()
{
    Unwatch();
    for (const int fd : state_->Pipe) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

void SignalInterrupts::Watch(std::function<void(int signal)> stop)
{
    if (state_->Pipe[0] < 0 || state_->Watching) {
        return;
    }
    state_->Stop = std::move(stop);
    state_->Notifier = std::make_unique<QSocketNotifier>(state_->Pipe[0], QSocketNotifier::Read);
    QObject::connect(state_->Notifier.get(), &QSocketNotifier::activated, state_->Notifier.get(), [this] {
        char byte = 0;
        while (read(state_->Pipe[0], &byte, 1) == 1) {
        }
        if (state_->Stop) {
            state_->Stop(static_cast<int>(Pending));
        }
    });
    Pending = 0;
    WakeFd = state_->Pipe[1];
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Watched.size(); ++i) {
        if (!state_->Ignored.at(i)) {
            sigaction(Watched.at(i), &action, &state_->Before.at(i));
        }
    }
    state_->Watching = true;
}

void SignalInterrupts::Unwatch()
{
    if (!state_->Watching) {
        return;
    }
    for (std::size_t i = 0; i < Watched.size(); ++i) {
        if (!state_->Ignored.at(i)) {
            sigaction(Watched.at(i), &state_->Before.at(i), nullptr);
        }
    }
    state_->Watching = false;
    state_->Notifier.reset();
    state_->Stop = nullptr;
}

#endif

} // namespace korvelt
