#include "cli/CtlContext.h"
#include "cli/commands/Command.h"

#include <QJsonArray>

namespace korvelt {

namespace {

// What `list` says of a device that gave no identity: it fails nothing, so its exit is 0.
DeviceResult ListResult(ProbeProblem problem)
{
    switch (problem) {
    case ProbeProblem::None:
        break;
    case ProbeProblem::ProgramMode:
        return DeviceResult::ProgramMode;
    case ProbeProblem::NotAKorvelt:
        return DeviceResult::NotAKorvelt;
    case ProbeProblem::NoAnswer:
        return DeviceResult::NoAnswer;
    case ProbeProblem::CannotOpen:
        return DeviceResult::CannotOpen;
    case ProbeProblem::Busy:
        return DeviceResult::Busy;
    }
    return DeviceResult::Ready;
}

class ListCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("list"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("list [--json]\n") +
               CtlText::tr("  Lists every KORVELT attached: path, serial number, version text,\n"
                           "  and \"program mode\" where it is in program mode.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override { return {JsonOption()}; }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int ListCommand::Run(CtlContext &c, const Arguments &a) const
{
    if (!a.Words.isEmpty()) {
        throw UsageError(CtlText::tr("unexpected argument %1").arg(a.Words.front()));
    }
    const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(c.Backend());
    if (devices.empty()) {
        throw Failure(ExitNoDevice, CtlText::tr("no KORVELT is attached"));
    }
    QJsonArray json;
    for (const HidInterfaceInfo &device : devices) {
        const ProbedDevice probed = ProbeDevice(c.Backend(), device, c.Options().ReplyTimeoutMs, 0);
        const QString path = QString::fromStdString(device.Path);
        QStringList fields{ListField(path)};
        DeviceResult result = DeviceResult::Ready;
        if (probed.Identity) {
            fields << SerialText(probed.Identity->SerialNumber)
                   //: A KORVELT that answered who it is, in the list of those attached
                   << ListField(QString::fromLatin1(probed.Identity->Version.c_str())) << CtlText::tr("ready");
        } else {
            fields << QStringLiteral("-") << QStringLiteral("-") << ListField(probed.ProblemText());
            result = ListResult(probed.Problem);
        }
        json.append(DeviceJson(device.Path, probed.Identity, result, ExitOk,
                               probed.Identity ? CtlText::tr("ready") : probed.ProblemText()));
        if (!c.Json()) {
            c.Print(fields.join(QLatin1Char('\t')) + QLatin1Char('\n'));
        }
    }
    if (c.Json()) {
        c.Print(ResultDocument(json, ExitOk));
    }
    return ExitOk;
}


} // namespace

std::unique_ptr<CtlCommand> MakeListCommand()
{
    return std::make_unique<ListCommand>();
}

} // namespace korvelt
