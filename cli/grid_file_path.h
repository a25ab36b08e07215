#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/cli_dialogs.h"
#include "cli/command_report.h"
#include "cli/exit_codes.h"

namespace zarvek::cli {

// The grid file's path a command works on, or how the command ends without one.
using GridFileChoice = std::variant<std::string, Ending>;

// The grid file a command works on: `given` when the command line names one (the registry is
// then not consulted), otherwise the installed grid file in the folder ReadArmdataFolder finds;
// the report is told the path. Where no folder is found, the tool does not fall back to the
// current folder: the registry warning (MissingRegistryEntryMessage) is shown once through
// `dialogs`, whatever the failure, then that no installed grid file is known and that
// `howToName` names one; the result is then FileProblem, "noInstalledFileKnown".
GridFileChoice ResolveGridFilePath(const std::optional<std::string>& given, CliDialogs& dialogs,
                                   CommandReport& report, std::string_view howToName);

// As ResolveGridFilePath, for a command that reads the file: where nothing exists at the path,
// shows that no grid file exists (string 1069), and the result is FileProblem, "noGridFile".
GridFileChoice ResolveExistingGridFile(const std::optional<std::string>& given, CliDialogs& dialogs,
                                       CommandReport& report);

}  // namespace zarvek::cli
