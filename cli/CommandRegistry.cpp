#include "cli/CommandRegistry.h"

#include <algorithm>

namespace korvelt {

const std::vector<std::unique_ptr<CtlCommand>> &CtlCommands()
{
    static const std::vector<std::unique_ptr<CtlCommand>> commands = [] {
        std::vector<std::unique_ptr<CtlCommand>> made;
        made.push_back(MakeCheckCommand());
        made.push_back(MakeClockCommand());
        made.push_back(MakeExportCommand());
        made.push_back(MakeHolidaysCommand());
        made.push_back(MakeImportCommand());
        made.push_back(MakeListCommand());
        made.push_back(MakeReadCommand());
        made.push_back(MakeReportCommand());
        made.push_back(MakeVerifyCommand());
        made.push_back(MakeWriteCommand());
        made.push_back(MakeHelpCommand());
        return made;
    }();
    return commands;
}

const CtlCommand *FindCtlCommand(const QString &name)
{
    const auto found = std::ranges::find_if(CtlCommands(), [&name](const auto &c) { return c->Name() == name; });
    return found == CtlCommands().end() ? nullptr : found->get();
}

QString ToolUsage()
{
    QString text = CtlText::tr("Usage: korveltctl [--demo [N]] COMMAND [ARGUMENTS]\n"
                               "Programs KORVELT time controllers from scripts.\n\nCommands:\n");
    for (const auto &command : CtlCommands()) {
        if (command->Name() == QLatin1String("help")) {
            continue; // last, below
        }
        for (const QString &line : command->Usage().split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1Char(' '))) {
                text += QStringLiteral("  korveltctl ") + line + QLatin1Char('\n');
            }
        }
    }
    return text + QStringLiteral("  korveltctl help COMMAND\n") +
           CtlText::tr("\nOptions: --demo [N] uses N simulated KORVELTs (1 unless N), serial numbers 1 to N;\n"
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

QString CommandHelp(const CtlCommand &command)
{
    //: %1 is the command's synopsis and what it does
    QString text = CtlText::tr("Usage: korveltctl %1").arg(command.Usage()) + QLatin1Char('\n');
    const std::vector<CtlOption> options = command.Options();
    if (!options.empty()) {
        text += QLatin1Char('\n') + CtlText::tr("Options:") + QLatin1Char('\n');
        for (const CtlOption &option : options) {
            text += QStringLiteral("  %1%2  %3\n")
                        .arg(option.Name, option.Value.isEmpty() ? QString() : QLatin1Char(' ') + option.Value,
                             option.Help);
        }
    }
    return text;
}

} // namespace korvelt
