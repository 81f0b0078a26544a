#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "core/DeviceLimits.h"
#include "text/QtDateTime.h"

#include <QRegularExpression>

namespace korvelt {

namespace {

class ClockCtlCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("clock"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("clock read [--device SERIAL|PATH ... | --all] [--json] [--quiet]\n"
                              "clock set [--pc | --at \"YYYY-MM-DD HH:MM:SS\"] [--device SERIAL|PATH ... | --all] "
                              "[--dry-run] [--json] [--quiet]\n") +
               CtlText::tr("  Reads the KORVELT's clock, or sets it to this computer's time (--pc,\n"
                           "  the default) or to the time given.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {AllOption(),
                DeviceOption(),
                {QStringLiteral("--pc"), {}, CtlText::tr("clock set: this computer's time (the default)"), false},
                {QStringLiteral("--at"), QStringLiteral("YYYY-MM-DD HH:MM:SS"),
                 CtlText::tr("clock set: the time given"), false},
                DryRunOption(),
                JsonOption(),
                QuietOption()};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int ClockCtlCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString action = a.Words.value(0);
    if (a.Words.size() != 1 || (action != QLatin1String("read") && action != QLatin1String("set"))) {
        throw UsageError(CtlText::tr("clock read or clock set"));
    }
    if (action == QLatin1String("read")) {
        if (a.Has(QStringLiteral("--pc")) || a.Has(QStringLiteral("--at")) || a.Has(QStringLiteral("--dry-run"))) {
            throw UsageError(CtlText::tr("--pc, --at and --dry-run are for clock set"));
        }
        // Reading the clock does not ask the KORVELT who it is: the line names it all the same.
        const std::vector<std::string> paths = c.Targets(a);
        for (const HidInterfaceInfo &device : KorveltInterfaces(c.Backend())) {
            if (std::ranges::find(paths, device.Path) != paths.end() && !c.Known().contains(device.Path)) {
                if (const ProbedDevice probed =
                        ProbeDevice(c.Backend(), device, c.Options().ReplyTimeoutMs, BusyWaitMs);
                    probed.Identity) {
                    c.Known().insert({device.Path, *probed.Identity});
                }
            }
        }
        return c.Report(c.RunOn(paths, [](DeviceSession &s) { return s.StartReadClock(); }),
                        [](int done, int all) { return CtlText::tr("%1 of %2 clocks read").arg(done).arg(all); });
    }
    c.SetClockResult(DeviceResult::ClockSet);
    TDateTime value = 0;
    if (a.Has(QStringLiteral("--at"))) {
        if (a.Has(QStringLiteral("--pc"))) {
            throw UsageError(CtlText::tr("--pc or --at, not both"));
        }
        static const QRegularExpression pattern(
            QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)[ T](\\d\\d):(\\d\\d):(\\d\\d)$"));
        const QRegularExpressionMatch m = pattern.match(a.Value(QStringLiteral("--at")));
        TDateTime date = 0;
        TDateTime time = 0;
        if (!m.hasMatch() ||
            !TryEncodeDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), date) ||
            !TryEncodeTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), 0, time) ||
            m.captured(1).toInt() < FirstDeviceYear || m.captured(1).toInt() > LastDeviceYear) {
            throw UsageError(CtlText::tr("--at \"YYYY-MM-DD HH:MM:SS\", in the years %1 to %2")
                                 .arg(FirstDeviceYear)
                                 .arg(LastDeviceYear));
        }
        value = date + time;
    } else {
        const QDateTime now = c.Options().Now();
        value = FromQDate(now.date()) + FromQTime(now.time());
    }
    if (a.Has(QStringLiteral("--dry-run"))) {
        return c.Report(
            c.DryRun(c.Targets(a), CtlText::tr("would set the clock to %1").arg(ClockText(value, value)),
                     DeviceResult::WouldSetClock),
            [](int done, int all) { return CtlText::tr("%1 of %2 clocks would be set").arg(done).arg(all); });
    }
    return c.Report(
        c.RunOn(c.Targets(a), [value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); }),
        [](int done, int all) { return CtlText::tr("%1 of %2 clocks set").arg(done).arg(all); });
}


} // namespace

std::unique_ptr<CtlCommand> MakeClockCommand()
{
    return std::make_unique<ClockCtlCommand>();
}

} // namespace korvelt
