#pragma once

#include <QString>

namespace korvelt {

// What a command came to on one device; ResultName gives the word --json and the log use.
enum class DeviceResult {
    Ready,
    WrittenVerified,
    Written,
    Holds,
    Differs,
    Read,
    Clock, // the clock was read; the report makes it ClockRead, ClockSet or InvalidClock
    ClockRead,
    ClockSet,
    WouldWrite,
    WouldSetClock,
    ProgramMode,
    NotAKorvelt,
    NoAnswer,
    CannotOpen,
    NotFound,
    TimedOut,
    Unplugged,
    InvalidData,
    InvalidClock,
    DuplicateSerial,
    FileError,
    Interrupted,
    Busy,
    Failed,
};

// The one place the result words are written: "written-verified", "timed-out", ...
[[nodiscard]] QString ResultName(DeviceResult result);

// Why a device asked who it is gave no identity.
enum class ProbeProblem {
    None,
    ProgramMode, // not asked: its application does not run
    NotAKorvelt, // answered as something else
    NoAnswer,
    CannotOpen, // the system's reason in the detail
    Busy,       // another program holds it: not asked
};

// As `list` shows it: "program mode", "not a KORVELT", "no answer", "cannot be opened: ...",
// "busy: in use by another program".
[[nodiscard]] QString ProbeProblemText(ProbeProblem problem, const QString &detail);

} // namespace korvelt
