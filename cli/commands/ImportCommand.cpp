#include "cli/CtlContext.h"
#include "cli/commands/Command.h"

namespace korvelt {

namespace {

class ImportCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("import"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("import FILE.json -o OUT.dat\n") +
               CtlText::tr("  Makes a data file of a schedule in JSON (-o - : standard output).");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {{QStringLiteral("-o"), QStringLiteral("OUT.dat"),
                 CtlText::tr("the data file made (- : standard output)"), false}};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int ImportCommand::Run(CtlContext &c, const Arguments &a) const
{
    if (!a.Has(QStringLiteral("-o"))) {
        throw UsageError(CtlText::tr("-o OUT.dat is needed"));
    }
    const QString name = a.Value(QStringLiteral("-o"));
    if (name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        throw UsageError(CtlText::tr("import makes a data file, not %1; export makes JSON").arg(name));
    }
    const QString input = OneWord(a, "FILE.json");
    RefuseOverInput(input, name);
    const LoadedSchedule loaded = LoadSchedule(input, c.Options().Input);
    c.Deliver(name, Bytes(loaded.File));
    return ExitOk;
}

} // namespace

std::unique_ptr<CtlCommand> MakeImportCommand()
{
    return std::make_unique<ImportCommand>();
}

} // namespace korvelt
