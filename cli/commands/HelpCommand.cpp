#include "cli/CommandRegistry.h"
#include "cli/CtlContext.h"
#include "cli/commands/Command.h"

namespace korvelt {

namespace {

class HelpCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("help"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("help [COMMAND]\n") +
               CtlText::tr("  Prints the usage of COMMAND and the options it takes, or the tool's usage.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override { return {}; }
    int Run(CtlContext &c, const Arguments &a) const override
    {
        if (a.Words.size() > 1) {
            throw UsageError(CtlText::tr("help takes one command"));
        }
        if (a.Words.isEmpty()) {
            c.Print(ToolUsage());
            return ExitOk;
        }
        const CtlCommand *command = FindCtlCommand(a.Words.front());
        if (command == nullptr) {
            throw UsageError(CtlText::tr("unknown command %1").arg(a.Words.front()));
        }
        c.Print(CommandHelp(*command));
        return ExitOk;
    }
};

} // namespace

std::unique_ptr<CtlCommand> MakeHelpCommand()
{
    return std::make_unique<HelpCommand>();
}

} // namespace korvelt
