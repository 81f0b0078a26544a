#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "core/ScheduleDifference.h"
#include "text/DifferenceText.h"

namespace korvelt {

namespace {

class VerifyCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("verify"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("verify FILE [--device SERIAL|PATH ... | --all] [--json] [--quiet]\n") +
               CtlText::tr("  Reads each KORVELT and compares it with the schedule in FILE as the\n"
                           "  KORVELT holds it; exit status 1 when any differs, the differences\n"
                           "  on standard output. Nothing is written.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {AllOption(), DeviceOption(), JsonOption(), QuietOption()};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

// Each device read and compared with FILE as a download would pack it: a device that
// holds FILE is one line, one that differs a line and one indented line per difference,
// as the window's Compare words them (the file stands where the window's schedule does).
int VerifyCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString name = OneWord(a, "FILE");
    const ScheduleModel model = LoadSchedule(name, c.Options().Input).Model;
    std::vector<DeviceOutcome> outcomes = c.RunOn(c.Targets(a), [](DeviceSession &s) { return s.StartRead(); });
    for (DeviceOutcome &o : outcomes) {
        if (o.Exit != ExitOk) {
            continue;
        }
        const std::vector<ScheduleDifference> differences = CompareSchedules(model, o.Read);
        if (differences.empty()) {
            o.Message = CtlText::tr("holds %1").arg(Shown(name));
            o.Result = DeviceResult::Holds;
            continue;
        }
        o.Exit = ExitDifference;
        o.Result = DeviceResult::Differs;
        o.Differences = DifferenceLines(model, o.Read, differences);
        const auto count = static_cast<int>(differences.size());
        o.Message = count == 1 ? CtlText::tr("differs from %1 in 1 place").arg(Shown(name))
                               : CtlText::tr("differs from %1 in %n places", nullptr, count).arg(Shown(name));
    }
    return c.Report(outcomes, [&name](int done, int all) {
        //: The summary of several KORVELTs: %1 of %2 KORVELTs hold the file %3
        return CtlText::tr("%1 of %2 hold %3").arg(QString::number(done), QString::number(all), Shown(name));
    });
}


} // namespace

std::unique_ptr<CtlCommand> MakeVerifyCommand()
{
    return std::make_unique<VerifyCommand>();
}

} // namespace korvelt
