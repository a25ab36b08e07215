#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace zarvek {

// An open lock file and the exclusive lock the system keeps for this open handle (flock on
// POSIX, LockFileEx on Windows; one implementation per operating system). The lock is advisory:
// it keeps out only those who ask for it on the same file, which every writer of a grid file
// does. The system drops it when the handle is closed, also when the process dies, so a crash
// never leaves a lock behind. Two LockFile objects on the same file exclude each other also
// within one process.
class LockFile {
  public:
    // Opens the lock file at `path`, creating it (empty) when it is missing. The file is never
    // written and may stay on disk. Where it cannot be opened for writing (made by another user,
    // or in a folder that has since become read-only) it is opened for reading, which serves a
    // lock as well. Throws FileSystemError when it can be neither created nor opened, or when
    // something other than a plain file is in its place.
    explicit LockFile(const std::string& path);
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;
    // Closes the file, which drops the lock if this handle holds it.
    ~LockFile();

    // Takes the exclusive lock unless another handle holds it; true when this handle holds it
    // now. Never waits. Call it until it returns true, not again afterwards. Throws
    // FileSystemError for any failure other than the lock being held elsewhere.
    bool TryLock();

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::intptr_t handle_;
};

}  // namespace zarvek
