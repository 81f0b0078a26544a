#pragma once

#include "cli/CtlExit.h"
#include "core/DataFileCodec.h"
#include "core/DateTime.h"
#include "core/ScheduleModel.h"
#include "device/DeviceSession.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What every korveltctl command shares: its arguments, the errors that end it, the files it
// reads and writes, and the texts written in one way everywhere (CSV fields, time stamps,
// clock values, the --json document).
namespace korvelt {

inline const QString Tool = QStringLiteral("korveltctl");

// The tool's texts for a person, in the user's language: CtlText::tr("..."), in the
// translations' context "korveltctl". Command and option names, JSON keys, result names and
// CSV columns are data and stay as they are.
class CtlText {
    Q_DECLARE_TR_FUNCTIONS(korveltctl)
};

// One option a command takes, declared once with the help its usage shows.
struct CtlOption {
    QString Name;            // "--device", "-o"
    QString Value;           // what its value is called, "SERIAL|PATH"; empty for a flag
    QString Help;            // one line for "korveltctl help COMMAND"
    bool Repeatable = false; // given more than once, each adds a value
};

// A command's arguments: the words, the flags given and the options with their values (the
// first, where an option may be given more than once: all of them in Lists).
// A command reads its options through Has, Value and All, which take only the options it
// declares: a name mistyped in a command fails every test that runs it, not in silence.
struct Arguments {
    QStringList Words;
    QStringList Flags;
    QMap<QString, QString> Values;
    QMap<QString, QStringList> Lists;
    QStringList Declared; // the command's options

    // The flag, or the option with a value, was given.
    [[nodiscard]] bool Has(const QString &option) const;
    // The option's value (its first, where it may be given more than once), or `otherwise`.
    [[nodiscard]] QString Value(const QString &option, const QString &otherwise = {}) const;
    // Every value of an option that may be given more than once.
    [[nodiscard]] QStringList All(const QString &option) const;

private:
    void Declares(const QString &option) const;
};

// A mistake on the command line: exit status 2, with the usage's hint.
class UsageError {
public:
    explicit UsageError(QString text) : Text(std::move(text)) {}
    QString Text;
};

// A command that failed as a whole: its exit status and why.
class Failure {
public:
    Failure(int exit, QString text) : Exit(exit), Text(std::move(text)) {}
    int Exit;
    QString Text;
};

// The arguments after the command's name, as the command's options take them.
[[nodiscard]] Arguments ParseArguments(const QStringList &arguments, const std::vector<CtlOption> &options);
// The one word a command takes (`what` names it when it is missing).
[[nodiscard]] QString OneWord(const Arguments &a, const char *what);

// Files. "-" is standard input or output.
[[nodiscard]] std::filesystem::path FilePath(const QString &name);
[[nodiscard]] bool IsStandardStream(const QString &name);
[[nodiscard]] QString Shown(const QString &name); // as a message names it
[[nodiscard]] QString ErrorText(std::errc code);
[[nodiscard]] QString ReadCause(const QString &name);
[[nodiscard]] std::optional<QString> PlaceProblem(const QString &name);
void RefuseOverInput(const QString &input, const QString &output);
[[nodiscard]] std::optional<QString> LinkProblem(const QString &name);
[[nodiscard]] QByteArray Bytes(std::span<const std::uint8_t> bytes);

// A schedule from a data file or from JSON, told by the data file's header, with the data
// file it is (or that the JSON describes) byte for byte.
struct LoadedSchedule {
    ScheduleModel Model;
    DataFileImage File{};
    QByteArray Bytes; // the file as read
};
[[nodiscard]] LoadedSchedule LoadSchedule(const QString &name, QIODevice *input);
void SaveBytes(const QString &name, const QByteArray &bytes);
// The schedule as the name asks for it: JSON when it ends in .json, else a data file.
[[nodiscard]] QByteArray ScheduleBytes(const QString &name, const ScheduleModel &model);

// The schedule check's lines: mistakes first, then notes.
[[nodiscard]] QStringList CheckLines(const ScheduleModel &model, TDateTime today, int &mistakes);

// Texts written one way everywhere.
[[nodiscard]] QString ListField(const QString &text);            // a field of `list`
[[nodiscard]] QString CsvField(const QString &text);             // quoted as RFC 4180 has it where needed
[[nodiscard]] QString TimeStamp(const QDateTime &time);          // ISO 8601 with the offset from UTC
[[nodiscard]] QString ClockText(TDateTime date, TDateTime time); // "YYYY-MM-DD HH:MM:SS"

} // namespace korvelt
