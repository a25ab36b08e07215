#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_dialogs.h"
#include "platform/terminal.h"

namespace zarvek::cli {

// The grid file a command works on: `given` when the command line names one (the registry is
// then not consulted), otherwise the installed grid file in the folder ReadArmdataFolder finds.
// Where no folder is found, the tool does not fall back to the current folder: the registry
// warning (MissingRegistryEntryMessage) is printed once through `dialogs`, whatever the failure,
// then that no installed grid file is known and that `howToName` names one; the result is then
// nothing.
std::optional<std::string> ResolveGridFilePath(const std::optional<std::string>& given,
                                               CliDialogs& dialogs, Terminal& terminal,
                                               Language language, std::string_view howToName);

// As ResolveGridFilePath, for a command that reads the file: where nothing exists at the path,
// prints that no grid file exists (string 1069) and the result is nothing.
std::optional<std::string> ResolveExistingGridFile(const std::optional<std::string>& given,
                                                   CliDialogs& dialogs, Terminal& terminal,
                                                   Language language);

}  // namespace zarvek::cli
