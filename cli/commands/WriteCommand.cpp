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
            "write FILE [--no-verify] [--force] [--device SERIAL|PATH ... | --all] [--dry-run] [--json] [--quiet]\n"
            "  Writes the schedule in FILE (a data file or JSON, told by content)\n"
            "  and reads it back to verify, unless --no-verify. --all writes every\n"
            "  KORVELT attached at once, one line each. A schedule with values the\n"
            "  KORVELT cannot hold is refused; one with likely mistakes too,\n"
            "  unless --force.\n"
            "write FILE --watch [--no-verify] [--force] [--set-clock] [--log LOG.csv] [--count N] [--retry N] "
            "[--json] [--quiet]\n"
            "  Waits for KORVELTs to be plugged in and writes each as it arrives\n"
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
        return {
            {QStringLiteral("--no-verify"), {}, QStringLiteral("writes without reading it back"), false},
            {QStringLiteral("--force"), {}, QStringLiteral("writes a schedule with likely mistakes too"), false},
            AllOption(),
            DeviceOption(),
            DryRunOption(),
            JsonOption(),
            QuietOption(),
            {QStringLiteral("--watch"),
             {},
             QStringLiteral("writes each KORVELT as it is plugged in, until Ctrl+C"),
             false},
            {QStringLiteral("--set-clock"),
             {},
             QStringLiteral("--watch: sets each clock to this computer's time too"),
             false},
            {QStringLiteral("--log"), QStringLiteral("LOG.csv"),
             QStringLiteral("--watch: appends a line per KORVELT to LOG.csv"), false},
            {QStringLiteral("--count"), QStringLiteral("N"), QStringLiteral("--watch: ends after N KORVELTs"), false},
            {QStringLiteral("--retry"), QStringLiteral("N"),
             QStringLiteral("--watch: tries a failed KORVELT again, up to N times"), false}};
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
        throw Failure(ExitFileError, QStringLiteral("%1: not written: the KORVELT cannot hold %2 of its values")
                                         .arg(Shown(name))
                                         .arg(unsendable.size()));
    }
    int mistakes = 0;
    const QStringList findings = CheckLines(model, FromQDate(c.Options().Now().date()), mistakes);
    if (mistakes > 0 && !a.Has(QStringLiteral("--force"))) {
        for (const QString &line : findings.mid(0, mistakes)) {
            c.Err() << Tool << ": " << Shown(name) << ": " << line << '\n';
        }
        throw Failure(ExitDifference, QStringLiteral("%1: not written: the check found %2 likely %3 (--force writes it "
                                                     "all the same)")
                                          .arg(Shown(name))
                                          .arg(mistakes)
                                          .arg(mistakes == 1 ? QStringLiteral("mistake") : QStringLiteral("mistakes")));
    }
    const bool verify = !a.Has(QStringLiteral("--no-verify"));
    if (a.Has(QStringLiteral("--watch"))) {
        return WatchAndWrite(c, a, name, loaded, verify);
    }
    if (a.Has(QStringLiteral("--set-clock")) || a.Has(QStringLiteral("--log")) || a.Has(QStringLiteral("--count")) ||
        a.Has(QStringLiteral("--retry"))) {
        throw UsageError(QStringLiteral("--set-clock, --log, --count and --retry are for --watch"));
    }
    if (a.Has(QStringLiteral("--dry-run"))) {
        return c.Report(c.DryRun(c.Targets(a), verify ? QStringLiteral("would write %1 and verify it").arg(Shown(name))
                                                      : QStringLiteral("would write %1").arg(Shown(name))),
                        verify ? QStringLiteral("would be written and verified") : QStringLiteral("would be written"));
    }
    return c.Report(c.RunOn(c.Targets(a), [&](DeviceSession &s) { return s.StartDownload(model, verify); }),
                    verify ? QStringLiteral("written and verified") : QStringLiteral("written"));
}


} // namespace

std::unique_ptr<CtlCommand> MakeWriteCommand()
{
    return std::make_unique<WriteCommand>();
}

} // namespace korvelt
