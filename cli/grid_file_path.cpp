#include "cli/grid_file_path.h"

#include "cli/terminal_text.h"
#include "form/armdata_folder.h"
#include "form/placeholders.h"
#include "platform/file_system.h"
#include "storage/installation_folder.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"

namespace zarvek::cli {

std::optional<std::string> ResolveGridFilePath(const std::optional<std::string>& given,
                                               CliDialogs& dialogs, Terminal& terminal,
                                               Language language, std::string_view howToName) {
    if (given) {
        return given;
    }
    // The warning is printed for every failure, not only for a missing key: the tool has no
    // current folder to fall back on.
    const ArmdataFolderLookup lookup = ReadArmdataFolder();
    if (!lookup.folder.empty()) {
        return GridFilePathIn(lookup.folder);
    }
    dialogs.Ask(MissingRegistryEntryMessage());
    terminal.Err(
        Line(FillPlaceholders(LookupString(kCliNoInstalledFileKnown, language), {howToName})));
    return std::nullopt;
}

std::optional<std::string> ResolveExistingGridFile(const std::optional<std::string>& given,
                                                   CliDialogs& dialogs, Terminal& terminal,
                                                   Language language) {
    std::optional<std::string> path =
        ResolveGridFilePath(given, dialogs, terminal, language, "PATH");
    if (path && !PathExists(*path)) {
        dialogs.Ask(Message{LookupString(kNoGridFileExists, language),
                            LookupString(kInsufficientDataTitle, language), Buttons::Ok,
                            Icon::Critical});
        return std::nullopt;
    }
    return path;
}

}  // namespace zarvek::cli
