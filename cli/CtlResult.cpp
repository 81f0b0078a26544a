#include "cli/CtlResult.h"

#include "cli/CtlSupport.h"

namespace korvelt {

QString ResultName(DeviceResult result)
{
    switch (result) {
    case DeviceResult::Ready:
        return QStringLiteral("ready");
    case DeviceResult::WrittenVerified:
        return QStringLiteral("written-verified");
    case DeviceResult::Written:
        return QStringLiteral("written");
    case DeviceResult::Holds:
        return QStringLiteral("holds");
    case DeviceResult::Differs:
        return QStringLiteral("differs");
    case DeviceResult::Read:
        return QStringLiteral("read");
    case DeviceResult::Clock:
        return QStringLiteral("clock");
    case DeviceResult::ClockRead:
        return QStringLiteral("clock-read");
    case DeviceResult::ClockSet:
        return QStringLiteral("clock-set");
    case DeviceResult::WouldWrite:
        return QStringLiteral("would-write");
    case DeviceResult::WouldSetClock:
        return QStringLiteral("would-set-clock");
    case DeviceResult::ProgramMode:
        return QStringLiteral("program-mode");
    case DeviceResult::NotAKorvelt:
        return QStringLiteral("not-a-korvelt");
    case DeviceResult::NoAnswer:
        return QStringLiteral("no-answer");
    case DeviceResult::CannotOpen:
        return QStringLiteral("cannot-open");
    case DeviceResult::NotFound:
        return QStringLiteral("not-found");
    case DeviceResult::TimedOut:
        return QStringLiteral("timed-out");
    case DeviceResult::Unplugged:
        return QStringLiteral("unplugged");
    case DeviceResult::InvalidData:
        return QStringLiteral("invalid-data");
    case DeviceResult::InvalidClock:
        return QStringLiteral("invalid-clock");
    case DeviceResult::DuplicateSerial:
        return QStringLiteral("duplicate-serial");
    case DeviceResult::FileError:
        return QStringLiteral("file-error");
    case DeviceResult::Interrupted:
        return QStringLiteral("interrupted");
    case DeviceResult::Busy:
        return QStringLiteral("busy");
    case DeviceResult::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QString ProbeProblemText(ProbeProblem problem, const QString &detail)
{
    switch (problem) {
    case ProbeProblem::None:
        break;
    case ProbeProblem::ProgramMode:
        return CtlText::tr("program mode");
    case ProbeProblem::NotAKorvelt:
        return CtlText::tr("not a KORVELT");
    case ProbeProblem::NoAnswer:
        return CtlText::tr("no answer");
    case ProbeProblem::CannotOpen:
        //: %1 is the system's reason
        return CtlText::tr("cannot be opened: %1").arg(detail);
    case ProbeProblem::Busy:
        return CtlText::tr("busy: in use by another program");
    }
    return {};
}

} // namespace korvelt
