#include "cli/Korveltctl.h"

#include "cli/CommandRegistry.h"
#include "cli/CtlContext.h"
#include "simulator/DemoDevices.h"

#include <QFileDevice>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace korvelt {

namespace {

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

QString CtlCommandName(const QStringList &arguments)
{
    QStringList words = arguments;
    (void)TakeDemo(words);
    return words.value(0);
}

namespace {

// The command's help, the tool's usage or the version, as the words ask for them: what to
// print, or nothing when a command is to run.
std::optional<QString> HelpAsked(QString &command, const QStringList &rest)
{
    const QStringList words = OptionWords(rest);
    const auto isHelp = [](const QString &word) {
        return word == QLatin1String("--help") || word == QLatin1String("-h");
    };
    const bool version = words.contains(QLatin1String("--version")) || command == QLatin1String("--version");
    if (version) {
        command.clear();
        return QStringLiteral("%1 %2\n").arg(Tool, QStringLiteral(KORVELT_VERSION));
    }
    bool help = std::ranges::any_of(words, isHelp) || isHelp(command);
    // "help COMMAND" is "COMMAND --help"; "help" alone the tool's usage.
    if (command == QLatin1String("help")) {
        if (rest.size() > 1) {
            throw UsageError(CtlText::tr("help takes one command"));
        }
        command = rest.value(0);
        help = true;
    }
    if (isHelp(command)) {
        command.clear();
    }
    if (!help) {
        return std::nullopt;
    }
    if (command.isEmpty()) {
        return ToolUsage();
    }
    const CtlCommand *found = FindCtlCommand(command);
    if (found == nullptr) {
        // An unknown command is a mistake also where help is asked for.
        throw UsageError(CtlText::tr("unknown command %1").arg(command));
    }
    return CommandHelp(*found);
}

// Runs the command named, as its options take the words; what it printed went to `out`
// unless `outputFailure` says why not.
int RunCommand(const QString &name, const QStringList &rest, CtlContext &context)
{
    if (name.isEmpty()) {
        throw UsageError(CtlText::tr("a command is missing"));
    }
    const CtlCommand *command = FindCtlCommand(name);
    if (command == nullptr) {
        throw UsageError(CtlText::tr("unknown command %1").arg(name));
    }
    const Arguments arguments = ParseArguments(rest, command->Options());
    context.SetModes(arguments.Flags.contains(QLatin1String("--quiet")),
                     arguments.Flags.contains(QLatin1String("--json")));
    return command->Run(context, arguments);
}

// Whether the command takes --json and the words give it.
bool JsonAsked(const QString &name, const QStringList &rest)
{
    const CtlCommand *command = FindCtlCommand(name);
    if (command == nullptr || !OptionWords(rest).contains(QLatin1String("--json"))) {
        return false;
    }
    const std::vector<CtlOption> options = command->Options();
    return std::ranges::any_of(options, [](const CtlOption &o) { return o.Name == QLatin1String("--json"); });
}

} // namespace

int RunKorveltctl(const QStringList &arguments, HidBackend &backend, QIODevice &out, QTextStream &err,
                  const CtlOptions &options)
{
    QStringList rest = arguments;
    const int demo = TakeDemo(rest);
    QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    int exit = ExitOk;
    QByteArray printed;
    CtlContext context(backend, out, err, options);
    try {
        if (demo < 0) {
            throw UsageError(CtlText::tr("--demo N is a number of KORVELTs from 1 to %1").arg(MostDemoDevices));
        }
        if (const std::optional<QString> help = HelpAsked(command, rest)) {
            printed = help->toUtf8();
        } else {
            exit = RunCommand(command, rest, context);
        }
    } catch (const UsageError &usage) {
        err << Tool << ": "
            << (FindCtlCommand(command) == nullptr ? QString() : command + QStringLiteral(": "))
            //: After a mistake on the command line: %1 is the mistake
            << CtlText::tr("%1 (see korveltctl --help)").arg(usage.Text) << '\n';
        exit = ExitUsage;
    } catch (const Failure &failure) {
        err << Tool << ": " << failure.Text << '\n';
        exit = failure.Exit;
        // A script that asked for the document gets one, also when the command failed as a whole.
        if (JsonAsked(command, rest)) {
            printed = ResultDocument({}, exit, failure.Text);
        }
    }
    std::optional<QString> outputFailure = context.OutputFailure();
    if (!outputFailure && !printed.isEmpty() && out.write(printed) != printed.size()) {
        outputFailure = out.errorString();
    }
    // What a script reads must have arrived whole: a full disk or a closed pipe is a failure.
    if (!outputFailure) {
        if (auto *file = qobject_cast<QFileDevice *>(&out); file != nullptr && !file->flush()) {
            outputFailure = file->errorString();
        }
    }
    if (outputFailure) {
        err << Tool << ": " << CtlText::tr("standard output: %1").arg(*outputFailure) << '\n';
        exit = exit >= ExitInterrupted ? exit : std::max<int>(exit, ExitFileError);
    }
    err.flush();
    return exit;
}

} // namespace korvelt
