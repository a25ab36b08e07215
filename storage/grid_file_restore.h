#pragma once

#include <optional>
#include <string>

#include "model/grid_file.h"
#include "platform/file_system.h"
#include "storage/grid_file_lock.h"
#include "storage/host_library.h"

namespace zarvek {

// The backup of a grid file, as a restore would put it in place.
struct GridFileBackup {
    std::string path;   // where it was read: the backup, or what an interrupted restore left
    std::string bytes;  // its whole content
    GridFile gridFile;  // as the reader reads it
    std::optional<LocalDateTime> written;  // when it was last written
};

// Whether the grid file at `gridFilePath` has a backup to restore: BackupPathFor(gridFilePath),
// or the file an interrupted restore left on its way to becoming it (OutgoingPathFor).
bool HasGridFileBackup(const std::string& gridFilePath);

// Reads the backup of the grid file at `gridFilePath` (see HasGridFileBackup) without the lock,
// to show the operator what a restore would bring back. Nothing when there is none. Throws
// GridFileError naming the backup when it cannot be read or is no grid file (line 1 without "$"):
// such a file is never put in the grid file's place.
std::optional<GridFileBackup> ReadGridFileBackup(const std::string& gridFilePath);

// Restores the backup of the grid file `lock` guards, holding the lock to the end of the swap:
// when the backup still holds `expectedBytes` (what the operator was shown: another writer may
// have replaced it since), puts it in the grid file's place and keeps the file it replaces as the
// backup (SwapWithBackup: a complete grid file at every moment), drops the lock and calls
// QDL_SaveArmspecs through `hostLibrary` once. Returns false, with nothing changed and the host
// library not called, when the backup is gone or holds other bytes. Throws GridFileError naming
// the file when the swap fails: the file is then as it was and the host library is not called.
// The lock is dropped either way.
bool RestoreGridFileBackup(GridFileLock lock, const std::string& expectedBytes,
                           HostLibrary& hostLibrary = InstalledHostLibrary());

}  // namespace zarvek
