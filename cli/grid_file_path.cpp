#include "cli/grid_file_path.h"

#include "form/armdata_folder.h"
#include "platform/file_system.h"
#include "storage/installation_folder.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"

namespace zarvek::cli {

GridFileChoice ResolveGridFilePath(const std::optional<std::string>& given, CliDialogs& dialogs,
                                   CommandReport& report, std::string_view howToName) {
    std::string path;
    if (given) {
        path = *given;
    } else {
        // The warning is shown for every failure, not only for a missing key: the tool has no
        // current folder to fall back on.
        const ArmdataFolderLookup lookup = ReadArmdataFolder();
        if (lookup.folder.empty()) {
            dialogs.Ask(MissingRegistryEntryMessage());
            report.Say(kCliNoInstalledFileKnown, {howToName});
            return Ending{ExitCode::FileProblem, "noInstalledFileKnown"};
        }
        path = GridFilePathIn(lookup.folder);
    }
    report.SetFile(path);
    return path;
}

GridFileChoice ResolveExistingGridFile(const std::optional<std::string>& given, CliDialogs& dialogs,
                                       CommandReport& report) {
    GridFileChoice choice = ResolveGridFilePath(given, dialogs, report, "PATH");
    const std::string* path = std::get_if<std::string>(&choice);
    if (path != nullptr && !PathExists(*path)) {
        dialogs.Ask(Message{LookupString(kNoGridFileExists, report.language()),
                            LookupString(kInsufficientDataTitle, report.language()), Buttons::Ok,
                            Icon::Critical, Answer::Ok, kNoGridFileExists});
        return Ending{ExitCode::FileProblem, "noGridFile"};
    }
    return choice;
}

}  // namespace zarvek::cli
