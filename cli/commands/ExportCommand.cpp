#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "text/DataFile.h"
#include "text/ScheduleJson.h"
#include "text/ScheduleCsv.h"

namespace korvelt {

namespace {

class ExportCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("export"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("export FILE.dat [--format json|csv] [-o OUT]\n") +
               CtlText::tr("  Writes the schedule of a data file as JSON (the default) or CSV, to\n"
                           "  OUT or to standard output.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {
            {QStringLiteral("--format"), QStringLiteral("json|csv"), CtlText::tr("JSON (the default) or CSV"), false},
            {QStringLiteral("-o"), QStringLiteral("OUT"), CtlText::tr("the file made (- or none: standard output)"),
             false}};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int ExportCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString input = OneWord(a, "FILE.dat");
    RefuseOverInput(input, a.Value(QStringLiteral("-o"), QStringLiteral("-")));
    const LoadedSchedule loaded = LoadSchedule(input, c.Options().Input);
    const QString format = a.Value(QStringLiteral("--format"), QStringLiteral("json"));
    if (format != QLatin1String("json") && format != QLatin1String("csv")) {
        throw UsageError(CtlText::tr("--format is json or csv"));
    }
    const QByteArray text = format == QLatin1String("csv") ? ScheduleToCsv(loaded.Model) : DataFileToJson(loaded.File);
    c.Deliver(a.Value(QStringLiteral("-o"), QStringLiteral("-")), text);
    return ExitOk;
}

} // namespace

std::unique_ptr<CtlCommand> MakeExportCommand()
{
    return std::make_unique<ExportCommand>();
}

} // namespace korvelt
