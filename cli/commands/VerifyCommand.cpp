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
        return QStringLiteral("verify FILE [--device SERIAL|PATH ... | --all] [--json] [--quiet]\n"
                              "  Reads each KORVELT and compares it with the schedule in FILE as the\n"
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
            o.Message = QStringLiteral("holds %1").arg(Shown(name));
            o.Result = DeviceResult::Holds;
            continue;
        }
        o.Exit = ExitDifference;
        o.Result = DeviceResult::Differs;
        o.Differences = DifferenceLines(model, o.Read, differences);
        o.Message = QStringLiteral("differs from %1 in %2 %3")
                        .arg(Shown(name))
                        .arg(differences.size())
                        .arg(differences.size() == 1 ? QStringLiteral("place") : QStringLiteral("places"));
    }
    return c.Report(outcomes, QStringLiteral("hold %1").arg(Shown(name)));
}


} // namespace

std::unique_ptr<CtlCommand> MakeVerifyCommand()
{
    return std::make_unique<VerifyCommand>();
}

} // namespace korvelt
