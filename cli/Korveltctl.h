#pragma once

#include "device/DeviceSession.h"
#include "cli/CtlExit.h"
#include "device/HidBackend.h"

#include <QDateTime>
#include <QIODevice>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace korvelt {

// What korveltctl takes from where it runs; tests set their own.
struct CtlOptions {
    bool ProgressBar = false; // a progress bar on standard error (only when it is a terminal)
    std::function<int()> TerminalWidth = [] { return 80; }; // asked at each redraw of the bar
    int ReplyTimeoutMs = DeviceSession::DefaultReplyTimeoutMs;
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); }; // --pc, and today for check
    QIODevice *Input = nullptr;                // standard input, for FILE "-"; none: nothing to read
    CtlInterrupts *Interrupts = nullptr;       // none: device commands run to their end
    int WatchIntervalMs = 250;                 // write --watch: how often the KORVELTs attached are looked for
    std::function<void(int poll)> WatchPolled; // write --watch: called before each look, counted from 0
};

// Runs one korveltctl command line (`arguments` without the program's name) against the
// devices of `backend`, with an event loop of its own, and returns the exit status. What the
// command prints goes to `out` (a data file or a PDF for "-o -" and "read -"); a write to it
// that fails ends in exit status 4 with the device's error text. `--demo` is the caller's to
// act on (it chooses the backend) and is otherwise ignored here.
int RunKorveltctl(const QStringList &arguments, HidBackend &backend, QIODevice &out, QTextStream &err,
                  const CtlOptions &options = {});

// The number of simulated KORVELTs a command line asks for with "--demo [N]" or "--demo=N"
// before "--": 0 without --demo, 1 for --demo alone, or -1 when N is not from 1 to 128.
[[nodiscard]] int DemoCount(const QStringList &arguments);

// The command a command line names, as the caller needs to know it before it runs it (the
// report needs QtGui): the first word that is not --demo or its number, or empty.
[[nodiscard]] QString CtlCommandName(const QStringList &arguments);

} // namespace korvelt
