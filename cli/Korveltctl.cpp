#include "cli/Korveltctl.h"

#include "platform/AtomicFile.h"
#include "text/CellText.h"
#include "text/CheckText.h"
#include "text/ClockText.h"
#include "core/DeviceClock.h"
#include "core/DeviceLimits.h"
#include "text/DataFile.h"
#include "simulator/DemoDevices.h"
#include "cli/DeviceFleet.h"
#include "text/DifferenceText.h"
#include "text/HolidayRuleFile.h"
#include "core/HolidayRules.h"
#include "text/QtDateTime.h"
#include "core/ScheduleCheck.h"
#include "text/ScheduleCsv.h"
#include "core/ScheduleDifference.h"
#include "text/ScheduleJson.h"
#include "report/ScheduleReport.h"

#include <QDir>
#include <QFile>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <system_error>
#include <span>

namespace korvelt {

namespace {

constexpr std::size_t LargestScheduleFile = std::size_t{16} << 20U;

const QString Tool = QStringLiteral("korveltctl");

// The holiday presets' codes, "gb-eaw, gb-sct, ... or au", broken into lines of the usage
// when `wrap`.
QString PresetCodes(bool wrap)
{
    QStringList codes;
    for (const HolidayPreset &preset : HolidayPresets()) {
        codes << QString::fromUtf8(preset.Code.data(), static_cast<qsizetype>(preset.Code.size()));
    }
    const QString last = codes.takeLast();
    QString text = codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    constexpr qsizetype width = 66;
    for (qsizetype from = 0, space = 0;
         wrap && text.size() - from > width && (space = text.lastIndexOf(' ', from + width)) > from; from = space + 1) {
        text[space] = '\n';
        text.insert(space + 1, QStringLiteral("        "));
    }
    return text;
}

const QMap<QString, QString> &CommandUsage()
{
    static const QMap<QString, QString> usage{
        {QStringLiteral("list"), QStringLiteral("list [--json]\n"
                                                "  Lists every KORVELT attached: path, serial number, version text,\n"
                                                "  and \"program mode\" where it is in program mode.")},
        {QStringLiteral("write"),
         QStringLiteral(
             "write FILE [--no-verify] [--force] [--device SERIAL|PATH ... | --all] [--dry-run] [--json] [--quiet]\n"
             "  Writes the schedule in FILE (a data file or JSON, told by content)\n"
             "  and reads it back to verify, unless --no-verify. --all writes every\n"
             "  KORVELT attached at once, one line each. A schedule with values the\n"
             "  KORVELT cannot hold is refused; one with likely mistakes too,\n"
             "  unless --force.\n"
             "write FILE --watch [--no-verify] [--force] [--set-clock] [--log LOG.csv] [--quiet]\n"
             "  Waits for KORVELTs to be plugged in and writes each as it arrives\n"
             "  (and sets its clock to this computer's time with --set-clock), one\n"
             "  line each; a KORVELT is written again only once it was unplugged.\n"
             "  --log appends a CSV line per KORVELT: time, serial number, version,\n"
             "  the SHA-256 of the data written, result. Ctrl+C ends it after the\n"
             "  KORVELT in hand (a second Ctrl+C at once): \"3 programmed; 1 failed\".")},
        {QStringLiteral("verify"),
         QStringLiteral("verify FILE [--device SERIAL|PATH ... | --all] [--json] [--quiet]\n"
                        "  Reads each KORVELT and compares it with the schedule in FILE as the\n"
                        "  KORVELT holds it; exit status 1 when any differs, the differences\n"
                        "  on standard output. Nothing is written.")},
        {QStringLiteral("read"),
         QStringLiteral("read OUT [--device SERIAL|PATH] [--format dat|json] [--json] [--quiet]\n"
                        "read DIR --all | --device SERIAL|PATH --device ... [--format dat|json]\n"
                        "  Reads the KORVELT's schedule into OUT: JSON when OUT ends in .json\n"
                        "  or with --format json, else a data file (- : standard output).\n"
                        "  Several KORVELTs are read into the folder DIR, one file each named\n"
                        "  by its serial number: 1042.dat, or 1042.json with --format json.")},
        {QStringLiteral("clock"),
         QStringLiteral("clock read [--device SERIAL|PATH ... | --all] [--json] [--quiet]\n"
                        "clock set [--pc | --at \"YYYY-MM-DD HH:MM:SS\"] [--device SERIAL|PATH ... | --all] "
                        "[--dry-run] [--json] [--quiet]\n"
                        "  Reads the KORVELT's clock, or sets it to this computer's time (--pc,\n"
                        "  the default) or to the time given.")},
        {QStringLiteral("export"),
         QStringLiteral("export FILE.dat [--format json|csv] [-o OUT]\n"
                        "  Writes the schedule of a data file as JSON (the default) or CSV, to\n"
                        "  OUT or to standard output.")},
        {QStringLiteral("import"),
         QStringLiteral("import FILE.json -o OUT.dat\n"
                        "  Makes a data file of a schedule in JSON (-o - : standard output).")},
        {QStringLiteral("check"),
         QStringLiteral("check FILE\n"
                        "  Checks the schedule in FILE and prints what it finds; exit status 1\n"
                        "  when it finds a likely mistake.")},
        {QStringLiteral("holidays"),
         QStringLiteral("holidays --preset CODE [--rules FILE] [--year YYYY] [--json | --format text|csv|json]\n"
                        "holidays --preset CODE [--rules FILE] [--year YYYY] [--from IN.dat] -o OUT [--repeat-last] "
                        "[--dry-run] [--quiet]\n"
                        "  Prints a year's public holidays (this year unless --year), or with -o\n"
                        "  writes them as the special dates of the schedule in IN.dat (the\n"
                        "  defaults without --from) into OUT. With fewer than 16 holidays the\n"
                        "  other special dates keep theirs, or repeat the last (--repeat-last).\n"
                        "  --rules adds the rules of a file the Holidays dialog saved (or takes\n"
                        "  them alone, without --preset). --json and --format csv print each\n"
                        "  holiday's date, weekday, names and whether it is a substitute day.\n"
                        "  CODE: ") +
             PresetCodes(true) + QStringLiteral(".")},
        {QStringLiteral("report"),
         QStringLiteral("report FILE [-o OUT.pdf] [--quiet]\n"
                        "  Makes the printable report of the schedule in FILE as a PDF (FILE\n"
                        "  with .pdf for .dat unless -o; -o - : standard output).")},
    };
    return usage;
}

// Takes "--demo [N]" or "--demo=N" out of the words before "--" and returns the number of
// demo KORVELTs it asks for: 0 without it, 1 without a number, -1 for a number out of range.
int TakeDemo(QStringList &words)
{
    const qsizetype end = words.indexOf(QStringLiteral("--")) < 0 ? words.size() : words.indexOf(QStringLiteral("--"));
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    for (qsizetype i = 0; i < end; ++i) {
        QString value;
        if (words.at(i) == QLatin1String("--demo")) {
            words.removeAt(i);
            if (i + 1 < end && number.match(words.at(i)).hasMatch()) {
                value = words.takeAt(i);
            } else {
                return 1;
            }
        } else if (words.at(i).startsWith(QLatin1String("--demo="))) {
            value = words.takeAt(i).mid(7);
        } else {
            continue;
        }
        bool ok = false;
        const int count = value.toInt(&ok);
        return ok && count >= 1 && count <= MostDemoDevices ? count : -1;
    }
    return 0;
}

QString ToolUsage()
{
    QString text = QStringLiteral("Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]\n"
                                  "Programs KORVELT time controllers from scripts.\n\nCommands:\n");
    for (const QString &usage : CommandUsage()) {
        for (const QString &line : usage.split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char(' '))) {
                text += QStringLiteral("  korveltctl ") + line + QLatin1Char('\n');
            }
        }
    }
    return text +
           QStringLiteral("  korveltctl help COMMAND\n"
                          "\nOptions: --demo [N] uses N simulated KORVELTs (1 unless N), serial numbers 1 to N;\n"
                          "-h or --help and --version, also after a command; -- ends the options.\n"
                          "FILE - is standard input. With several KORVELTs a summary line ends the run,\n"
                          "\"5 of 8 written and verified; 3 failed\"; --quiet prints only errors (and\n"
                          "the differences verify finds). --dry-run (write, clock set, holidays -o) says what\n"
                          "would be done to which KORVELT or file, asking the KORVELTs only who they are.\n"
                          "--json prints one JSON document of the result (docs/korveltctl-json.md).\n"
                          "Exit status: 0 done, 1 a check or verify found a difference, 2 usage error,\n"
                          "3 no KORVELT, one in program mode or not a KORVELT, 4 file error,\n"
                          "5 the KORVELT stopped answering or was unplugged, 6 another program is\n"
                          "talking to the KORVELT (busy), 130 interrupted (Ctrl+C),\n"
                          "143 terminated (SIGTERM, SIGHUP).\n"
                          "See korveltctl(1).\n");
}

// A command's arguments: the words, the flags given and the options with their values (the
// first, where an option may be given more than once: all of them in Lists).
struct Arguments {
    QStringList Words;
    QStringList Flags;
    QMap<QString, QString> Values;
    QMap<QString, QStringList> Lists;
};

// The options that may be given more than once, each adding a value.
bool Repeatable(const QString &option)
{
    return option == QLatin1String("--device");
}

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
    bool options = true; // until "--"
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments.at(i);
        if (options && word == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && word == QLatin1String("--demo")) {
            continue;
        }
        if (!options || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            parsed.Words.append(word);
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype equals = word.indexOf(QLatin1Char('=')); equals > 0) {
            value = word.mid(equals + 1);
            word.truncate(equals);
        }
        if (flags.contains(word) && !value) {
            if (parsed.Flags.contains(word)) {
                throw UsageError(QStringLiteral("%1 is given more than once").arg(word));
            }
            parsed.Flags.append(word);
        } else if (valued.contains(word)) {
            if (!value) {
                if (++i == arguments.size()) {
                    throw UsageError(QStringLiteral("%1 needs a value").arg(word));
                }
                value = arguments.at(i);
            }
            // An empty name or format is a script's variable left unset, not a choice.
            if (value->isEmpty()) {
                throw UsageError(QStringLiteral("%1 needs a value").arg(word));
            }
            // The last of two would win in silence, and a script's mistake would pass.
            if (parsed.Values.contains(word) && !Repeatable(word)) {
                throw UsageError(QStringLiteral("%1 is given more than once").arg(word));
            }
            if (!parsed.Values.contains(word)) {
                parsed.Values.insert(word, *value);
            }
            parsed.Lists[word].append(*value);
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

bool IsStandardStream(const QString &name)
{
    return name == QLatin1String("-");
}

// A file as a message names it.
QString Shown(const QString &name)
{
    return IsStandardStream(name) ? QStringLiteral("standard input") : name;
}

QString ErrorText(std::errc code)
{
    return QString::fromLocal8Bit(std::make_error_code(code).message().c_str());
}

// Why the file `name` could not be read, as the system says it.
QString ReadCause(const QString &name)
{
    std::error_code error;
    const auto status = std::filesystem::status(FilePath(name), error);
    if (error) {
        return QString::fromLocal8Bit(error.message().c_str());
    }
    if (std::filesystem::is_directory(status)) {
        return ErrorText(std::errc::is_a_directory);
    }
    if (!std::filesystem::is_regular_file(status)) {
        return QStringLiteral("not a regular file"); // not opened: a device or a pipe may act on it
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    return ErrorText(std::errc::io_error);
}

// Why the place `name` cannot take a file, or nothing when it looks as if it could: the
// folder must be there and writable, and the file, if there, a regular one that may be written.
std::optional<QString> PlaceProblem(const QString &name)
{
    const std::filesystem::path path = FilePath(name);
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status)) {
        if (std::filesystem::is_directory(status)) {
            return ErrorText(std::errc::is_a_directory);
        }
        if (!std::filesystem::is_regular_file(status)) {
            return QStringLiteral("not a regular file");
        }
        if (!QFileInfo(name).isWritable()) {
            return ErrorText(std::errc::permission_denied);
        }
    }
    const QFileInfo file(name);
    const QString folder = file.absolutePath();
    const auto folderStatus = std::filesystem::status(FilePath(folder), error);
    if (!std::filesystem::exists(folderStatus)) {
        return ErrorText(std::errc::no_such_file_or_directory);
    }
    if (!std::filesystem::is_directory(folderStatus)) {
        return ErrorText(std::errc::not_a_directory);
    }
    if (!QFileInfo(folder).isWritable()) {
        return ErrorText(std::errc::permission_denied);
    }
    return std::nullopt;
}

// Why `bytes` could not be saved at `name`: the place, or else what writing them beside it
// says (a full disk), as the save itself does not tell.
QString WriteCause(const QString &name, const QByteArray &bytes)
{
    if (const std::optional<QString> problem = PlaceProblem(name)) {
        return *problem;
    }
    QTemporaryFile probe(QFileInfo(name).absolutePath() + QStringLiteral("/.korveltctl-XXXXXX"));
    if (!probe.open()) {
        return probe.errorString();
    }
    if (probe.write(bytes) != bytes.size() || !probe.flush()) {
        return probe.errorString();
    }
    return ErrorText(std::errc::io_error);
}

// Refuses an output that is the file read (by another name or a link too): the schedule
// would be replaced by what was made of it.
void RefuseOverInput(const QString &input, const QString &output)
{
    if (IsStandardStream(input) || IsStandardStream(output)) {
        return;
    }
    std::error_code error;
    if (std::filesystem::equivalent(FilePath(input), FilePath(output), error) && !error) {
        throw UsageError(QStringLiteral("%1 is the file read; the output needs a name of its own").arg(output));
    }
}

// A name the tool makes itself (a folder's 1042.dat, a report's FILE.pdf) is not followed
// where it is a symbolic link: the link may lead anywhere, to a system file too.
std::optional<QString> LinkProblem(const QString &name)
{
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(FilePath(name), error))) {
        return QStringLiteral("%1: cannot be written: a symbolic link is there, which is not followed").arg(name);
    }
    return std::nullopt;
}

QByteArray Bytes(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

// A schedule from a data file or from JSON, told by the data file's header, with the data
// file it is (or that the JSON describes) byte for byte.
struct LoadedSchedule {
    ScheduleModel Model;
    DataFileImage File{};
    QByteArray Bytes; // the file as read
};

// At most `limit` + 1 bytes of standard input; nothing when it cannot be read.
std::optional<QByteArray> ReadInput(QIODevice *input, qsizetype limit)
{
    if (input == nullptr) {
        return std::nullopt;
    }
    QByteArray bytes;
    constexpr qsizetype Chunk = 1 << 16;
    while (bytes.size() <= limit) {
        const qsizetype had = bytes.size();
        bytes.resize(had + std::min(Chunk, limit + 1 - had));
        const qint64 got = input->read(bytes.data() + had,
                                       bytes.size() - had); // NOLINT(cppcoreguidelines-pro-bounds-pointer-arithmetic)
        if (got < 0) {
            return std::nullopt;
        }
        bytes.resize(had + static_cast<qsizetype>(got));
        if (got == 0) {
            break;
        }
    }
    return bytes;
}

LoadedSchedule LoadSchedule(const QString &name, QIODevice *input)
{
    constexpr auto limit = static_cast<qsizetype>(LargestScheduleFile);
    std::optional<QByteArray> read;
    if (IsStandardStream(name)) {
        read = ReadInput(input, limit);
        if (!read) {
            throw Failure(ExitFileError, QStringLiteral("standard input: cannot be read"));
        }
    } else if (const auto bytes = LoadRegularFile(FilePath(name), LargestScheduleFile + 1)) {
        read = Bytes(*bytes);
    } else {
        throw Failure(ExitFileError, QStringLiteral("%1: cannot be read: %2").arg(name, ReadCause(name)));
    }
    if (read->size() > limit) {
        throw Failure(ExitFileError, QStringLiteral("%1: too large (more than 16 MiB)").arg(Shown(name)));
    }
    const QByteArray &bytes = *read;
    const QByteArray header(DataFileName.data(), static_cast<qsizetype>(DataFileName.size()));
    const bool dataFile = bytes.size() > static_cast<qsizetype>(DataFileNameOffset) + header.size() &&
                          bytes.mid(static_cast<qsizetype>(DataFileNameOffset), header.size()) == header &&
                          bytes.at(static_cast<qsizetype>(DataFileNameOffset) + header.size()) == 0;
    if (dataFile) {
        const DataFileResult result = DecodeDataFile(std::span(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
        if (result.Outcome == DataFileOutcome::LaterFormat) {
            throw Failure(ExitFileError, QStringLiteral("%1: a data file of a later version").arg(Shown(name)));
        }
        if (result.Outcome != DataFileOutcome::Loaded) {
            throw Failure(ExitFileError, QStringLiteral("%1: the data file is cut short").arg(Shown(name)));
        }
        LoadedSchedule loaded{result.Model, {}, bytes};
        std::copy_n(bytes.constBegin(), DataFileSize, loaded.File.begin());
        return loaded;
    }
    const ScheduleJsonResult json = ScheduleFromJson(bytes);
    if (!json.Model) {
        throw Failure(ExitFileError, QStringLiteral("%1: %2").arg(Shown(name), json.Error));
    }
    return {*json.Model, json.File, bytes};
}

void SaveBytes(const QString &name, const QByteArray &bytes)
{
    if (!SaveFileAtomically(FilePath(name), std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                                      static_cast<std::size_t>(bytes.size())))) {
        throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2").arg(name, WriteCause(name, bytes)));
    }
}

// The schedule as the name asks for it: JSON when it ends in .json, else a data file.
QByteArray ScheduleBytes(const QString &name, const ScheduleModel &model)
{
    return name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? ScheduleToJson(model)
                                                                      : Bytes(EncodeDataFile(model));
}

// The schedule check's lines: mistakes first, then notes.
QStringList CheckLines(const ScheduleModel &model, TDateTime today, int &mistakes)
{
    QStringList mistakeLines;
    QStringList noteLines;
    for (const ScheduleFinding &finding : CheckSchedule(model, today)) {
        (IsMistake(finding) ? mistakeLines : noteLines).append(FindingText(finding));
    }
    mistakes = static_cast<int>(mistakeLines.size());
    QStringList lines;
    for (const QString &line : mistakeLines) {
        lines.append(QStringLiteral("Mistake: ") + line);
    }
    for (const QString &line : noteLines) {
        lines.append(QStringLiteral("Note: ") + line);
    }
    return lines;
}

// A text for one field of `list`: a tab, a line break or another control character would
// break the line, so they are written as \t, \n, \xHH (and a backslash as \\).
QString ListField(const QString &text)
{
    QString field;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            field += QStringLiteral("\\\\");
        } else if (c == QLatin1Char('\t')) {
            field += QStringLiteral("\\t");
        } else if (c == QLatin1Char('\n')) {
            field += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            field += QStringLiteral("\\r");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            field += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            field += c;
        }
    }
    return field;
}

// One device in the --json document.
QJsonObject DeviceJson(const std::string &path, const std::optional<DeviceIdentity> &identity, const QString &result,
                       int exit, const QString &message)
{
    QJsonObject device{{QStringLiteral("path"), QString::fromStdString(path)},
                       {QStringLiteral("serial"), QJsonValue::Null},
                       {QStringLiteral("version"), QJsonValue::Null},
                       {QStringLiteral("result"), result},
                       {QStringLiteral("exit"), exit},
                       {QStringLiteral("message"), message},
                       {QStringLiteral("differences"), QJsonArray()}};
    if (identity) {
        device.insert(QStringLiteral("serial"),
                      static_cast<qint64>(static_cast<std::uint32_t>(identity->SerialNumber)));
        device.insert(QStringLiteral("version"), QString::fromLatin1(identity->Version.c_str()));
    }
    return device;
}

// The --json document: every device, and the command's exit status (and, for a command that
// failed as a whole, why).
QByteArray ResultDocument(const QJsonArray &devices, int exit, const QString &message = {})
{
    QJsonObject document{{QStringLiteral("devices"), devices}, {QStringLiteral("exit"), exit}};
    if (!message.isEmpty()) {
        document.insert(QStringLiteral("message"), message);
    }
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

// One holiday's fields: its date, weekday, names (as the rules give them, a moved day's with
// "(substitute day)" or "(observed)") and whether it is a day a holiday was moved to.
struct HolidayFields {
    QString Date;
    QString Weekday;
    QStringList Names;
    bool Substitute = false;
};

HolidayFields FieldsOf(const Holiday &holiday)
{
    // "2027-01-01 Fri New Year's Day": the date and weekday as the line gives them.
    const QString line = QString::fromStdString(HolidayText(holiday));
    HolidayFields fields{line.section(QLatin1Char(' '), 0, 0), line.section(QLatin1Char(' '), 1, 1),
                         QString::fromStdString(holiday.Name).split(QStringLiteral(" / ")), false};
    fields.Substitute = std::ranges::any_of(fields.Names, [](const QString &name) {
        return name.endsWith(QLatin1String(" (substitute day)")) || name.endsWith(QLatin1String(" (observed)"));
    });
    return fields;
}

QByteArray HolidaysJson(const std::vector<Holiday> &holidays, int year)
{
    QJsonArray list;
    for (const Holiday &holiday : holidays) {
        const HolidayFields f = FieldsOf(holiday);
        list.append(QJsonObject{{QStringLiteral("date"), f.Date},
                                {QStringLiteral("weekday"), f.Weekday},
                                {QStringLiteral("names"), QJsonArray::fromStringList(f.Names)},
                                {QStringLiteral("substitute"), f.Substitute}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("year"), year}, {QStringLiteral("holidays"), list}})
        .toJson(QJsonDocument::Indented);
}

// As RFC 4180 has it: a header, lines ending in CR LF, the names joined by " / " and quoted
// where they hold a comma or a quote.
QByteArray HolidaysCsv(const std::vector<Holiday> &holidays)
{
    const auto field = [](const QString &text) {
        return text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
                   ? QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                         QLatin1Char('"')
                   : text;
    };
    QString csv = QStringLiteral("date,weekday,names,substitute\r\n");
    for (const Holiday &holiday : holidays) {
        const HolidayFields f = FieldsOf(holiday);
        csv += f.Date + QLatin1Char(',') + f.Weekday + QLatin1Char(',') + field(f.Names.join(QStringLiteral(" / "))) +
               QLatin1Char(',') + (f.Substitute ? QStringLiteral("yes") : QStringLiteral("no")) +
               QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

class Ctl {
public:
    Ctl(HidBackend &backend, QIODevice &out, QTextStream &err, const CtlOptions &options)
        : backend_(backend), out_(out), err_(err), options_(options)
    {
    }

    int Run(const QString &command, const Arguments &a)
    {
        quiet_ = a.Flags.contains(QLatin1String("--quiet"));
        json_ = a.Flags.contains(QLatin1String("--json"));
        if (command == QLatin1String("list")) {
            return List(a);
        }
        if (command == QLatin1String("write")) {
            return Write(a);
        }
        if (command == QLatin1String("verify")) {
            return Verify(a);
        }
        if (command == QLatin1String("read")) {
            return Read(a);
        }
        if (command == QLatin1String("clock")) {
            return Clock(a);
        }
        if (command == QLatin1String("export")) {
            const QString input = OneWord(a, "FILE.dat");
            RefuseOverInput(input, a.Values.value(QStringLiteral("-o"), QStringLiteral("-")));
            const LoadedSchedule loaded = LoadSchedule(input, options_.Input);
            const QString format = a.Values.value(QStringLiteral("--format"), QStringLiteral("json"));
            if (format != QLatin1String("json") && format != QLatin1String("csv")) {
                throw UsageError(QStringLiteral("--format is json or csv"));
            }
            const QByteArray text =
                format == QLatin1String("csv") ? ScheduleToCsv(loaded.Model) : DataFileToJson(loaded.File);
            Deliver(a.Values.value(QStringLiteral("-o"), QStringLiteral("-")), text);
            return ExitOk;
        }
        if (command == QLatin1String("import")) {
            if (!a.Values.contains(QStringLiteral("-o"))) {
                throw UsageError(QStringLiteral("-o OUT.dat is needed"));
            }
            const QString name = a.Values.value(QStringLiteral("-o"));
            if (name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
                throw UsageError(QStringLiteral("import makes a data file, not %1; export makes JSON").arg(name));
            }
            const QString input = OneWord(a, "FILE.json");
            RefuseOverInput(input, name);
            const LoadedSchedule loaded = LoadSchedule(input, options_.Input);
            Deliver(name, Bytes(loaded.File));
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

    // Everything printed reached standard output; else why not.
    [[nodiscard]] std::optional<QString> OutputFailure() const { return outputFailure_; }

private:
    static QString OneWord(const Arguments &a, const char *what)
    {
        if (a.Words.size() != 1) {
            throw UsageError(a.Words.isEmpty() ? QStringLiteral("%1 is missing").arg(QLatin1String(what))
                                               : QStringLiteral("unexpected argument %1").arg(a.Words.at(1)));
        }
        return a.Words.front();
    }

    void Print(const QByteArray &bytes)
    {
        if (!outputFailure_ && out_.write(bytes) != bytes.size()) {
            outputFailure_ = out_.errorString();
        }
    }
    void Print(const QString &text) { Print(text.toUtf8()); }
    // What went well, which --quiet leaves out.
    void Say(const QString &text)
    {
        if (!quiet_) {
            Print(text);
        }
    }

    // `bytes` to the file `name`, or to standard output for "-".
    void Deliver(const QString &name, const QByteArray &bytes)
    {
        if (IsStandardStream(name)) {
            Print(bytes);
        } else {
            SaveBytes(name, bytes);
        }
    }

    int List(const Arguments &a)
    {
        if (!a.Words.isEmpty()) {
            throw UsageError(QStringLiteral("unexpected argument %1").arg(a.Words.front()));
        }
        const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
        if (devices.empty()) {
            throw Failure(ExitNoDevice, QStringLiteral("no KORVELT is attached"));
        }
        QJsonArray json;
        for (const HidInterfaceInfo &device : devices) {
            const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs);
            const QString path = QString::fromStdString(device.Path);
            QStringList fields{ListField(path)};
            QString result = QStringLiteral("ready");
            if (probed.Identity) {
                fields << SerialText(probed.Identity->SerialNumber)
                       << ListField(QString::fromLatin1(probed.Identity->Version.c_str())) << result;
            } else {
                fields << QStringLiteral("-") << QStringLiteral("-") << ListField(probed.Problem);
                result = probed.Busy                                        ? QStringLiteral("busy")
                         : probed.ProgramMode                               ? QStringLiteral("program-mode")
                         : probed.Problem == QLatin1String("not a KORVELT") ? QStringLiteral("not-a-korvelt")
                         : probed.Problem == QLatin1String("no answer")     ? QStringLiteral("no-answer")
                                                                            : QStringLiteral("cannot-open");
            }
            json.append(
                DeviceJson(device.Path, probed.Identity, result, ExitOk, probed.Identity ? result : probed.Problem));
            if (!json_) {
                Print(fields.join(QLatin1Char('\t')) + QLatin1Char('\n'));
            }
        }
        if (json_) {
            Print(ResultDocument(json, ExitOk));
        }
        return ExitOk;
    }

    int Write(const Arguments &a)
    {
        const QString name = OneWord(a, "FILE");
        const LoadedSchedule loaded = LoadSchedule(name, options_.Input);
        const ScheduleModel &model = loaded.Model;
        // Sent anyway, a value the KORVELT cannot hold would arrive as whatever its low bits give.
        const std::vector<UnsendableValue> unsendable = FindUnsendableValues(model);
        if (!unsendable.empty()) {
            for (const UnsendableValue &value : unsendable) {
                err_ << Tool << ": " << Shown(name) << ": " << UnsendableText(value) << '\n';
            }
            throw Failure(ExitFileError, QStringLiteral("%1: not written: the KORVELT cannot hold %2 of its values")
                                             .arg(Shown(name))
                                             .arg(unsendable.size()));
        }
        int mistakes = 0;
        const QStringList findings = CheckLines(model, FromQDate(options_.Now().date()), mistakes);
        if (mistakes > 0 && !a.Flags.contains(QLatin1String("--force"))) {
            for (const QString &line : findings.mid(0, mistakes)) {
                err_ << Tool << ": " << Shown(name) << ": " << line << '\n';
            }
            throw Failure(ExitDifference,
                          QStringLiteral("%1: not written: the check found %2 likely %3 (--force writes it "
                                         "all the same)")
                              .arg(Shown(name))
                              .arg(mistakes)
                              .arg(mistakes == 1 ? QStringLiteral("mistake") : QStringLiteral("mistakes")));
        }
        const bool verify = !a.Flags.contains(QLatin1String("--no-verify"));
        if (a.Flags.contains(QLatin1String("--watch"))) {
            return WatchAndWrite(a, name, loaded, verify);
        }
        if (a.Flags.contains(QLatin1String("--set-clock")) || a.Values.contains(QStringLiteral("--log"))) {
            throw UsageError(QStringLiteral("--set-clock and --log are for --watch"));
        }
        if (a.Flags.contains(QLatin1String("--dry-run"))) {
            return Report(DryRun(Targets(a), verify ? QStringLiteral("would write %1 and verify it").arg(Shown(name))
                                                    : QStringLiteral("would write %1").arg(Shown(name))),
                          verify ? QStringLiteral("would be written and verified")
                                 : QStringLiteral("would be written"));
        }
        return Report(RunOn(Targets(a), [&](DeviceSession &s) { return s.StartDownload(model, verify); }),
                      verify ? QStringLiteral("written and verified") : QStringLiteral("written"));
    }

    // Hands a signal that comes while a KORVELT is being written to the run on it, once the
    // watch has seen one already: the first ends the watch after that KORVELT, a second cuts
    // it off.
    class HandOn final : public CtlInterrupts {
    public:
        void Watch(std::function<void(int signal)> stop) override { Stop = std::move(stop); }
        void Unwatch() override { Stop = nullptr; }
        std::function<void(int)> Stop;
    };

    // The KORVELT interface at `path` as the system lists it now.
    std::optional<HidInterfaceInfo> Attached(const std::string &path)
    {
        for (const HidInterfaceInfo &device : KorveltInterfaces(backend_)) {
            if (device.Path == path) {
                return device;
            }
        }
        return std::nullopt;
    }

    // Whether the file ends with a line break (or is empty).
    static bool EndsLine(QFile &file)
    {
        if (file.size() == 0) {
            return true;
        }
        const qint64 end = file.size();
        char last = 0;
        const bool read = file.seek(end - 1) && file.getChar(&last);
        (void)file.seek(end);
        return read && last == '\n';
    }

    // Appends `bytes` in one write, or nothing at all: what a failed write left (part of a
    // row on a full disk) is cut off again, so that the next row starts where this one would
    // have. The system's reason when it failed.
    static std::optional<QString> AppendWhole(QFile &file, const QByteArray &bytes)
    {
        if (bytes.isEmpty()) {
            return std::nullopt;
        }
        const qint64 before = file.size();
        errno = 0;
        if (file.write(bytes) == bytes.size()) {
            return std::nullopt;
        }
        const int cause = errno;
        const QString reason = cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : file.errorString();
        (void)file.resize(before);
        return reason;
    }

    // A field of the log, quoted where it holds a comma, a quote or a line break.
    static QString CsvField(const QString &text)
    {
        if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
            !text.contains(QLatin1Char('\r'))) {
            return text;
        }
        return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    }

    // The production line: every KORVELT that appears is written (and verified, and its clock
    // set) once, until a signal ends the watch. The enumeration is looked at every
    // WatchIntervalMs; a KORVELT is known by its path while it stays, and by its serial
    // number against one still attached under another path.
    int WatchAndWrite(const Arguments &a, const QString &name, const LoadedSchedule &loaded, bool verify)
    {
        const ScheduleModel &model = loaded.Model;
        if (json_ || a.Flags.contains(QLatin1String("--all")) || a.Values.contains(QStringLiteral("--device")) ||
            a.Flags.contains(QLatin1String("--dry-run"))) {
            throw UsageError(
                QStringLiteral("--watch writes each KORVELT plugged in: no --all, --device, --dry-run or --json"));
        }
        const bool setClock = a.Flags.contains(QLatin1String("--set-clock"));
        // The file's own bytes, as sha256sum prints them, whether it is a data file or JSON.
        const QString checksum =
            QString::fromLatin1(QCryptographicHash::hash(loaded.Bytes, QCryptographicHash::Sha256).toHex());
        const QString logName = a.Values.value(QStringLiteral("--log"));
        QFile log(logName);
        if (!logName.isEmpty()) {
            if (IsStandardStream(logName) ||
                !log.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
                throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2")
                                                 .arg(logName, IsStandardStream(logName) ? QStringLiteral("not a file")
                                                                                         : log.errorString()));
            }
            // A header for a new log; a row an earlier run left cut short is ended, so that this
            // run's rows start on a line of their own.
            const QByteArray start = log.size() == 0 ? QByteArray("time,serial,version,sha256,result\n")
                                     : EndsLine(log)  ? QByteArray()
                                                      : QByteArray("\n");
            if (const std::optional<QString> problem = AppendWhole(log, start)) {
                throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2").arg(logName, *problem));
            }
        }
        std::map<std::string, std::string> seen; // attached at the last look: path and instance
        int stopSignal = 0;
        bool inHand = false;
        HandOn handOn;
        QEventLoop wait;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setInterval(std::max(1, options_.WatchIntervalMs));
        QObject::connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
        if (options_.Interrupts != nullptr) {
            options_.Interrupts->Watch([&](int signal) {
                if (!inHand) {
                    stopSignal = signal;
                    wait.quit();
                } else if (stopSignal == 0) {
                    stopSignal = signal;
                    options_.Interrupts->Handled();
                    if (!quiet_) {
                        err_ << Tool << ": ending after this KORVELT (Ctrl+C again stops it at once)\n" << Qt::flush;
                    }
                } else if (handOn.Stop) {
                    handOn.Stop(signal);
                }
            });
        }
        if (!quiet_) {
            err_ << Tool << ": waiting for KORVELTs to write " << Shown(name) << " to (Ctrl+C ends)\n" << Qt::flush;
        }
        int exit = ExitOk;
        int programmed = 0;
        int failed = 0;
        bool logFailed = false;
        for (int poll = 0; stopSignal == 0 && !logFailed; ++poll) {
            if (options_.WatchPolled) {
                options_.WatchPolled(poll);
            }
            const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
            // A path that holds another attachment than at the last look (Linux gives a new
            // device the /dev/hidrawN of one just unplugged) holds a new unit.
            std::erase_if(seen, [&devices](const auto &entry) {
                return std::ranges::none_of(devices, [&entry](const HidInterfaceInfo &d) {
                    return d.Path == entry.first && d.Instance == entry.second;
                });
            });
            for (const HidInterfaceInfo &listed : devices) {
                if (stopSignal != 0 || logFailed) {
                    break;
                }
                if (seen.contains(listed.Path)) {
                    continue;
                }
                // As it is now: a unit at this path may have been swapped while another was written.
                const std::optional<HidInterfaceInfo> now = Attached(listed.Path);
                if (!now) {
                    continue; // gone: the next look sees what took its place
                }
                const HidInterfaceInfo &device = *now;
                inHand = true;
                const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs);
                // A unit with the serial number of another is another unit all the same: written.
                seen.insert({device.Path, device.Instance});
                DeviceOutcome o = WatchedWrite(device.Path, probed, model, verify, setClock, handOn);
                inHand = false;
                const QString deviceName = DeviceName(o.Path, o.Identity);
                if (o.Exit == ExitOk) {
                    ++programmed;
                    Say(deviceName + QStringLiteral(": ") + o.Message + QLatin1Char('\n'));
                } else {
                    ++failed;
                    err_ << Tool << ": " << deviceName << ": " << o.Message << '\n' << Qt::flush;
                }
                exit = std::max(exit, o.Exit);
                if (log.isOpen()) {
                    const QDateTime time = options_.Now();
                    const QStringList fields{time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate),
                                             o.Identity ? SerialText(o.Identity->SerialNumber) : QString(),
                                             o.Identity ? CsvField(QString::fromLatin1(o.Identity->Version.c_str()))
                                                        : QString(),
                                             checksum, o.Result};
                    const QByteArray line = (fields.join(QLatin1Char(',')) + QLatin1Char('\n')).toUtf8();
                    // No unit is programmed without its row: a log that cannot take one ends the line.
                    if (const std::optional<QString> problem = AppendWhole(log, line)) {
                        err_ << Tool << ": " << logName << ": cannot be written: " << *problem
                             << "; no more KORVELTs are taken\n"
                             << Qt::flush;
                        exit = std::max<int>(exit, ExitFileError);
                        logFailed = true;
                    }
                }
            }
            if (stopSignal == 0 && !logFailed) {
                timer.start();
                wait.exec();
            }
        }
        if (options_.Interrupts != nullptr) {
            options_.Interrupts->Unwatch();
        }
        Say(QStringLiteral("%1 programmed; %2 failed\n").arg(programmed).arg(failed));
        return exit;
    }

    // One KORVELT of the watch written, verified and its clock set as asked.
    DeviceOutcome WatchedWrite(const std::string &path, const ProbedDevice &probed, const ScheduleModel &model,
                               bool verify, bool setClock, HandOn &handOn)
    {
        DeviceOutcome o;
        o.Path = path;
        o.Identity = probed.Identity;
        if (ProbeFailure(probed, o)) {
            return o;
        }
        FleetOptions fleet;
        fleet.ReplyTimeoutMs = options_.ReplyTimeoutMs;
        fleet.Interrupts = &handOn;
        o = RunOnDevices(
                backend_, {path}, [&](DeviceSession &s) { return s.StartDownload(model, verify); }, fleet)
                .front();
        if (!o.Identity) {
            o.Identity = probed.Identity;
        }
        if (o.Exit != ExitOk || !setClock) {
            return o;
        }
        const QDateTime now = options_.Now();
        const TDateTime value = FromQDate(now.date()) + FromQTime(now.time());
        const DeviceOutcome clock =
            RunOnDevices(
                backend_, {path}, [value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); },
                fleet)
                .front();
        if (clock.Exit != ExitOk) {
            o.Exit = clock.Exit;
            o.Result = clock.Result;
            o.Message += QStringLiteral("; the clock was not set: ") + clock.Message;
            return o;
        }
        o.Result += QStringLiteral("-clock-set");
        o.Message += QStringLiteral("; clock set to ") + now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return o;
    }

    // Each device read and compared with FILE as a download would pack it: a device that
    // holds FILE is one line, one that differs a line and one indented line per difference,
    // as the window's Compare words them (the file stands where the window's schedule does).
    int Verify(const Arguments &a)
    {
        const QString name = OneWord(a, "FILE");
        const ScheduleModel model = LoadSchedule(name, options_.Input).Model;
        std::vector<DeviceOutcome> outcomes = RunOn(Targets(a), [](DeviceSession &s) { return s.StartRead(); });
        for (DeviceOutcome &o : outcomes) {
            if (o.Exit != ExitOk) {
                continue;
            }
            const std::vector<ScheduleDifference> differences = CompareSchedules(model, o.Read);
            if (differences.empty()) {
                o.Message = QStringLiteral("holds %1").arg(Shown(name));
                o.Result = QStringLiteral("holds");
                continue;
            }
            o.Exit = ExitDifference;
            o.Result = QStringLiteral("differs");
            o.Differences = DifferenceLines(model, o.Read, differences);
            o.Message = QStringLiteral("differs from %1 in %2 %3")
                            .arg(Shown(name))
                            .arg(differences.size())
                            .arg(differences.size() == 1 ? QStringLiteral("place") : QStringLiteral("places"));
        }
        return Report(outcomes, QStringLiteral("hold %1").arg(Shown(name)));
    }

    int Read(const Arguments &a)
    {
        const QString format = a.Values.value(QStringLiteral("--format"));
        if (!format.isEmpty() && format != QLatin1String("json") && format != QLatin1String("dat")) {
            throw UsageError(QStringLiteral("--format is dat or json"));
        }
        if (a.Flags.contains(QLatin1String("--all")) || a.Lists.value(QStringLiteral("--device")).size() > 1) {
            return ReadIntoFolder(a, format == QLatin1String("json"));
        }
        const QString name = OneWord(a, "OUT");
        if (json_ && IsStandardStream(name)) {
            throw UsageError(QStringLiteral("--json prints to standard output: read into a file"));
        }
        const bool json = format.isEmpty() ? name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                                           : format == QLatin1String("json");
        // A place that cannot take the file fails before the device is read, not after.
        if (!IsStandardStream(name)) {
            if (const std::optional<QString> problem = PlaceProblem(name)) {
                throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2").arg(name, *problem));
            }
        }
        std::vector<DeviceOutcome> outcomes = RunOn(Targets(a), [](DeviceSession &s) { return s.StartRead(); });
        DeviceOutcome &read = outcomes.front();
        if (read.Exit == ExitOk) {
            const QByteArray bytes = json ? ScheduleToJson(read.Read) : Bytes(EncodeDataFile(read.Read));
            if (IsStandardStream(name)) {
                Print(bytes);
                read.Message.clear(); // standard output holds the schedule alone
            } else {
                // A save that fails is this device's failure: --json names the device read.
                try {
                    SaveBytes(name, bytes);
                    read.Message = QStringLiteral("read into %1").arg(name);
                    read.File = name;
                } catch (const Failure &failure) {
                    read.Exit = failure.Exit;
                    read.Result = QStringLiteral("file-error");
                    read.Message = failure.Text;
                }
            }
        }
        return Report(outcomes, QStringLiteral("read"));
    }

    // Several KORVELTs read into the folder DIR, each into a file named by its serial number
    // (1042.dat, or 1042.json), written whole or not at all. Two KORVELTs with one serial
    // number would overwrite each other's file: neither is saved.
    int ReadIntoFolder(const Arguments &a, bool json)
    {
        const QString folder = OneWord(a, "DIR");
        if (IsStandardStream(folder)) {
            throw UsageError(QStringLiteral("several KORVELTs are read into a folder, not into -"));
        }
        const QString probe = QDir(folder).filePath(QStringLiteral("0.dat"));
        if (const std::optional<QString> problem = PlaceProblem(probe)) {
            const QFileInfo info(folder);
            const QString cause = info.exists() && !info.isDir() ? ErrorText(std::errc::not_a_directory) : *problem;
            throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2").arg(folder, cause));
        }
        std::vector<DeviceOutcome> outcomes = RunOn(Targets(a), [](DeviceSession &s) { return s.StartRead(); });
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
                o.Result = QStringLiteral("duplicate-serial");
                o.Message = o.Identity
                                ? QStringLiteral("not saved: another KORVELT read has serial number %1 too; read "
                                                 "each by its path")
                                      .arg(SerialText(o.Identity->SerialNumber))
                                : QStringLiteral("not saved: the KORVELT did not say its serial number");
                continue;
            }
            const QString name = QDir(folder).filePath(SerialText(o.Identity->SerialNumber) +
                                                       (json ? QStringLiteral(".json") : QStringLiteral(".dat")));
            try {
                if (const std::optional<QString> problem = LinkProblem(name)) {
                    throw Failure(ExitFileError, *problem);
                }
                SaveBytes(name, json ? ScheduleToJson(o.Read) : Bytes(EncodeDataFile(o.Read)));
                o.Message = QStringLiteral("read into %1").arg(name);
                o.File = name;
            } catch (const Failure &failure) {
                o.Exit = failure.Exit;
                o.Result = QStringLiteral("file-error");
                o.Message = failure.Text;
            }
        }
        return Report(outcomes, QStringLiteral("read"));
    }

    int Clock(const Arguments &a)
    {
        const QString action = a.Words.value(0);
        if (a.Words.size() != 1 || (action != QLatin1String("read") && action != QLatin1String("set"))) {
            throw UsageError(QStringLiteral("clock read or clock set"));
        }
        if (action == QLatin1String("read")) {
            if (a.Flags.contains(QLatin1String("--pc")) || a.Values.contains(QStringLiteral("--at")) ||
                a.Flags.contains(QLatin1String("--dry-run"))) {
                throw UsageError(QStringLiteral("--pc, --at and --dry-run are for clock set"));
            }
            // Reading the clock does not ask the KORVELT who it is: the line names it all the same.
            const std::vector<std::string> paths = Targets(a);
            for (const HidInterfaceInfo &device : KorveltInterfaces(backend_)) {
                if (std::ranges::find(paths, device.Path) != paths.end() && !known_.contains(device.Path)) {
                    if (const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs);
                        probed.Identity) {
                        known_.insert({device.Path, *probed.Identity});
                    }
                }
            }
            return Report(RunOn(paths, [](DeviceSession &s) { return s.StartReadClock(); }),
                          QStringLiteral("clocks read"));
        }
        clockResult_ = QStringLiteral("clock-set");
        TDateTime value = 0;
        if (a.Values.contains(QStringLiteral("--at"))) {
            if (a.Flags.contains(QLatin1String("--pc"))) {
                throw UsageError(QStringLiteral("--pc or --at, not both"));
            }
            static const QRegularExpression pattern(
                QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d)[ T](\\d\\d):(\\d\\d):(\\d\\d)$"));
            const QRegularExpressionMatch m = pattern.match(a.Values.value(QStringLiteral("--at")));
            TDateTime date = 0;
            TDateTime time = 0;
            if (!m.hasMatch() ||
                !TryEncodeDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), date) ||
                !TryEncodeTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), 0, time) ||
                m.captured(1).toInt() < FirstDeviceYear || m.captured(1).toInt() > LastDeviceYear) {
                throw UsageError(QStringLiteral("--at \"YYYY-MM-DD HH:MM:SS\", in the years %1 to %2")
                                     .arg(FirstDeviceYear)
                                     .arg(LastDeviceYear));
            }
            value = date + time;
        } else {
            const QDateTime now = options_.Now();
            value = FromQDate(now.date()) + FromQTime(now.time());
        }
        if (a.Flags.contains(QLatin1String("--dry-run"))) {
            const DateParts d = DecodeDate(value);
            const TimeParts t = DecodeTime(value);
            return Report(DryRun(Targets(a), QStringLiteral("would set the clock to ") +
                                                 QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.Year, d.Month,
                                                                   d.Day, t.Hour, t.Minute, t.Second)),
                          QStringLiteral("clocks would be set"));
        }
        return Report(
            RunOn(Targets(a), [value](DeviceSession &s) { return s.StartSetClock([value] { return value; }); }),
            QStringLiteral("clocks set"));
    }

    int Check(const Arguments &a)
    {
        const ScheduleModel model = LoadSchedule(OneWord(a, "FILE"), options_.Input).Model;
        int mistakes = 0;
        for (const QString &line : CheckLines(model, FromQDate(options_.Now().date()), mistakes)) {
            Print(line + QLatin1Char('\n'));
        }
        return mistakes > 0 ? ExitDifference : ExitOk;
    }

    int Holidays(const Arguments &a)
    {
        if (!a.Words.isEmpty()) {
            throw UsageError(QStringLiteral("unexpected argument %1").arg(a.Words.front()));
        }
        const bool hasPreset = a.Values.contains(QStringLiteral("--preset"));
        const bool hasRules = a.Values.contains(QStringLiteral("--rules"));
        if (!hasPreset && !hasRules) {
            throw UsageError(QStringLiteral("--preset CODE or --rules FILE is needed"));
        }
        const HolidayPreset *preset = FindHolidayPreset(a.Values.value(QStringLiteral("--preset")).toStdString());
        if (hasPreset && preset == nullptr) {
            throw UsageError(QStringLiteral("--preset is ") + PresetCodes(false));
        }
        QString format = a.Values.value(QStringLiteral("--format"), QStringLiteral("text"));
        if (a.Flags.contains(QLatin1String("--json"))) {
            if (a.Values.contains(QStringLiteral("--format")) && format != QLatin1String("json")) {
                throw UsageError(QStringLiteral("--json or --format %1, not both").arg(format));
            }
            format = QStringLiteral("json");
        }
        if (format != QLatin1String("text") && format != QLatin1String("csv") && format != QLatin1String("json")) {
            throw UsageError(QStringLiteral("--format is text, csv or json"));
        }
        if (format != QLatin1String("text") && a.Values.contains(QStringLiteral("-o"))) {
            throw UsageError(QStringLiteral("--format and --json are for the list of holidays, not for -o"));
        }
        // The user's own rules (the file the Holidays dialog saves) after the preset's: a
        // day both give is one holiday.
        std::vector<HolidayRule> rules = hasPreset ? preset->Rules : std::vector<HolidayRule>{};
        QStringList sources;
        if (hasPreset) {
            sources << QString::fromUtf8(preset->Name.data(), static_cast<qsizetype>(preset->Name.size()));
        }
        if (hasRules) {
            const QString ruleFile = a.Values.value(QStringLiteral("--rules"));
            if (!QFileInfo(ruleFile).isFile()) {
                throw Failure(ExitFileError,
                              QStringLiteral("%1: cannot be read: %2").arg(ruleFile, ReadCause(ruleFile)));
            }
            const HolidayRuleFileResult loaded = LoadHolidayRuleFile(FilePath(ruleFile));
            if (!loaded.Loaded) {
                throw Failure(ExitFileError, QStringLiteral("%1: %2").arg(ruleFile, loaded.Message));
            }
            rules.insert(rules.end(), loaded.Rules.begin(), loaded.Rules.end());
            sources << ruleFile;
        }
        bool number = true;
        const int year = a.Values.contains(QStringLiteral("--year"))
                             ? a.Values.value(QStringLiteral("--year")).toInt(&number)
                             : options_.Now().date().year();
        TDateTime first = 0;
        TDateTime last = 0;
        if (!number || year < FirstDeviceYear || year > LastDeviceYear || !TryEncodeDate(year, 1, 1, first) ||
            !TryEncodeDate(year, 12, 31, last)) {
            throw UsageError(
                QStringLiteral("--year is a year from %1 to %2").arg(FirstDeviceYear).arg(LastDeviceYear));
        }
        std::vector<Holiday> holidays = GenerateHolidays(rules, first, last);
        if (!a.Values.contains(QStringLiteral("-o"))) {
            if (a.Values.contains(QStringLiteral("--from")) || a.Flags.contains(QLatin1String("--repeat-last")) ||
                a.Flags.contains(QLatin1String("--dry-run"))) {
                throw UsageError(QStringLiteral("--from, --repeat-last and --dry-run go with -o"));
            }
            if (format == QLatin1String("json")) {
                Print(HolidaysJson(holidays, year));
            } else if (format == QLatin1String("csv")) {
                Print(HolidaysCsv(holidays));
            } else {
                for (const Holiday &holiday : holidays) {
                    Print(QString::fromStdString(HolidayText(holiday)) + QLatin1Char('\n'));
                }
            }
            return ExitOk;
        }
        const QString name = a.Values.value(QStringLiteral("-o"));
        // --from X -o X fills the special dates of X itself; a rule file is not a schedule.
        if (hasRules) {
            RefuseOverInput(a.Values.value(QStringLiteral("--rules")), name);
        }
        ScheduleModel model;
        if (a.Values.contains(QStringLiteral("--from"))) {
            model = LoadSchedule(a.Values.value(QStringLiteral("--from")), options_.Input).Model;
        }
        const FewerHolidays fewer =
            a.Flags.contains(QLatin1String("--repeat-last")) ? FewerHolidays::RepeatLast : FewerHolidays::KeepOthers;
        const std::vector<Holiday> leftOut = ApplyHolidays(model, holidays, fewer);
        const bool dryRun = a.Flags.contains(QLatin1String("--dry-run"));
        if (!dryRun) {
            Deliver(name, ScheduleBytes(name, model));
        } else if (const std::optional<QString> problem = IsStandardStream(name) ? std::nullopt : PlaceProblem(name)) {
            throw Failure(ExitFileError, QStringLiteral("%1: cannot be written: %2").arg(name, *problem));
        }
        const auto filled = static_cast<int>(std::min<std::size_t>(holidays.size() - leftOut.size(), SpecialDateCount));
        // With the schedule on standard output, what is said of it goes to standard error.
        const bool toOutput = IsStandardStream(name) && !dryRun;
        const auto say = [this, toOutput](const QString &text) {
            if (toOutput) {
                err_ << Tool << ": " << text << Qt::flush;
            } else {
                Print(text);
            }
        };
        const QString filledText = (dryRun ? QStringLiteral("%1: special dates 1 to %2 would hold the holidays of %3 %4 (nothing written)\n")
                    : QStringLiteral("%1: special dates 1 to %2 hold the holidays of %3 %4\n"))
                .arg(IsStandardStream(name) ? QStringLiteral("standard output") : name)
                .arg(filled)
                .arg(sources.join(QStringLiteral(" and ")))
                .arg(year);
        if (!quiet_) {
            say(filledText);
        }
        for (const Holiday &holiday : leftOut) {
            say(QStringLiteral("left out: ") + QString::fromStdString(HolidayText(holiday)) + QLatin1Char('\n'));
        }
        return ExitOk;
    }

    int MakeReport(const Arguments &a)
    {
        const QString name = OneWord(a, "FILE");
        QString pdf = a.Values.value(QStringLiteral("-o"));
        if (pdf.isEmpty()) {
            if (IsStandardStream(name)) {
                throw UsageError(QStringLiteral("-o OUT.pdf is needed when FILE is -"));
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
        source.Model = LoadSchedule(name, options_.Input).Model;
        source.FileName = IsStandardStream(name) ? QString() : QFileInfo(name).fileName();
        source.Printed = options_.Now();
        const QByteArray bytes = ScheduleReportPdf(source);
        if (bytes.isEmpty()) {
            throw Failure(ExitFileError, QStringLiteral("%1: the report could not be made").arg(pdf));
        }
        Deliver(pdf, bytes);
        if (!IsStandardStream(pdf)) {
            Say(pdf + QLatin1Char('\n'));
        }
        return ExitOk;
    }

    // The paths of the devices a command is for: --all, --device SERIAL or PATH, or the one
    // the window would take.
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
        for (const QString &wanted : a.Lists.value(QStringLiteral("--device"))) {
            for (const std::string &path : Wanted(devices, wanted)) {
                if (std::ranges::find(paths, path) == paths.end()) {
                    paths.push_back(path);
                }
            }
        }
        if (!paths.empty()) {
            return paths;
        }
        // Taking the first of several would write (or read) a KORVELT the script did not choose.
        if (!all && devices.size() > 1) {
            QStringList names;
            for (const HidInterfaceInfo &device : devices) {
                names.append(QString::fromStdString(device.Path));
            }
            throw UsageError(QStringLiteral("%1 KORVELTs are attached (%2): name one with --device, or --all")
                                 .arg(devices.size())
                                 .arg(names.join(QStringLiteral(", "))));
        }
        for (const HidInterfaceInfo &device : devices) {
            paths.push_back(device.Path);
            if (!all) {
                break;
            }
        }
        return paths;
    }

    // What a --dry-run says of each device: `what` for one that would take the command, else
    // why it would fail, as far as asking the KORVELT who it is tells. Nothing else is sent.
    std::vector<DeviceOutcome> DryRun(const std::vector<std::string> &paths, const QString &what)
    {
        std::vector<DeviceOutcome> outcomes;
        const std::vector<HidInterfaceInfo> devices = KorveltInterfaces(backend_);
        for (const std::string &path : paths) { // in the order --device gave them
            const auto found = std::ranges::find(devices, path, &HidInterfaceInfo::Path);
            if (found == devices.end()) {
                continue;
            }
            const HidInterfaceInfo &device = *found;
            const ProbedDevice probed = ProbeDevice(backend_, device, options_.ReplyTimeoutMs);
            DeviceOutcome o;
            o.Path = device.Path;
            o.Identity = probed.Identity;
            o.Message = what;
            o.Result = what.startsWith(QLatin1String("would write")) ? QStringLiteral("would-write")
                                                                     : QStringLiteral("would-set-clock");
            ProbeFailure(probed, o);
            outcomes.push_back(std::move(o));
        }
        return outcomes;
    }

    // A device that did not say who it is, as its outcome says it: false when it did.
    static bool ProbeFailure(const ProbedDevice &probed, DeviceOutcome &o)
    {
        if (probed.Busy) {
            o.Result = QStringLiteral("busy");
            o.Exit = ExitBusy;
            o.Message = probed.Problem;
        } else if (probed.ProgramMode) {
            o.Result = QStringLiteral("program-mode");
            o.Exit = ExitNoDevice;
            o.Message = QStringLiteral("the KORVELT is in program mode");
        } else if (probed.Problem == QLatin1String("not a KORVELT")) {
            o.Result = QStringLiteral("not-a-korvelt");
            o.Exit = ExitNoDevice;
            o.Message = QStringLiteral("not a KORVELT time controller");
        } else if (probed.Problem == QLatin1String("no answer")) {
            o.Result = QStringLiteral("timed-out");
            o.Exit = ExitDeviceLost;
            o.Message = QStringLiteral("the KORVELT stopped answering");
        } else if (!probed.Identity) {
            o.Result = QStringLiteral("cannot-open");
            o.Exit = ExitNoDevice;
            o.Message = probed.Problem;
        } else {
            return false;
        }
        return true;
    }

    // The KORVELT that --device names: the one at that path, or the one with that serial number.
    std::vector<std::string> Wanted(const std::vector<HidInterfaceInfo> &devices, const QString &wanted)
    {
        for (const HidInterfaceInfo &device : devices) {
            if (device.Path == wanted.toStdString()) {
                return {device.Path};
            }
        }
        bool number = false;
        const std::uint32_t serial = wanted.toUInt(&number, 10);
        if (!number) {
            // A path, as a script names a device it saw attached: gone is no usage error.
            throw Failure(ExitNoDevice, QStringLiteral("no KORVELT is attached at %1").arg(wanted));
        }
        std::vector<std::string> paths;
        QStringList matching;
        for (const HidInterfaceInfo &device : devices) {
            if (!probed_.contains(device.Path)) {
                probed_.insert({device.Path, ProbeDevice(backend_, device, options_.ReplyTimeoutMs)});
            }
            const ProbedDevice &probed = probed_.at(device.Path);
            if (probed.Identity && static_cast<std::uint32_t>(probed.Identity->SerialNumber) == serial) {
                paths.push_back(device.Path);
                matching.append(QString::fromStdString(device.Path));
                known_.insert({device.Path, *probed.Identity});
            }
        }
        if (paths.empty()) {
            throw Failure(ExitNoDevice, QStringLiteral("no KORVELT with serial number %1 is attached").arg(serial));
        }
        // Two KORVELTs with one serial number: taking either would be a guess.
        if (paths.size() > 1) {
            throw Failure(ExitNoDevice, QStringLiteral("%1 KORVELTs have serial number %2: %3; name one by its path")
                                            .arg(paths.size())
                                            .arg(serial)
                                            .arg(matching.join(QStringLiteral(", "))));
        }
        return paths;
    }

    std::vector<DeviceOutcome> RunOn(const std::vector<std::string> &paths, const SessionStart &start)
    {
        FleetOptions fleet;
        fleet.ReplyTimeoutMs = options_.ReplyTimeoutMs;
        fleet.Progress = options_.ProgressBar ? &err_ : nullptr;
        fleet.Width = options_.TerminalWidth;
        fleet.Interrupts = options_.Interrupts;
        return RunOnDevices(backend_, paths, start, fleet);
    }

    // One line per device, on standard output when it went through, else on standard error,
    // and with several devices a summary, "5 of 8 written and verified; 3 failed" (`done` says
    // what went through); the exit status is the gravest of them, and a signal's above all.
    int Report(const std::vector<DeviceOutcome> &outcomes, const QString &done)
    {
        int exit = ExitOk;
        int succeeded = 0;
        int differing = 0;
        QJsonArray devices;
        for (const DeviceOutcome &o : outcomes) {
            std::optional<DeviceIdentity> identity = o.Identity;
            if (const auto known = known_.find(o.Path); !identity && known != known_.end()) {
                identity = known->second;
            }
            const QString name = DeviceName(o.Path, identity);
            int deviceExit = o.Exit;
            QString result = o.Result;
            QString message = o.Message;
            QString clock;
            if (o.Exit == ExitOk && o.Result == QLatin1String("clock")) {
                if (const auto unreadable = UnreadableClockBytes(o.ClockDate, o.ClockTime)) {
                    deviceExit = ExitDifference;
                    result = QStringLiteral("invalid-clock");
                    message = UnreadableClockText(*unreadable);
                } else {
                    const DateParts d = DecodeDate(o.ClockDate);
                    const TimeParts t = DecodeTime(o.ClockTime);
                    clock = QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.Year, d.Month, d.Day, t.Hour, t.Minute,
                                              t.Second);
                    result = clockResult_;
                    message = QStringLiteral("clock ") + clock;
                }
            }
            if (!o.Differences.isEmpty()) {
                // What a verify found is its result, on standard output with the lines it found.
                ++differing;
                if (!json_) {
                    Print(name + QStringLiteral(": ") + message + QLatin1Char('\n'));
                    for (const QString &line : o.Differences) {
                        Print(QStringLiteral("  ") + line + QLatin1Char('\n'));
                    }
                }
            } else if (deviceExit != ExitOk) {
                // Before the summary on standard output, where both go to one terminal.
                err_ << Tool << ": " << name << ": " << message << '\n' << Qt::flush;
            } else if (!message.isEmpty() && !json_) {
                Say(name + QStringLiteral(": ") + message + QLatin1Char('\n'));
            }
            QJsonObject device = DeviceJson(o.Path, identity, result, deviceExit, message);
            device.insert(QStringLiteral("differences"), QJsonArray::fromStringList(o.Differences));
            if (!clock.isEmpty()) {
                device.insert(QStringLiteral("clock"), clock);
            }
            if (!o.File.isEmpty()) {
                device.insert(QStringLiteral("file"), o.File);
            }
            devices.append(device);
            succeeded += deviceExit == ExitOk ? 1 : 0;
            exit = std::max(exit, deviceExit); // a signal's 130 or 143 above all
        }
        if (json_) {
            Print(ResultDocument(devices, exit));
        } else if (outcomes.size() > 1) {
            const int failed = static_cast<int>(outcomes.size()) - succeeded - differing;
            QString summary = QStringLiteral("%1 of %2 %3").arg(succeeded).arg(outcomes.size()).arg(done);
            if (differing > 0) {
                summary += QStringLiteral("; %1 %2").arg(differing).arg(differing == 1 ? QStringLiteral("differs")
                                                                                       : QStringLiteral("differ"));
            }
            if (failed > 0) {
                summary += QStringLiteral("; %1 failed").arg(failed);
            }
            Say(summary + QLatin1Char('\n'));
        }
        return exit;
    }

    HidBackend &backend_;
    QIODevice &out_;
    QTextStream &err_;
    const CtlOptions &options_;
    std::map<std::string, DeviceIdentity> known_; // identities asked before a command that does not ask
    std::map<std::string, ProbedDevice> probed_;  // asked once for every --device
    std::optional<QString> outputFailure_;
    bool quiet_ = false; // --quiet: errors only
    bool json_ = false;  // --json: one document on standard output
    QString clockResult_ = QStringLiteral("clock-read");
};

// The options each command takes: flags, then options with a value.
const QMap<QString, std::pair<QStringList, QStringList>> &CommandOptions()
{
    static const QStringList device{QStringLiteral("--device")};
    static const QString quiet = QStringLiteral("--quiet");
    static const QString dryRun = QStringLiteral("--dry-run");
    static const QString json = QStringLiteral("--json");
    static const QMap<QString, std::pair<QStringList, QStringList>> options{
        {QStringLiteral("list"), {{QStringLiteral("--json")}, {}}},
        {QStringLiteral("write"),
         {{QStringLiteral("--no-verify"), QStringLiteral("--force"), QStringLiteral("--all"), quiet, dryRun, json,
           QStringLiteral("--watch"), QStringLiteral("--set-clock")},
          {QStringLiteral("--device"), QStringLiteral("--log")}}},
        {QStringLiteral("verify"), {{QStringLiteral("--all"), quiet, json}, device}},
        {QStringLiteral("read"),
         {{QStringLiteral("--all"), quiet, json}, {QStringLiteral("--device"), QStringLiteral("--format")}}},
        {QStringLiteral("clock"),
         {{QStringLiteral("--all"), QStringLiteral("--pc"), quiet, dryRun, json},
          {QStringLiteral("--device"), QStringLiteral("--at")}}},
        {QStringLiteral("export"), {{}, {QStringLiteral("--format"), QStringLiteral("-o")}}},
        {QStringLiteral("import"), {{}, {QStringLiteral("-o")}}},
        {QStringLiteral("check"), {{}, {}}},
        {QStringLiteral("holidays"),
         {{QStringLiteral("--repeat-last"), quiet, dryRun, json},
          {QStringLiteral("--preset"), QStringLiteral("--rules"), QStringLiteral("--year"), QStringLiteral("--from"),
           QStringLiteral("-o"), QStringLiteral("--format")}}},
        {QStringLiteral("report"), {{quiet}, {QStringLiteral("-o")}}},
    };
    return options;
}

// The words before "--", where --help, -h and --version count.
QStringList OptionWords(const QStringList &words)
{
    const qsizetype end = words.indexOf(QStringLiteral("--"));
    return end < 0 ? words : words.mid(0, end);
}

} // namespace

int DemoCount(const QStringList &arguments)
{
    QStringList words = arguments;
    return TakeDemo(words);
}

QString CtlCommand(const QStringList &arguments)
{
    QStringList words = arguments;
    (void)TakeDemo(words);
    return words.value(0);
}

int RunKorveltctl(const QStringList &arguments, HidBackend &backend, QIODevice &out, QTextStream &err,
                  const CtlOptions &options)
{
    QStringList rest = arguments;
    const int demo = TakeDemo(rest);
    QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    const QStringList options0 = OptionWords(rest);
    const auto isHelp = [](const QString &word) {
        return word == QLatin1String("--help") || word == QLatin1String("-h");
    };
    bool help = std::ranges::any_of(options0, isHelp) || isHelp(command);
    const bool version = options0.contains(QLatin1String("--version")) || command == QLatin1String("--version");
    // "help COMMAND" is "COMMAND --help"; "help" alone the tool's usage.
    const bool helpCommand = command == QLatin1String("help") && !version;
    if (helpCommand) {
        command = rest.value(0);
        help = true;
    }
    if (isHelp(command) || command == QLatin1String("--version")) {
        command.clear();
    }
    int exit = ExitOk;
    QByteArray printed;
    std::optional<QString> outputFailure;
    try {
        if (demo < 0) {
            throw UsageError(QStringLiteral("--demo N is a number of KORVELTs from 1 to %1").arg(MostDemoDevices));
        }
        if (helpCommand && rest.size() > 1) {
            throw UsageError(QStringLiteral("help takes one command"));
        }
        if (version) {
            printed = QStringLiteral("%1 %2\n").arg(Tool, QStringLiteral(KORVELT_VERSION)).toUtf8();
        } else if (help && command.isEmpty()) {
            printed = ToolUsage().toUtf8();
        } else if (!command.isEmpty() && !CommandOptions().contains(command)) {
            // An unknown command is a mistake also where help is asked for.
            throw UsageError(QStringLiteral("unknown command %1").arg(command));
        } else if (help) {
            printed =
                (QStringLiteral("Usage: korveltctl ") + CommandUsage().value(command) + QLatin1Char('\n')).toUtf8();
        } else if (command.isEmpty()) {
            throw UsageError(QStringLiteral("a command is missing"));
        } else {
            const auto &[flags, valued] = CommandOptions().value(command);
            Ctl ctl(backend, out, err, options);
            try {
                exit = ctl.Run(command, ParseArguments(rest, flags, valued));
            } catch (...) {
                outputFailure = ctl.OutputFailure();
                throw;
            }
            outputFailure = ctl.OutputFailure();
        }
    } catch (const UsageError &usage) {
        err << Tool << ": "
            << (command.isEmpty() || !CommandOptions().contains(command) ? QString() : command + QStringLiteral(": "))
            << usage.Text << " (see korveltctl --help)\n";
        exit = ExitUsage;
    } catch (const Failure &failure) {
        err << Tool << ": " << failure.Text << '\n';
        exit = failure.Exit;
        // A script that asked for the document gets one, also when the command failed as a whole.
        if (CommandOptions().value(command).first.contains(QLatin1String("--json")) &&
            OptionWords(rest).contains(QLatin1String("--json"))) {
            printed = ResultDocument({}, exit, failure.Text);
        }
    }
    if (!printed.isEmpty() && out.write(printed) != printed.size()) {
        outputFailure = out.errorString();
    }
    // What a script reads must have arrived whole: a full disk or a closed pipe is a failure.
    if (!outputFailure) {
        if (auto *file = qobject_cast<QFileDevice *>(&out); file != nullptr && !file->flush()) {
            outputFailure = file->errorString();
        }
    }
    if (outputFailure) {
        err << Tool << ": standard output: " << *outputFailure << '\n';
        exit = exit >= ExitInterrupted ? exit : std::max<int>(exit, ExitFileError);
    }
    err.flush();
    return exit;
}

} // namespace korvelt
