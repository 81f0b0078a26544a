#pragma once

#include "DeviceSession.h"
#include "HidBackend.h"

#include <QDateTime>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace korvelt {

// The exit statuses of korveltctl.
enum CtlExit : int {
    ExitOk = 0,
    ExitDifference = 1, // a check or a verify found something
    ExitUsage = 2,
    ExitNoDevice = 3,   // no KORVELT, one in program mode, or not a KORVELT
    ExitFileError = 4,
    ExitDeviceLost = 5, // the device stopped answering or was unplugged
};

// What korveltctl takes from where it runs; tests set their own.
struct CtlOptions {
    bool ProgressBar = false; // a progress bar on standard error (only when it is a terminal)
    int ReplyTimeoutMs = DeviceSession::DefaultReplyTimeoutMs;
    std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); }; // --pc, and today for check
};

// Runs one korveltctl command line (`arguments` without the program's name) against the
// devices of `backend`, with an event loop of its own, and returns the exit status. `--demo`
// is the caller's to act on (it chooses the backend) and is otherwise ignored here.
int RunKorveltctl(const QStringList &arguments, HidBackend &backend, QTextStream &out, QTextStream &err,
                  const CtlOptions &options = {});

} // namespace korvelt
