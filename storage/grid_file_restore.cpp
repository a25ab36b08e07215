#include "storage/grid_file_restore.h"

#include <utility>

#include "platform/code_page.h"
#include "storage/backup_swap.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_reader.h"
#include "storage/safe_write.h"

namespace zarvek {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Where the backup is now: an interrupted restore may have left it under the outgoing name.
std::optional<std::string> BackupNow(const std::string& gridFilePath) {
    for (const std::string& path : {BackupPathFor(gridFilePath), OutgoingPathFor(gridFilePath)}) {
        if (PathExists(path) && !IsFolder(path)) {
            return path;
        }
        if (PathExists(path)) {
            return std::nullopt;  // a folder at the backup's name: nothing to restore
        }
    }
    return std::nullopt;
}

}  // namespace

bool HasGridFileBackup(const std::string& gridFilePath) {
    return BackupNow(gridFilePath).has_value();
}

std::optional<GridFileBackup> ReadGridFileBackup(const std::string& gridFilePath) {
    const std::optional<std::string> path = BackupNow(gridFilePath);
    if (!path) {
        return std::nullopt;
    }
    GridFileBackup backup;
    backup.path = *path;
    try {
        backup.bytes = ReadWholeFile(*path);
    } catch (const FileSystemError& error) {
        throw GridFileError("The backup " + Quoted(*path) + " cannot be read: " + error.what() +
                            ".");
    }
    backup.written = LastWriteTime(*path);
    std::optional<GridFile> gridFile = ReadGridFileText(AnsiToUtf8(backup.bytes), *path);
    if (!gridFile) {
        throw GridFileError("The backup " + Quoted(*path) +
                            " is no grid file: its first line holds no \"$\".");
    }
    backup.gridFile = std::move(*gridFile);
    return backup;
}

bool RestoreGridFileBackup(GridFileLock lock, const std::string& expectedBytes,
                           HostLibrary& hostLibrary) {
    {
        // Dropped at the end of the swap, whatever its end: the push needs no lock.
        const GridFileLock held = std::move(lock);
        const std::string& path = held.GridFilePath();
        SettleInterruptedRestore(path);
        const std::string backup = BackupPathFor(path);
        try {
            if (!PathExists(backup) || IsFolder(backup) || ReadWholeFile(backup) != expectedBytes) {
                return false;
            }
            SwapWithBackup(path);
        } catch (const IncompleteWriteError& error) {
            // Only where another program holds the file: the message says where what is.
            throw GridFileError("The grid file " + Quoted(path) +
                                " was not restored: " + error.what() + ".");
        } catch (const FileSystemError& error) {
            throw GridFileError("The grid file " + Quoted(path) +
                                " was not restored and nothing was changed: " + error.what() + ".");
        }
    }
    hostLibrary.PushArmSpecs();
    return true;
}

}  // namespace zarvek
