#pragma once

#include <chrono>
#include <string>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "storage/grid_file_lock.h"
#include "storage/host_library.h"
#include "strings/string_table.h"

namespace zarvek {

// What the commands Check Pattern, Make and Add need besides the form: where to show and ask
// things, in which language, how the user writes numbers, the installed grid-file path, and the
// host library Make and Add push to. `dialogs` and `hostLibrary` are not owned and must outlive
// the context.
struct CommandContext {
    Dialogs& dialogs;
    Language language = Language::English;
    NumberLocale locale;
    std::string gridFilePath;
    // How long Make and Add wait for another writer of the grid file before they report it busy.
    std::chrono::milliseconds lockWait = kGridFileLockWait;
    HostLibrary& hostLibrary = InstalledHostLibrary();
};

}  // namespace zarvek
