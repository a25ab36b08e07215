#include "storage/backup_swap.h"

#include "platform/file_system.h"
#include "storage/safe_write.h"

namespace zarvek {
namespace {

// Step 2: a second name for the file at `path`. A copy goes to the temporary file first, so that
// a copy cut short by a crash is never found under the outgoing name.
void KeepOutgoing(const std::string& path, const std::string& outgoing) {
    RemoveFile(outgoing);
    if (MakeHardLink(path, outgoing)) {
        return;
    }
    const std::string temporary = TemporaryPathFor(path);
    try {
        WriteFileToDisk(temporary, ReadWholeFile(path), path);
        ReplaceFileAtomically(temporary, outgoing);
    } catch (...) {
        RemoveFileQuietly(temporary);
        throw;
    }
}

}  // namespace

std::string OutgoingPathFor(const std::string& path) {
    return BackupPathFor(path) + ".new";
}

void SettleInterruptedRestore(const std::string& path) noexcept {
    try {
        const std::string outgoing = OutgoingPathFor(path);
        if (!PathExists(outgoing)) {
            return;
        }
        if (PathExists(BackupPathFor(path))) {
            RemoveFileQuietly(outgoing);
        } else {
            ReplaceFileAtomically(outgoing, BackupPathFor(path));
        }
    } catch (...) {
        // Left for the next restore or write; the grid file itself is complete either way.
    }
}

void SwapWithBackup(const std::string& path) {
    const std::string backup = BackupPathFor(path);
    const std::string outgoing = OutgoingPathFor(path);
    SettleInterruptedRestore(path);
    if (!PathExists(backup) || IsFolder(backup)) {
        throw FileSystemError("there is no backup \"" + backup + "\" to restore");
    }
    if (IsFolder(path)) {
        throw FileSystemError("cannot replace \"" + path + "\": it is a folder, not a file");
    }
    if (!PathExists(path) || IsHeldOpenAgainstReplace(path)) {
        WriteFileSafely(path, ReadWholeFile(backup));
        return;
    }
    KeepOutgoing(path, outgoing);
    try {
        ReplaceFileAtomically(backup, path);
    } catch (const FileHeldOpenError&) {
        // Another program opened the file meanwhile: it is written as a held file is.
        RemoveFileQuietly(outgoing);
        WriteFileSafely(path, ReadWholeFile(backup));
        return;
    } catch (...) {
        RemoveFileQuietly(outgoing);
        throw;
    }
    try {
        ReplaceFileAtomically(outgoing, backup);
    } catch (const FileSystemError&) {
        // The file is restored; the next restore or write makes the outgoing file the backup.
    }
}

}  // namespace zarvek
