#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "core/ScheduleDifference.h"
#include "text/DifferenceText.h"

#include <algorithm>

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

// What a device that was read holds, as a verify says it: a device that holds FILE is one
// line, one that differs a line and one indented line per difference, as the window's
// Compare words them (the file stands where the window's schedule does). `disagree`: a second
// read differed from the first, so that the tool cannot tell a stray report from a device
// that differs.
void Judge(DeviceOutcome &o, const ScheduleModel &model, const QString &name, bool disagree)
{
    const std::vector<ScheduleDifference> differences = CompareSchedules(model, o.Read);
    if (differences.empty()) {
        o.Exit = ExitOk;
        o.Message = CtlText::tr("holds %1").arg(Shown(name));
        o.Result = DeviceResult::Holds;
        o.Differences.clear();
        return;
    }
    o.Exit = ExitDifference;
    o.Result = DeviceResult::Differs;
    o.Differences = DifferenceLines(model, o.Read, differences);
    const auto count = static_cast<int>(differences.size());
    o.Message = DifferingReads(
        disagree, count == 1 ? CtlText::tr("differs from %1 in 1 place").arg(Shown(name))
                             : CtlText::tr("differs from %1 in %n places", nullptr, count).arg(Shown(name)));
}

// A device whose read differs from FILE is read once more, on a link opened anew, which drops
// the reports waiting: a stray report that shifted the first read's replies does not shift
// the second. The second read is the one judged; a second read that failed leaves the first
// (unless a signal stopped it). Nothing is read again after a signal.
void ReadAgain(CtlContext &c, std::vector<DeviceOutcome> &outcomes, const ScheduleModel &model, const QString &name)
{
    std::vector<std::string> again;
    std::vector<DeviceOutcome *> first;
    const bool stopped = std::ranges::any_of(outcomes, [](const DeviceOutcome &o) { return o.Signal != 0; });
    for (DeviceOutcome &o : outcomes) {
        if (o.Result == DeviceResult::Differs && !stopped) {
            again.push_back(o.Path);
            first.push_back(&o);
        }
    }
    if (again.empty()) {
        return;
    }
    std::vector<DeviceOutcome> second = c.RunOn(again, [](DeviceSession &s) { return s.StartRead(); });
    for (std::size_t i = 0; i < second.size(); ++i) {
        DeviceOutcome &o = *first.at(i);
        if (second.at(i).Signal != 0) {
            o = std::move(second.at(i));
        } else if (second.at(i).Exit == ExitOk) {
            const bool disagree = !CompareSchedules(o.Read, second.at(i).Read).empty();
            o.Read = second.at(i).Read;
            Judge(o, model, name, disagree);
        }
    }
}

// Each device read and compared with FILE as a download would pack it; the differences are
// the verify's result, on standard output.
int VerifyCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString name = OneWord(a, "FILE");
    const ScheduleModel model = LoadSchedule(name, c.Options().Input).Model;
    std::vector<DeviceOutcome> outcomes = c.RunOn(c.Targets(a), [](DeviceSession &s) { return s.StartRead(); });
    for (DeviceOutcome &o : outcomes) {
        if (o.Exit == ExitOk) {
            Judge(o, model, name, false);
        }
    }
    ReadAgain(c, outcomes, model, name);
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
