#pragma once

#include <string>

#include "cli/command_report.h"
#include "common/dialogs.h"
#include "form/command_context.h"

namespace zarvek::cli {

// The context in which the tool runs the form's commands: `dialogs`, the report's language, the
// command line's numbers (CommandLineLocale) and the grid file at `path`. A wait of more than a
// second for another writer's lock is told through the report (string 1197, for a person only).
// `report` must outlive the context.
CommandContext CliCommandContext(Dialogs& dialogs, CommandReport& report, const std::string& path);

}  // namespace zarvek::cli
