#pragma once

#include <optional>
#include <string>

#include "model/grid_file.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/host_library.h"

namespace zarvek {

// The grid file a scan read (ScanGridFile), with `part` appended: written without holding the
// file's parts in memory when they are in the writer's form, and read in whole otherwise.
struct GridFileAppend {
    GridFileScan scan;
    Part part;
};

// One write of a grid file by the holder of its lock, in two steps so that the caller can ask the
// operator in between with the lock still held:
//
//   GridFileWrite write(gridFile, std::move(lock));    // content checked, the path looked at
//   if (write.ReplacesAFile() && <the operator says No>) return;   // nothing was touched
//   write.Store(hostLibrary);                           // written, lock dropped, host pushed
//
// Storage asks nothing: whether to replace a file is the caller's question.
class GridFileWrite {
  public:
    // Takes over `lock` and keeps it until Store has written the file, or until this object goes.
    // Checks that `gridFile` can be stored (as GridFileBytes would) and looks at the file the lock
    // guards. `gridFile` is written as it is when Store runs: it must outlive this object. Throws
    // GridFileError naming that file, with nothing touched and the lock dropped, for content no
    // grid file can hold, and then for a folder in the file's place.
    GridFileWrite(const GridFile& gridFile, GridFileLock lock);
    // The same for a grid file that would be gone before Store: this object keeps it.
    GridFileWrite(GridFile&& gridFile, GridFileLock lock);
    // The same for the scanned file with one part appended. Its parts, when in the writer's form,
    // are copied from the file when Store writes, so the file must not change in between (the
    // lock sees to that; Store refuses a file whose size changed). Otherwise the file is read in
    // whole here, which throws as MakeGridFileObj does.
    GridFileWrite(GridFileAppend append, GridFileLock lock);

    GridFileWrite(const GridFileWrite&) = delete;
    GridFileWrite& operator=(const GridFileWrite&) = delete;

    // Whether a file is at the path now, which Store replaces.
    bool ReplacesAFile() const { return replacesAFile_; }

    // Call once. The bytes go to a temporary file beside the path ("Gridfile.dat.tmp") and are
    // flushed to the disk, the file they replace is kept as "Gridfile.dat.bak" (one generation;
    // see WriteFileSafely), and the temporary file then replaces the file at the path in one
    // step. Then drops the lock and calls QDL_SaveArmspecs through `hostLibrary`, with every
    // failure of that call suppressed. Throws GridFileError when the file cannot be written: the
    // file at the path is then exactly as it was, no temporary file remains, the lock is dropped
    // and the host library is not called.
    void Store(HostLibrary& hostLibrary = InstalledHostLibrary());

  private:
    GridFileLock lock_;
    std::optional<GridFile> kept_;        // a grid file handed over, which gridFile_ then refers to
    const GridFile* gridFile_ = nullptr;  // written in whole, or else
    std::optional<GridFileAppend> append_;  // the scanned parts copied, the new one written
    bool replacesAFile_ = false;
};

}  // namespace zarvek
