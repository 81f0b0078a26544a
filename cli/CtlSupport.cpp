#include "cli/CtlSupport.h"

#include "platform/AtomicFile.h"
#include "text/CheckText.h"
#include "text/DataFile.h"
#include "text/ScheduleJson.h"
#include "core/ScheduleCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace korvelt {

namespace {

constexpr std::size_t LargestScheduleFile = std::size_t{16} << 20U;

// Windows opens the devices NUL, CON, PRN, AUX, COM1 to COM9 and LPT1 to LPT9 under these names
// in every folder and with any extension, where a file of that name cannot exist.
bool IsWindowsDevice(const QString &name)
{
#ifdef _WIN32
    static const QRegularExpression device(QStringLiteral("^(nul|con|prn|aux|com[1-9]|lpt[1-9])(\\.[^.]*)?[ .]*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(QFileInfo(name).fileName()).hasMatch();
#else
    (void)name;
    return false;
#endif
}

} // namespace

Arguments ParseArguments(const QStringList &arguments, const std::vector<CtlOption> &options)
{
    Arguments parsed;
    for (const CtlOption &option : options) {
        parsed.Declared.append(option.Name);
    }
    bool optionsEnd = false; // "--" seen
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString word = arguments.at(i);
        if (!optionsEnd && word == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        if (!optionsEnd && word == QLatin1String("--demo")) {
            continue;
        }
        if (optionsEnd || !word.startsWith(QLatin1Char('-')) || word == QLatin1String("-")) {
            parsed.Words.append(word);
            continue;
        }
        std::optional<QString> value;
        if (const qsizetype equals = word.indexOf(QLatin1Char('=')); equals > 0) {
            value = word.mid(equals + 1);
            word.truncate(equals);
        }
        const auto option = std::ranges::find_if(options, [&word](const CtlOption &o) { return o.Name == word; });
        if (option == options.end()) {
            throw UsageError(CtlText::tr("unknown option %1").arg(word));
        }
        if (option->Value.isEmpty() && value) {
            throw UsageError(CtlText::tr("unknown option %1").arg(word));
        }
        if (option->Value.isEmpty()) {
            if (parsed.Flags.contains(word)) {
                throw UsageError(CtlText::tr("%1 is given more than once").arg(word));
            }
            parsed.Flags.append(word);
        } else {
            if (!value) {
                if (++i == arguments.size()) {
                    throw UsageError(CtlText::tr("%1 needs a value").arg(word));
                }
                value = arguments.at(i);
            }
            // An empty name or format is a script's variable left unset, not a choice.
            if (value->isEmpty()) {
                throw UsageError(CtlText::tr("%1 needs a value").arg(word));
            }
            // The last of two would win in silence, and a script's mistake would pass.
            if (parsed.Values.contains(word) && !option->Repeatable) {
                throw UsageError(CtlText::tr("%1 is given more than once").arg(word));
            }
            if (!parsed.Values.contains(word)) {
                parsed.Values.insert(word, *value);
            }
            parsed.Lists[word].append(*value);
        }
    }
    return parsed;
}

void Arguments::Declares(const QString &option) const
{
    if (!Declared.contains(option)) {
        throw std::logic_error("korveltctl: a command reads an option it does not declare: " + option.toStdString());
    }
}

bool Arguments::Has(const QString &option) const
{
    Declares(option);
    return Flags.contains(option) || Values.contains(option);
}

QString Arguments::Value(const QString &option, const QString &otherwise) const
{
    Declares(option);
    return Values.value(option, otherwise);
}

QStringList Arguments::All(const QString &option) const
{
    Declares(option);
    return Lists.value(option);
}

QString OneWord(const Arguments &a, const char *what)
{
    if (a.Words.size() != 1) {
        //: %1 is the name of what is missing: FILE, OUT, DIR
        throw UsageError(a.Words.isEmpty() ? CtlText::tr("%1 is missing").arg(QLatin1String(what))
                                           : CtlText::tr("unexpected argument %1").arg(a.Words.at(1)));
    }
    return a.Words.front();
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
    return IsStandardStream(name) ? CtlText::tr("standard input") : name;
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
        return CtlText::tr("not a regular file"); // not opened: a device or a pipe may act on it
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
    if (IsWindowsDevice(name)) {
        return QStringLiteral("not a regular file");
    }
    const std::filesystem::path path = FilePath(name);
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status)) {
        if (std::filesystem::is_directory(status)) {
            return ErrorText(std::errc::is_a_directory);
        }
        if (!std::filesystem::is_regular_file(status)) {
            return CtlText::tr("not a regular file");
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

namespace {

// Why a save to `name` failed: the place, where it cannot take a file, or else the reason the
// save itself gave (a full disk, a file too large).
QString WriteCause(const QString &name, const std::error_code &error)
{
    if (const std::optional<QString> problem = PlaceProblem(name)) {
        return *problem;
    }
    return error ? SystemReasonText(error) : ErrorText(std::errc::io_error);
}

} // namespace

// Refuses an output that is the file read (by another name or a link too): the schedule
// would be replaced by what was made of it.
void RefuseOverInput(const QString &input, const QString &output)
{
    if (IsStandardStream(input) || IsStandardStream(output)) {
        return;
    }
    std::error_code error;
    if (std::filesystem::equivalent(FilePath(input), FilePath(output), error) && !error) {
        throw UsageError(CtlText::tr("%1 is the file read; the output needs a name of its own").arg(output));
    }
}

// A name the tool makes itself (a folder's 1042.dat, a report's FILE.pdf) is not followed
// where it is a symbolic link: the link may lead anywhere, to a system file too.
std::optional<QString> LinkProblem(const QString &name)
{
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(FilePath(name), error))) {
        return CtlText::tr("%1: cannot be written: a symbolic link is there, which is not followed").arg(name);
    }
    return std::nullopt;
}

QByteArray Bytes(std::span<const std::uint8_t> bytes)
{
    return {reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

namespace {

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

} // namespace

LoadedSchedule LoadSchedule(const QString &name, QIODevice *input)
{
    constexpr auto limit = static_cast<qsizetype>(LargestScheduleFile);
    std::optional<QByteArray> read;
    if (IsStandardStream(name)) {
        read = ReadInput(input, limit);
        if (!read) {
            throw Failure(ExitFileError, CtlText::tr("standard input: cannot be read"));
        }
    } else if (const auto bytes = LoadRegularFile(FilePath(name), LargestScheduleFile + 1)) {
        read = Bytes(*bytes);
    } else {
        throw Failure(ExitFileError, CtlText::tr("%1: cannot be read: %2").arg(name, ReadCause(name)));
    }
    if (read->size() > limit) {
        throw Failure(ExitFileError, CtlText::tr("%1: too large (more than 16 MiB)").arg(Shown(name)));
    }
    const QByteArray &bytes = *read;
    const std::span<const std::uint8_t> image(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                              static_cast<std::size_t>(bytes.size()));
    if (HasDataFileHeader(image)) {
        const DataFileResult result = DecodeDataFile(image);
        if (result.Outcome == DataFileOutcome::LaterFormat) {
            throw Failure(ExitFileError, CtlText::tr("%1: a data file of a later version").arg(Shown(name)));
        }
        if (result.Outcome != DataFileOutcome::Loaded) {
            throw Failure(ExitFileError, CtlText::tr("%1: the data file is cut short").arg(Shown(name)));
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
    std::error_code error;
    if (!SaveFileAtomically(FilePath(name),
                            std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())),
                            &error)) {
        throw Failure(ExitFileError, CtlText::tr("%1: cannot be written: %2").arg(name, WriteCause(name, error)));
    }
}

QByteArray ScheduleBytes(const QString &name, const ScheduleModel &model)
{
    return name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ? ScheduleToJson(model)
                                                                      : Bytes(EncodeDataFile(model));
}

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
        //: A line of the check: %1 is what it found
        lines.append(CtlText::tr("Mistake: %1").arg(line));
    }
    for (const QString &line : noteLines) {
        //: A line of the check: %1 is what it found
        lines.append(CtlText::tr("Note: %1").arg(line));
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

QString CsvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString TimeStamp(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QString ClockText(TDateTime date, TDateTime time)
{
    const DateParts d = DecodeDate(date);
    const TimeParts t = DecodeTime(time);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.Year, d.Month, d.Day, t.Hour, t.Minute, t.Second);
}

} // namespace korvelt
