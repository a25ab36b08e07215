#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"

namespace zarvek {

// The host software's library and its function QDL_SaveArmspecs, which has the host save the
// arm's settings to the arm. The library is bound at the first push, not at start-up, so the
// wizard runs and writes files where the host software is missing. The outcome of the binding,
// found or not, is kept for the life of the object.
class HostLibrary {
  public:
    // Gives the folders to look in, in order. Relative folders are skipped: the library is never
    // loaded from the current folder.
    using FolderSource = std::function<std::vector<std::string>()>;

    // Looks in HostLibraryFolders().
    HostLibrary();
    explicit HostLibrary(FolderSource folders);

    // Calls QDL_SaveArmspecs once, without arguments, binding it first if this is the first
    // push. Every failure (no library, no such function, an exception out of the call) is
    // suppressed: nothing is shown and nothing is thrown.
    void PushArmSpecs() noexcept;

  private:
    void Bind();

    FolderSource folders_;
    bool bound_ = false;
    LibraryHandle library_;
    NoArgumentFunction saveArmspecs_ = nullptr;
};

// Where the host library is looked for: the host's installation folder (the registry's
// "Directory" value, read silently), then the program's own folder, then the system's library
// folders.
std::vector<std::string> HostLibraryFolders();

// The one host library of the process, which the grid file's writers push to unless told another.
HostLibrary& InstalledHostLibrary();

}  // namespace zarvek
