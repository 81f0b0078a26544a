#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "text/QtDateTime.h"

namespace korvelt {

namespace {

class CheckCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("check"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("check FILE\n") +
               CtlText::tr("  Checks the schedule in FILE and prints what it finds; exit status 1\n"
                           "  when it finds a likely mistake.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override { return {}; }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int CheckCommand::Run(CtlContext &c, const Arguments &a) const
{
    const ScheduleModel model = LoadSchedule(OneWord(a, "FILE"), c.Options().Input).Model;
    int mistakes = 0;
    for (const QString &line : CheckLines(model, FromQDate(c.Options().Now().date()), mistakes)) {
        c.Print(line + QLatin1Char('\n'));
    }
    return mistakes > 0 ? ExitDifference : ExitOk;
}


} // namespace

std::unique_ptr<CtlCommand> MakeCheckCommand()
{
    return std::make_unique<CheckCommand>();
}

} // namespace korvelt
