#include "Korveltctl.h"

#include "AtomicFile.h"
#include "CheckText.h"
#include "DataFile.h"
#include "DeviceFleet.h"
#include "HolidayRules.h"
#include "QtDateTime.h"
#include "ScheduleCheck.h"
#include "ScheduleCsv.h"
#include "ScheduleJson.h"
#include "ScheduleReport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <span>

namespace korvelt {

namespace {

constexpr std::size_t LargestScheduleFile = std::size_t{16} << 20U;

const QString Tool = QStringLiteral("korveltctl");

const QMap<QString, QString> &CommandUsage()
{
    static const QMap<QString, QString> usage{
        {QStringLiteral("list"), QStringLiteral("list [--json]\n"
                                                "  Lists every KORVELT attached: path, serial number, version text,\n"
                                                "  and \"program mode\" where it is in program mode.")},
        {QStringLiteral("write"), QStringLiteral("write FILE [--no-verify] [--device SERIAL | --all]\n"
                                                 "  Writes the schedule in FILE (a data file or JSON, told by content)\n"
                                                 "  and reads it back to verify, unless --no-verify. --all writes every\n"
                                                 "  KORVELT attached at once, one line each.")},
        {QStringLiteral("read"), QStringLiteral("read OUT [--device SERIAL]\n"
                                                "  Reads the KORVELT's schedule into OUT: JSON when OUT ends in .json,\n"
                                                "  else a data file.")},
        {QStringLiteral("clock"), QStringLiteral("clock read [--device SERIAL | --all]\n"
                                                 "clock set [--pc | --at \"YYYY-MM-DD HH:MM:SS\"] [--device SERIAL | --all]\n"
                                                 "  Reads the KORVELT's clock, or sets it to this computer's time (--pc,\n"
                                                 "  the default) or to the time given.")},
        {QStringLiteral("export"), QStringLiteral("export FILE.dat [--format json|csv] [-o OUT]\n"
                                                  "  Writes the schedule of a data file as JSON (the default) or CSV, to\n"
                                                  "  OUT or to standard output.")},
        {QStringLiteral("import"), QStringLiteral("import FILE.json -o OUT.dat\n"
                                                  "  Makes a data file of a schedule in JSON.")},
        {QStringLiteral("check"), QStringLiteral("check FILE\n"
                                                 "  Checks the schedule in FILE and prints what it finds; exit status 1\n"
                                                 "  when it finds a likely mistake.")},
        {QStringLiteral("holidays"),
         QStringLiteral("holidays --preset CODE [--year YYYY] [--from IN.dat] [-o OUT] [--repeat-last]\n"
                        "  Prints a year's public holidays (this year unless --year), or with -o\n"
                        "  writes them as the special dates of the schedule in IN.dat (the\n"
                        "  defaults without --from) into OUT. With fewer than 16 holidays the\n"
                        "  other special dates keep theirs, or repeat the last (--repeat-last).\n"
                        "  CODE: gb-eaw, de, fr, us or nl.")},
        {QStringLiteral("report"), QStringLiteral("report FILE [-o OUT.pdf]\n"
                                                  "  Makes the printable report of the schedule in FILE as a PDF (FILE\n"
                                                  "  with .pdf for .dat unless -o).")},
    };
    return usage;
}

QString ToolUsage()
{
    QString text = QStringLiteral("Usage: korveltctl [--demo] COMMAND [ARGUMENTS]\n"
                                  "Programs KORVELT time controllers from scripts.\n\nCommands:\n");
    for (const QString &usage : CommandUsage()) {
        for (const QString &line : usage.split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char(' '))) {
                text += QStringLiteral("  korveltctl ") + line + QLatin1Char('\n');
            }
        }
    }
    return text + QStringLiteral(
                      "\nOptions: --demo uses a simulated KORVELT; --help and --version, also after a command.\n"
                      "Exit status: 0 done, 1 a check or verify found a difference, 2 usage error,\n"
                      "3 no KORVELT, one in program mode or not a KORVELT, 4 file error,\n"
                      "5 the KORVELT stopped answering or was unplugged.\n"
                      "See korveltctl(1).\n");
}

// A command's arguments: the words, the flags given and the options with their values.
struct Arguments {
    QStringList Words;
    QStringList Flags;
    QMap<QString, QString> Values;
};

class UsageError {
public:
    explicit UsageError(QString text) : Text(std::move(text)) {}
    QString Text;
};

class Failure {
public:
    Failure(int exit, QString text) : Exit(exit), Text(std::move(text)) {}
    int Exit;
    QString Text;
};

Arguments ParseArguments(const QStringList &arguments, const QStringList &flags, const QStringList &valued)
{
    Arguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments.at(i);
        if (word == QLatin1String("--demo")) {
            continue;
        }
        if (!word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            parsed.Words.append(word);
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype equals = word.indexOf(QLatin1Char('=')); equals > 0) {
            value = word.mid(equals + 1);
            word.truncate(equals);
        }
        if (flags.contains(word) && !value) {
            parsed.Flags.append(word);
        } else if (valued.contains(word)) {
            if (!value) {
                if (++i == arguments.size()) {
                    throw UsageError(QStringLiteral("%1 needs a value").arg(word));
                }
                value = arguments.at(i);
            }
            parsed.Values.insert(word, *value);
        } else {
            throw UsageError(QStringLiteral("unknown option %1").arg(word));
        }
    }
    return parsed;
}

std::filesystem::path FilePath(const QString &name)
{
    return {name.toStdU16String()}; // UTF-16 on Windows, UTF-8 elsewhere
}

// A schedule from a data file or from JSON, told by the data file's header, with the data
// file it is (or that the JSON describes) byte for byte.
struct LoadedSchedule {
    ScheduleModel Model;
    DataFileImage File{};
};

LoadedSchedule LoadSchedule(const QString &name)
{
    const auto bytes = LoadRegularFile(FilePath(name), LargestScheduleFile);
    if (!bytes) {
        throw Failure(ExitFileError, QStringLiteral("%1: cannot be read").arg(name));
    }
    const std::string header(DataFileName);
    const bool dataFile = bytes->size() > DataFileNameOffset + header.size() &&
                          std::equal(header.begin(), header.end(), bytes->begin() + DataFileNameOffset) &&
                          bytes->at(DataFileNameOffset + header.size()) == 0;
    if (dataFile) {
        const DataFileResult result = DecodeDataFile(*bytes);
        if (result.Outcome == DataFileOutcome::LaterFormat) {
            throw Failure(ExitFileError, QStringLiteral("%1: a data file of a later version").arg(name));
        }
        if (result.Outcome != DataFileOutcome::Loaded) {
            throw Failure(ExitFileError, QStringLiteral("%1: the data file is cut short").arg(name));
        }
        LoadedSchedule loaded{result.Model};
        std::copy_n(bytes->begin(), DataFileSize, loaded.File.begin());
        return loaded;
    }
    const ScheduleJsonResult json =
        ScheduleFromJson(QByteArray(reinterpret_cast<const char *>(bytes->data()), static_cast<qsizetype>(bytes->size())));
    if (!json.Model) {
        throw Failure(ExitFileError, QStringLiteral("%1: %2").arg(name, json.Error));
    }
    return {*json.Model, json.File};
}

void SaveBytes(const QString &name, const QByteArray &bytes)
{
    if (!SaveFileAtomically(FilePath(name), std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                                      static_cast<std::size_t>(bytes.size())))) {
        throw Failure(ExitFileError, QStringLiteral("%1: cannot be written").arg(name));
    }
}

// Saves the schedule as JSON when the name ends in .json, else as a data file.
void SaveSchedule(const QString &name, const ScheduleModel &model)
{
    if (name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        SaveBytes(name, ScheduleToJson(model));
    } else if (!SaveDataFile(FilePath(name), model)) {
        throw Failure(ExitFileError, QStringLiteral("%1: cannot be written").arg(name));
    }
}

class Ctl {
public:
    Ctl(HidBackend &backend, QTextStream &out, QTextStream &err, const CtlOptions &options)
        : backend_(backend), out_(out), err_(err), options_(options)
    {
    }

    int Run(const QString &command, const Arguments &a)
    {
        if (command == QLatin1String("list")) {
            return List(a);
        }
        if (command == QLatin1String("write")) {
            const ScheduleModel model = LoadSchedule(OneWord(a, "FILE")).Model;
            const bool verify = !a.Flags.contains(QLatin1String("--no-verify"));
            return Report(RunOn(Targets(a), [&](DeviceSession &s) { return s.StartDownload(model, verify); }));
        }
        if (command == QLatin1String("read")) {
            const QString name = OneWord(a, "OUT");
            std::vector<DeviceOutcome> outcomes = RunOn(Targets(a), [](DeviceSession &s) { return s.StartRead(); });
            if (outcomes.front().Exit == ExitOk) {
                SaveSchedule(name, outcomes.front().Read);
                outcomes.front().Message = QStringLiteral("read into %1").arg(name);
            }
            return Report(outcomes);
        }
        if (command == QLatin1String("clock")) {
            return Clock(a);
        }
        if (command == QLatin1String("export")) {
            const LoadedSchedule loaded = LoadSchedule(OneWord(a, "FILE.dat"));
            const QString format = a.Values.value(QStringLiteral("--format"), QStringLiteral("json"));
            if (format != QLatin1String("json") && format != QLatin1String("csv")) {
                throw UsageError(QStringLiteral("--format is json or csv"));
            }
            const QByteArray text = format == QLatin1String("csv") ? ScheduleToCsv(loaded.Model) : DataFileToJson(loaded.File);
            if (a.Values.contains(QStringLiteral("-o"))) {
                SaveBytes(a.Values.value(QStringLiteral("-o")), text);
            } else {
                out_ << QString::fromUtf8(text);
            }
            return ExitOk;
        }
        if (command == QLatin1String("import")) {
            const LoadedSchedule loaded = LoadSchedule(OneWord(a, "FILE.json"));
            if (!a.Values.contains(QStringLiteral("-o"))) {
                throw UsageError(QStringLiteral("-o OUT.dat is needed"));
            }
            const QString name = a.Values.value(QStringLiteral("-o"));
            SaveBytes(name, QByteArray(reinterpret_cast<const char *>(loaded.File.data()), DataFileSize));
            return ExitOk;
        }
        if (command == QLatin1String("holidays")) {
            return Holidays(a);
        }
        if (command == QLatin1String("report")) {
            return MakeReport(a);
        }
        return Check(a);
    }

private:
    static QString OneWord(const Arguments &a, const char *what)
    {
        if (a.Words.size() != 1) {
            throw UsageError(a.Words.isEmpty() ? QStringLiteral("%1 is missing").arg(QLatin1String(what))
                                               : QStringLiteral("unexpected argument %1").arg(a.Words.at(1)));
        }
        return a.Words.front();
    }

    int List(const Arguments &a)
    {
        if (!a.Words.isEmpty()) {
            throw UsageError(QStringLiteral("unexpected argument %1").arg(a.Words.front()));
        }
        QJsonArray json;
        const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
        for (const HidInterfaceInfo &device : devices) {
            const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs);
            const QString path = QString::fromStdString(device.Path);
            QJsonObject entry{{QStringLiteral("path"), path}, {QStringLiteral("programMode"), probed.ProgramMode}};
            QStringList fields{path};
            if (probed.Identity) {
                const QString version = QString::fromLatin1(probed.Identity->Version.c_str());
                entry.insert(QStringLiteral("serialNumber"), probed.Identity->SerialNumber);
                entry.insert(QStringLiteral("version"), version);
                fields << QString::number(probed.Identity->SerialNumber) << version;
            } else {
                entry.insert(QStringLiteral("problem"), probed.Problem);
                fields << QStringLiteral("-") << QStringLiteral("-") << probed.Problem;
            }
            json.append(entry);
            if (!a.Flags.contains(QLatin1String("--json"))) {
                out_ << fields.join(QLatin1Char('\t')) << '\n';
            }
        }
        if (a.Flags.contains(QLatin1String("--json"))) {
            out_ << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
        }
        if (devices.empty()) {
            throw Failure(ExitNoDevice, QStringLiteral("no KORVELT is attached"));
        }
        return ExitOk;
    }

    int Clock(const Arguments &a)
    {
        const QString action = a.Words.value(0);
        if (a.Words.size() != 1 || (action != QLatin1String("read") && action != QLatin1String("set"))) {
            throw UsageError(QStringLiteral("clock read or clock set"));
        }
        if (action == QLatin1String("read")) {
            if (a.Flags.contains(QLatin1String("--pc")) || a.Values.contains(QStringLiteral("--at"))) {
                throw UsageError(QStringLiteral("--pc and --at are for clock set"));
            }
            return Report(RunOn(Targets(a), [](DeviceSession &s) { return s.StartReadClock(); }));
        }
        TDateTime value = 0;
        if (a.Values.contains(QStringLiteral("--at"))) {
            if (a.Flags.contains(QLatin1String("--pc"))) {
                throw UsageError(QStringLiteral("--pc or --at, not both"));
            }
            static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)[ T](\\d\\d):(\\d\\d):(\\d\\d)$"));
            const QRegularExpressionMatch m = pattern.match(a.Values.value(QStringLiteral("--at")));
            TDateTime date = 0;
            TDateTime time = 0;
            if (!m.hasMatch() || !TryEncodeDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), date) ||
                !TryEncodeTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), 0, time) ||
                m.captured(1).toInt() < 2000 || m.captured(1).toInt() > 2255) {
                throw UsageError(QStringLiteral("--at \"YYYY-MM-DD HH:MM:SS\", in the years 2000 to 2255"));
            }
            value = date + time;
        } else {
            const QDateTime now = options_.Now();
            value = FromQDate(now.date()) + FromQTime(now.time());
        }
        return Report(RunOn(Targets(a), [value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); }));
    }

    int Check(const Arguments &a)
    {
        const ScheduleModel model = LoadSchedule(OneWord(a, "FILE")).Model;
        bool mistake = false;
        for (const ScheduleFinding &finding : CheckSchedule(model, FromQDate(options_.Now().date()))) {
            out_ << (IsMistake(finding) ? "Mistake: " : "Note: ") << FindingText(finding) << '\n';
            mistake = mistake || IsMistake(finding);
        }
        return mistake ? ExitDifference : ExitOk;
    }

    int Holidays(const Arguments &a)
    {
        if (!a.Words.isEmpty()) {
            throw UsageError(QStringLiteral("unexpected argument %1").arg(a.Words.front()));
        }
        const HolidayPreset *preset = FindHolidayPreset(a.Values.value(QStringLiteral("--preset")).toStdString());
        if (preset == nullptr) {
            throw UsageError(QStringLiteral("--preset is gb-eaw, de, fr, us or nl"));
        }
        bool number = true;
        const int year = a.Values.contains(QStringLiteral("--year")) ? a.Values.value(QStringLiteral("--year")).toInt(&number)
                                                                      : options_.Now().date().year();
        TDateTime first = 0;
        TDateTime last = 0;
        if (!number || year < FirstSendableYear || year > LastSendableYear || !TryEncodeDate(year, 1, 1, first) ||
            !TryEncodeDate(year, 12, 31, last)) {
            throw UsageError(QStringLiteral("--year is a year from 2000 to 2255"));
        }
        std::vector<Holiday> holidays = GenerateHolidays(preset->Rules, first, last);
        if (!a.Values.contains(QStringLiteral("-o"))) {
            if (a.Values.contains(QStringLiteral("--from")) || a.Flags.contains(QLatin1String("--repeat-last"))) {
                throw UsageError(QStringLiteral("--from and --repeat-last go with -o"));
            }
            for (const Holiday &holiday : holidays) {
                out_ << QString::fromStdString(HolidayText(holiday)) << '\n';
            }
            return ExitOk;
        }
        ScheduleModel model;
        if (a.Values.contains(QStringLiteral("--from"))) {
            model = LoadSchedule(a.Values.value(QStringLiteral("--from"))).Model;
        }
        const FewerHolidays fewer =
            a.Flags.contains(QLatin1String("--repeat-last")) ? FewerHolidays::RepeatLast : FewerHolidays::KeepOthers;
        const std::vector<Holiday> leftOut = ApplyHolidays(model, holidays, fewer);
        const QString name = a.Values.value(QStringLiteral("-o"));
        SaveSchedule(name, model);
        const auto filled = static_cast<int>(std::min<std::size_t>(holidays.size() - leftOut.size(), SpecialDateCount));
        out_ << QStringLiteral("%1: special dates 1 to %2 hold the holidays of %3 %4\n")
                    .arg(name)
                    .arg(filled)
                    .arg(QString::fromUtf8(preset->Name.data(), static_cast<qsizetype>(preset->Name.size())))
                    .arg(year);
        for (const Holiday &holiday : leftOut) {
            out_ << "left out: " << QString::fromStdString(HolidayText(holiday)) << '\n';
        }
        return ExitOk;
    }

    int MakeReport(const Arguments &a)
    {
        const QString name = OneWord(a, "FILE");
        ReportSource source;
        source.Model = LoadSchedule(name).Model;
        source.FileName = QFileInfo(name).fileName();
        source.Printed = options_.Now();
        QString pdf = a.Values.value(QStringLiteral("-o"));
        if (pdf.isEmpty()) {
            const QFileInfo file(name);
            pdf = file.dir().filePath(file.completeBaseName() + QStringLiteral(".pdf"));
        }
        if (!SaveScheduleReportPdf(FilePath(pdf), source)) {
            throw Failure(ExitFileError, QStringLiteral("%1: cannot be written").arg(pdf));
        }
        out_ << pdf << '\n';
        return ExitOk;
    }

    // The paths of the devices a command is for: --all, --device SERIAL, or the one the
    // window would take.
    std::vector<std::string> Targets(const Arguments &a)
    {
        const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
        const bool all = a.Flags.contains(QLatin1String("--all"));
        if (all && a.Values.contains(QStringLiteral("--device"))) {
            throw UsageError(QStringLiteral("--device or --all, not both"));
        }
        if (devices.empty()) {
            throw Failure(ExitNoDevice, QStringLiteral("no KORVELT is attached"));
        }
        std::vector<std::string> paths;
        if (a.Values.contains(QStringLiteral("--device"))) {
            bool number = false;
            const qint32 serial = a.Values.value(QStringLiteral("--device")).toInt(&number);
            if (!number) {
                throw UsageError(QStringLiteral("--device takes a serial number"));
            }
            for (const HidInterfaceInfo &device : devices) {
                const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs);
                if (probed.Identity && probed.Identity->SerialNumber == serial) {
                    return {device.Path};
                }
            }
            throw Failure(ExitNoDevice, QStringLiteral("no KORVELT with serial number %1 is attached").arg(serial));
        }
        for (const HidInterfaceInfo &device : devices) {
            paths.push_back(device.Path);
            if (!all) {
                break;
            }
        }
        return paths;
    }

    std::vector<DeviceOutcome> RunOn(const std::vector<std::string> &paths, const SessionStart &start)
    {
        return RunOnDevices(backend_, paths, start, options_.ReplyTimeoutMs, options_.ProgressBar ? &err_ : nullptr);
    }

    // One line per device, on standard output when it went through, else on standard error;
    // the exit status is the gravest of them.
    int Report(const std::vector<DeviceOutcome> &outcomes)
    {
        int exit = ExitOk;
        for (const DeviceOutcome &o : outcomes) {
            const QString name = DeviceName(o.Path, o.Identity);
            if (o.Exit != ExitOk) {
                err_ << Tool << ": " << name << ": " << o.Message << '\n';
            } else if (o.Message == QLatin1String("clock")) {
                const DateParts d = DecodeDate(o.ClockDate);
                const TimeParts t = DecodeTime(o.ClockTime);
                out_ << name << ": clock "
                     << QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.Year, d.Month, d.Day, t.Hour, t.Minute, t.Second)
                     << '\n';
            } else {
                out_ << name << ": " << o.Message << '\n';
            }
            exit = std::max(exit, o.Exit);
        }
        return exit;
    }

    HidBackend &backend_;
    QTextStream &out_;
    QTextStream &err_;
    const CtlOptions &options_;
};

// The options each command takes: flags, then options with a value.
const QMap<QString, std::pair<QStringList, QStringList>> &CommandOptions()
{
    static const QStringList device{QStringLiteral("--device")};
    static const QMap<QString, std::pair<QStringList, QStringList>> options{
        {QStringLiteral("list"), {{QStringLiteral("--json")}, {}}},
        {QStringLiteral("write"), {{QStringLiteral("--no-verify"), QStringLiteral("--all")}, device}},
        {QStringLiteral("read"), {{}, device}},
        {QStringLiteral("clock"), {{QStringLiteral("--all"), QStringLiteral("--pc")}, {QStringLiteral("--device"), QStringLiteral("--at")}}},
        {QStringLiteral("export"), {{}, {QStringLiteral("--format"), QStringLiteral("-o")}}},
        {QStringLiteral("import"), {{}, {QStringLiteral("-o")}}},
        {QStringLiteral("check"), {{}, {}}},
        {QStringLiteral("holidays"),
         {{QStringLiteral("--repeat-last")},
          {QStringLiteral("--preset"), QStringLiteral("--year"), QStringLiteral("--from"), QStringLiteral("-o")}}},
        {QStringLiteral("report"), {{}, {QStringLiteral("-o")}}},
    };
    return options;
}

} // namespace

int RunKorveltctl(const QStringList &arguments, HidBackend &backend, QTextStream &out, QTextStream &err,
                  const CtlOptions &options)
{
    QStringList rest = arguments;
    rest.removeAll(QStringLiteral("--demo"));
    const QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    const bool help = rest.contains(QLatin1String("--help")) || command == QLatin1String("--help");
    const bool version = rest.contains(QLatin1String("--version")) || command == QLatin1String("--version");
    int exit = ExitOk;
    try {
        if (version) {
            out << Tool << ' ' << QStringLiteral(KORVELT_VERSION) << '\n';
        } else if (help && !CommandOptions().contains(command)) {
            out << ToolUsage();
        } else if (help) {
            out << "Usage: korveltctl " << CommandUsage().value(command) << '\n';
        } else if (command.isEmpty()) {
            throw UsageError(QStringLiteral("a command is missing"));
        } else if (!CommandOptions().contains(command)) {
            throw UsageError(QStringLiteral("unknown command %1").arg(command));
        } else {
            const auto &[flags, valued] = CommandOptions().value(command);
            exit = Ctl(backend, out, err, options).Run(command, ParseArguments(rest, flags, valued));
        }
    } catch (const UsageError &usage) {
        err << Tool << ": " << (command.isEmpty() || !CommandOptions().contains(command) ? QString() : command + QStringLiteral(": "))
            << usage.Text << " (see korveltctl --help)\n";
        exit = ExitUsage;
    } catch (const Failure &failure) {
        err << Tool << ": " << failure.Text << '\n';
        exit = failure.Exit;
    }
    out.flush();
    err.flush();
    return exit;
}

} // namespace korvelt
