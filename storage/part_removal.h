#pragma once

#include <cstddef>

#include "model/part.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/host_library.h"

namespace zarvek {

// The grid file could not be read again for a removal; the message is the reader's.
class GridFileReadError : public GridFileError {
  public:
    using GridFileError::GridFileError;
};

// Whether `a` and `b` are one part as a grid file holds it: the same name and the same seats.
bool IsSamePart(const Part& a, const Part& b);

// How RemovePart ended.
enum class PartRemoval {
    Removed,       // written without the part
    NotAGridFile,  // line 1 of the file holds no "$"; nothing written
    PartNotThere,  // the file holds fewer parts, or another part at the position; nothing written
};

// Removes the part at `position` (from 1) from the grid file `lock` guards, holding the lock from
// the read to the write: reads the file again (it may have changed since `shown` was read from
// it) and only when the part there is still `shown` (IsSamePart) writes the file without it
// (GridFileWrite: the header counts one part less, every other part is written as the writer
// writes it, the file replaced is kept as the backup; the last part removed leaves a file of no
// parts), drops the lock and calls QDL_SaveArmspecs through `hostLibrary` once. Otherwise writes
// nothing and leaves the host library alone. Throws GridFileReadError when the file cannot be
// read, GridFileError when it cannot be written (the file is then as it was). The lock is dropped
// either way.
PartRemoval RemovePart(GridFileLock lock, std::size_t position, const Part& shown,
                       HostLibrary& hostLibrary = InstalledHostLibrary());

}  // namespace zarvek
