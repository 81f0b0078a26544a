#include "cli/CtlContext.h"
#include "cli/commands/Command.h"
#include "core/DataFileCodec.h"
#include "text/DataFile.h"
#include "text/ScheduleJson.h"

#include <QDir>
#include <QFileInfo>

#include <map>

namespace korvelt {

namespace {

class ReadCommand final : public CtlCommand {
public:
    [[nodiscard]] QString Name() const override { return QStringLiteral("read"); }
    [[nodiscard]] QString Usage() const override
    {
        return QStringLiteral("read OUT [--device SERIAL|PATH] [--format dat|json] [--json] [--quiet]\n"
                              "read DIR --all | --device SERIAL|PATH --device ... [--format dat|json]\n") +
               CtlText::tr("  Reads the KORVELT's schedule into OUT: JSON when OUT ends in .json\n"
                           "  or with --format json, else a data file (- : standard output).\n"
                           "  Several KORVELTs are read into the folder DIR, one file each named\n"
                           "  by its serial number: 1042.dat, or 1042.json with --format json.");
    }
    [[nodiscard]] std::vector<CtlOption> Options() const override
    {
        return {AllOption(),
                DeviceOption(),
                {QStringLiteral("--format"), QStringLiteral("dat|json"),
                 CtlText::tr("the file's form (by default, told by OUT's ending)"), false},
                JsonOption(),
                QuietOption()};
    }
    int Run(CtlContext &c, const Arguments &a) const override;
};

QString ReadSummary(int done, int all)
{
    return CtlText::tr("%1 of %2 read").arg(done).arg(all);
}

// Several KORVELTs read into the folder DIR, each into a file named by its serial number
// (1042.dat, or 1042.json), written whole or not at all. Two KORVELTs with one serial
// number would overwrite each other's file: neither is saved.
int ReadIntoFolder(CtlContext &c, const Arguments &a, bool json)
{
    const QString folder = OneWord(a, "DIR");
    if (IsStandardStream(folder)) {
        throw UsageError(CtlText::tr("several KORVELTs are read into a folder, not into -"));
    }
    const QString probe = QDir(folder).filePath(QStringLiteral("0.dat"));
    if (const std::optional<QString> problem = PlaceProblem(probe)) {
        const QFileInfo info(folder);
        const QString cause = info.exists() && !info.isDir() ? ErrorText(std::errc::not_a_directory) : *problem;
        throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2").arg(folder, cause));
    }
    std::vector<DeviceOutcome> outcomes = c.RunOn(c.Targets(a), [](DeviceSession &s) { return s.StartRead(); });
    std::map<std::uint32_t, int> serials;
    for (const DeviceOutcome &o : outcomes) {
        if (o.Exit == ExitOk && o.Identity) {
            ++serials[static_cast<std::uint32_t>(o.Identity->SerialNumber)];
        }
    }
    for (DeviceOutcome &o : outcomes) {
        if (o.Exit != ExitOk) {
            continue;
        }
        if (!o.Identity || serials[static_cast<std::uint32_t>(o.Identity->SerialNumber)] > 1) {
            o.Exit = ExitNoDevice;
            o.Result = DeviceResult::DuplicateSerial;
            o.Message = o.Identity ? CtlText::tr("not saved: another KORVELT read has serial number %1 too; read "
                                                 "each by its path")
                                         .arg(SerialText(o.Identity->SerialNumber))
                                   : CtlText::tr("not saved: the KORVELT did not say its serial number");
            continue;
        }
        const QString name = QDir(folder).filePath(SerialText(o.Identity->SerialNumber) +
                                                   (json ? QStringLiteral(".json") : QStringLiteral(".dat")));
        try {
            if (const std::optional<QString> problem = LinkProblem(name)) {
                throw Failure(ExitFileError, *problem);
            }
            SaveBytes(name, json ? ScheduleToJson(o.Read) : Bytes(EncodeDataFile(o.Read)));
            o.Message = CtlText::tr("read into %1").arg(name);
            o.File = name;
        } catch (const Failure &failure) {
            o.Exit = failure.Exit;
            o.Result = DeviceResult::FileError;
            o.Message = failure.Text;
        }
    }
    return c.Report(outcomes, ReadSummary);
}

int ReadCommand::Run(CtlContext &c, const Arguments &a) const
{
    const QString format = a.Value(QStringLiteral("--format"));
    if (!format.isEmpty() && format != QLatin1String("json") && format != QLatin1String("dat")) {
        throw UsageError(CtlText::tr("--format is dat or json"));
    }
    if (a.Has(QStringLiteral("--all")) || a.All(QStringLiteral("--device")).size() > 1) {
        return ReadIntoFolder(c, a, format == QLatin1String("json"));
    }
    const QString name = OneWord(a, "OUT");
    if (c.Json() && IsStandardStream(name)) {
        throw UsageError(CtlText::tr("--json prints to standard output: read into a file"));
    }
    const bool json =
        format.isEmpty() ? name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) : format == QLatin1String("json");
    // A place that cannot take the file fails before the device is read, not after.
    if (!IsStandardStream(name)) {
        if (const std::optional<QString> problem = PlaceProblem(name)) {
            throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2").arg(name, *problem));
        }
    }
    std::vector<DeviceOutcome> outcomes = c.RunOn(c.Targets(a), [](DeviceSession &s) { return s.StartRead(); });
    DeviceOutcome &read = outcomes.front();
    if (read.Exit == ExitOk) {
        const QByteArray bytes = json ? ScheduleToJson(read.Read) : Bytes(EncodeDataFile(read.Read));
        if (IsStandardStream(name)) {
            c.Print(bytes);
            read.Message.clear(); // standard output holds the schedule alone
        } else {
            // A save that fails is this device's failure: --json names the device read.
            try {
                SaveBytes(name, bytes);
                read.Message = CtlText::tr("read into %1").arg(name);
                read.File = name;
            } catch (const Failure &failure) {
                read.Exit = failure.Exit;
                read.Result = DeviceResult::FileError;
                read.Message = failure.Text;
            }
        }
    }
    return c.Report(outcomes, ReadSummary);
}


} // namespace

std::unique_ptr<CtlCommand> MakeReadCommand()
{
    return std::make_unique<ReadCommand>();
}

} // namespace korvelt
