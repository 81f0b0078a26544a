#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "report/ScheduleReport.h"

#include <QDir>
#include <QFileInfo>

namespace korvelt {

namespace {

class ReportCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("report"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("report FILE [-o OUT.pdf] [--quiet]\n") +
               CtlText::tr("  Makes the printable report of the schedule in FILE as a PDF (FILE\n"
                           "  with .pdf for .dat unless -o; -o - : standard output).");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {{QStringLiteral("-o"), QStringLiteral("OUT.pdf"),
                 CtlText::tr("the PDF (FILE with .pdf for .dat unless given; - : standard output)"), false},
                QuietOption()};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int ReportCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString name = OneWord(a, "FILE");
    QString pdf = a.Value(QStringLiteral("-o"));
    if (pdf.isEmpty()) {
        if (IsStandardStream(name)) {
            throw UsageError(CtlText::tr("-o OUT.pdf is needed when FILE is -"));
        }
        const QFileInfo file(name);
        const QString base = file.completeBaseName() + QStringLiteral(".pdf");
        pdf = file.path() == QLatin1String(".") ? base : file.dir().filePath(base);
        if (const std::optional<QString> problem = LinkProblem(pdf)) {
            throw Failure(ExitFileError, *problem);
        }
    }
    RefuseOverInput(name, pdf);
    ReportSource source;
    source.Model = LoadSchedule(name, c.Options().Input).Model;
    source.FileName = IsStandardStream(name) ? QString() : QFileInfo(name).fileName();
    source.Printed = c.Options().Now();
    const QByteArray bytes = ScheduleReportPdf(source);
    if (bytes.isEmpty()) {
        throw Failure(ExitFileError, CtlText::tr("%1: the report could not be made").arg(pdf));
    }
    c.Deliver(pdf, bytes);
    if (!IsStandardStream(pdf)) {
        c.Say(pdf + QLatin1Char('\n'));
    }
    return ExitOk;
}


} // namespace

std::unique_ptr<CtlCommand> MakeReportCommand()
{
    return std::make_unique<ReportCommand>();
}

} // namespace korvelt
