#pragma once

#include "cli/commands/Command.h"

#include <QString>

#include <memory>
#include <vector>

namespace korvelt {

// Every korveltctl command, in the order the usage lists them ("help" last). The usage, "help
// COMMAND", the dispatch and the option parsing come from here; a test holds the completion
// files and the manual's synopsis to it.
[[nodiscard]] const std::vector<std::unique_ptr<CtlCommand>> &CtlCommands();
// The command of that name, or none.
[[nodiscard]] const CtlCommand *FindCtlCommand(const QString &name);
// "korveltctl --help": every command's synopsis and what the tool's options and exit statuses are.
[[nodiscard]] QString ToolUsage();
// "korveltctl help COMMAND": its usage and each option with its help.
[[nodiscard]] QString CommandHelp(const CtlCommand &command);

} // namespace korvelt
