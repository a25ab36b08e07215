#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "form/command_context.h"
#include "form/form_model.h"
#include "form/write_commands.h"
#include "model/grid_file.h"
#include "storage/storage_test_support.h"
#include "support/recording_dialogs.h"

namespace zarvek::testing_support {

// What Make and Add work on in a test: a temporary folder, the grid-file path in it, scripted
// dialogs, a form holding a part that passes every check against the files below, and a context
// that waits only a moment for the grid file's lock.
struct WriteCommandBench {
    WriteCommandBench();

    // Writes a grid file of `parts` spread parts (none of whose lengths repeat the entered
    // part's) to the bench's path and returns its bytes.
    std::string InstallGridFile(int parts = 3);

    // Runs Make or Add.
    WriteCommandOutcome Run(bool add);

    // The titles of the boxes shown, in order.
    std::vector<std::string> Titles() const;

    TemporaryFolder folder;
    std::string path;
    RecordingDialogs dialogs;
    FormModel form{dialogs};
    CommandContext context{dialogs, Language::English, NumberLocale{".", ","}, path,
                           std::chrono::milliseconds(50)};
};

// Every file under `folder` and its bytes (folders as "<folder>"), leaving out the lock file,
// which a writer may create and which is never written.
std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& folder);

}  // namespace zarvek::testing_support
