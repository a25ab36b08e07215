#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/file_lock.h"
#include "storage/grid_file_io.h"

namespace zarvek {

// How long a writer waits for another writer of the same grid file before it gives up.
inline constexpr std::chrono::milliseconds kGridFileLockWait{10000};

// The lock file that guards the grid file at `gridFilePath`: the same path with ".lock" added
// ("Gridfile.dat.lock"), beside it.
std::string LockPathFor(const std::string& gridFilePath);

// Another writer held the grid file's lock for the whole wait. Nothing was read or written.
class GridFileBusyError : public GridFileError {
  public:
    GridFileBusyError(std::string gridFilePath, std::chrono::milliseconds waited);
    const std::string& gridFilePath() const { return gridFilePath_; }
    std::chrono::milliseconds waited() const { return waited_; }

  private:
    std::string gridFilePath_;
    std::chrono::milliseconds waited_;
};

// What a writer kept waiting for the lock is told, so that a front end can say why it waits:
// `notify` is called once, from the waiting thread, when the lock is still held elsewhere `after`
// the wait began; the wait then goes on. No `notify` (the default), or a wait that ends sooner,
// calls nothing.
struct LockWaitNotice {
    std::chrono::milliseconds after{1000};
    std::function<void()> notify{};
};

// The right to change one grid file, held from construction to destruction. Every writer takes it
// before it looks at the file (Add before reading, Make before asking to replace) and keeps it
// until the new file is in place, so that two writers (two windows, the window and the
// command-line tool) never both read the same file and each write back their own version, and
// never share the fixed temporary file. A holder that dies loses the lock at once. The lock may be
// handed on (moved), as Make and Add hand it to the write (GridFileWrite); a lock moved from
// holds nothing.
class GridFileLock {
  public:
    // Takes the lock, waiting for another holder up to `wait` (polling every few milliseconds;
    // zero tries once) and telling `notice` when the wait grows long. Throws GridFileBusyError
    // when the wait ends and the lock is still held elsewhere, GridFileError when the lock file
    // cannot be created or opened (for instance the folder does not exist or is not writable);
    // nothing has been touched then. What `notice.notify` throws is passed on.
    explicit GridFileLock(const std::string& gridFilePath,
                          std::chrono::milliseconds wait = kGridFileLockWait,
                          const LockWaitNotice& notice = {});
    GridFileLock(GridFileLock&&) noexcept = default;
    GridFileLock& operator=(GridFileLock&&) noexcept = default;
    // Drops the lock. The lock file stays.
    ~GridFileLock() = default;

    // The grid file this lock guards, as given.
    const std::string& GridFilePath() const { return gridFilePath_; }

  private:
    std::string gridFilePath_;
    std::unique_ptr<LockFile> file_;
};

}  // namespace zarvek
