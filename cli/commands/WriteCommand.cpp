#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "cli/commands/WatchLine.h"
#include "core/ScheduleCheck.h"
#include "core/SendCheck.h"
#include "text/CheckText.h"
#include "text/QtDateTime.h"

namespace korvelt {

namespace {

class WriteCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("write"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral(
                   "write FILE [--no-verify] [--force] [--device SERIAL|PATH ... | --all] [--dry-run] [--json] "
                   "[--quiet]\n") +
               CtlText::tr("  Writes the schedule in FILE (a data file or JSON, told by content)\n"
                           "  and reads it back to verify, unless --no-verify. --all writes every\n"
                           "  KORVELT attached at once, one line each. A schedule with values the\n"
                           "  KORVELT cannot hold is refused; one with likely mistakes too,\n"
                           "  unless --force.") +
               QStringLiteral("\nwrite FILE --watch [--no-verify] [--force] [--set-clock] [--log LOG.csv] [--count N] "
                              "[--retry N] [--json] [--quiet]\n") +
               CtlText::tr("  Waits for KORVELTs to be plugged in and writes each as it arrives\n"
                           "  (and sets its clock to this computer's time with --set-clock), one\n"
                           "  line each; a KORVELT is written again only once it was unplugged.\n"
                           "  --log appends a CSV line per KORVELT: time, serial number, version,\n"
                           "  the SHA-256 of FILE, result, path, message, korveltctl's version.\n"
                           "  --count N ends it after N KORVELTs, --retry N tries a failed one\n"
                           "  again, --json prints one JSON object a line. Ctrl+C ends it after the\n"
                           "  KORVELT in hand (a second Ctrl+C at once): \"3 programmed; 1 failed\".");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {{QStringLiteral("--no-verify"), {}, CtlText::tr("writes without reading it back"), false},
                {QStringLiteral("--force"), {}, CtlText::tr("writes a schedule with likely mistakes too"), false},
                AllOption(),
                DeviceOption(),
                DryRunOption(),
                JsonOption(),
                QuietOption(),
                {QStringLiteral("--watch"),
                 {},
                 CtlText::tr("writes each KORVELT as it is plugged in, until Ctrl+C"),
                 false},
                {QStringLiteral("--set-clock"),
                 {},
                 CtlText::tr("--watch: sets each clock to this computer's time too"),
                 false},
                {QStringLiteral("--log"), QStringLiteral("LOG.csv"),
                 CtlText::tr("--watch: appends a line per KORVELT to LOG.csv"), false},
                {QStringLiteral("--count"), QStringLiteral("N"), CtlText::tr("--watch: ends after N KORVELTs"), false},
                {QStringLiteral("--retry"), QStringLiteral("N"),
                 CtlText::tr("--watch: tries a failed KORVELT again, up to N times"), false}};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

int WriteCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString name = OneWord(a, "FILE");
    const LoadedSchedule loaded = LoadSchedule(name, c.Options().Input);
    const ScheduleModel &model = loaded.Model;
    // Sent anyway, a value the KORVELT cannot hold would arrive as whatever its low bits give.
    const std::vector<UnsendableValue> unsendable = FindUnsendableValues(model);
    if (!unsendable.empty()) {
        for (const UnsendableValue &value : unsendable) {
            c.Err() << Tool << ": " << Shown(name) << ": " << UnsendableText(value) << '\n';
        }
        throw Failure(ExitFileError, CtlText::tr("%1: not written: the KORVELT cannot hold %2 of its values")
                                         .arg(Shown(name), QString::number(unsendable.size())));
    }
    int mistakes = 0;
    const QStringList findings = CheckLines(model, FromQDate(c.Options().Now().date()), mistakes);
    if (mistakes > 0 && !a.Has(QStringLiteral("--force"))) {
        for (const QString &line : findings.mid(0, mistakes)) {
            c.Err() << Tool << ": " << Shown(name) << ": " << line << '\n';
        }
        throw Failure(ExitDifference,
                      mistakes == 1
                          ? CtlText::tr("%1: not written: the check found 1 likely mistake (--force writes it all "
                                        "the same)")
                                .arg(Shown(name))
                          : CtlText::tr("%1: not written: the check found %n likely mistakes (--force writes it all "
                                        "the same)",
                                        nullptr, mistakes)
                                .arg(Shown(name)));
    }
    const bool verify = !a.Has(QStringLiteral("--no-verify"));
    if (a.Has(QStringLiteral("--watch"))) {
        return WatchAndWrite(c, a, name, loaded, verify);
    }
    if (a.Has(QStringLiteral("--set-clock")) || a.Has(QStringLiteral("--log")) || a.Has(QStringLiteral("--count")) ||
        a.Has(QStringLiteral("--retry"))) {
        throw UsageError(CtlText::tr("--set-clock, --log, --count and --retry are for --watch"));
    }
    if (a.Has(QStringLiteral("--dry-run"))) {
        const QString what = verify ? CtlText::tr("would write %1 and verify it").arg(Shown(name))
                                    : CtlText::tr("would write %1").arg(Shown(name));
        return c.Report(c.DryRun(c.Targets(a), what, DeviceResult::WouldWrite), [verify](int done, int all) {
            return (verify ? CtlText::tr("%1 of %2 would be written and verified")
                           : CtlText::tr("%1 of %2 would be written"))
                .arg(done)
                .arg(all);
        });
    }
    return c.Report(c.RunOn(c.Targets(a), [&](DeviceSession &s) { return s.StartDownload(model, verify); }),
                    [verify](int done, int all) {
                        return (verify ? CtlText::tr("%1 of %2 written and verified") : CtlText::tr("%1 of %2 written"))
                            .arg(done)
                            .arg(all);
                    });
}


} // namespace

std::unique_ptr<CtlCommand> MakeWriteCommand()
{
    return std::make_unique<WriteCommand>();
}

} // namespace korvelt
