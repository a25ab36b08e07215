#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "form/write_report.h"
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
    // Told when a command waits long for another writer's lock (GridFileLock); by default nobody.
    LockWaitNotice lockWaitNotice{};
    // Told once what Make, Add, Remove Part or Restore Previous Grid File stored, right after the
    // file was written; not told when nothing was written (No, a refusal, a failure). May be
    // empty; must not throw (the file is written by then).
    std::function<void(const WrittenGridFile&)> written = nullptr;
};

}  // namespace zarvek
