#pragma once

#include "cli/CtlSupport.h"

#include <QString>

#include <memory>
#include <vector>

namespace korvelt {

class CtlContext;

// One korveltctl command: its name, its usage (synopsis lines, then the description indented
// by two spaces), the options it takes, each declared once with its help, and what it does.
// The registry makes the tool's usage, "help COMMAND" and the dispatch of them.
class CtlCommand {
public:
    CtlCommand() = default;
    CtlCommand(const CtlCommand &) = delete;
    CtlCommand &operator=(const CtlCommand &) = delete;
    CtlCommand(CtlCommand &&) = delete;
    CtlCommand &operator=(CtlCommand &&) = delete;
    virtual ~CtlCommand() = default;

    [[nodiscard]] virtual QString Name() const = 0;
    [[nodiscard]] virtual QString Usage() const = 0;
    [[nodiscard]] virtual std::vector<CtlOption> Options() const = 0;
    // The exit status; a UsageError or a Failure thrown ends the command as a whole.
    virtual int Run(CtlContext &c, const Arguments &a) const = 0;
};

// The options several commands share.
inline CtlOption DeviceOption()
{
    return {QStringLiteral("--device"), QStringLiteral("SERIAL|PATH"),
            CtlText::tr("the KORVELT with that serial number or at that path; again for more"), true};
}
inline CtlOption AllOption()
{
    return {QStringLiteral("--all"), {}, CtlText::tr("every KORVELT attached, at once"), false};
}
inline CtlOption JsonOption()
{
    return {QStringLiteral("--json"), {}, CtlText::tr("one JSON document of the result on standard output"), false};
}
inline CtlOption QuietOption()
{
    return {QStringLiteral("--quiet"), {}, CtlText::tr("prints only errors"), false};
}
inline CtlOption DryRunOption()
{
    return {QStringLiteral("--dry-run"), {}, CtlText::tr("says what would be done, and does nothing"), false};
}

// The commands, one class each in cli/commands/.
std::unique_ptr<CtlCommand> MakeListCommand();
std::unique_ptr<CtlCommand> MakeWriteCommand();
std::unique_ptr<CtlCommand> MakeVerifyCommand();
std::unique_ptr<CtlCommand> MakeReadCommand();
std::unique_ptr<CtlCommand> MakeClockCommand();
std::unique_ptr<CtlCommand> MakeCheckCommand();
std::unique_ptr<CtlCommand> MakeExportCommand();
std::unique_ptr<CtlCommand> MakeImportCommand();
std::unique_ptr<CtlCommand> MakeHolidaysCommand();
std::unique_ptr<CtlCommand> MakeReportCommand();
std::unique_ptr<CtlCommand> MakeHelpCommand();

} // namespace korvelt
