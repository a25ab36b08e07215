#include "storage/safe_write.h"

#include "platform/file_system.h"

namespace zarvek {
namespace {

// Makes `backup` hold what the file at `path` holds now, without touching that file.
void KeepBackup(const std::string& path, const std::string& backup) {
    if (!PathExists(path)) {
        return;
    }
    if (IsFolder(path)) {
        throw FileSystemError("cannot replace \"" + path + "\": it is a folder, not a file");
    }
    RemoveFile(backup);
    if (MakeHardLink(path, backup)) {
        return;
    }
    try {
        WriteFileToDisk(backup, ReadWholeFile(path), path);
    } catch (...) {
        RemoveFileQuietly(backup);  // half a backup would look like a whole one
        throw;
    }
}

}  // namespace

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

std::string BackupPathFor(const std::string& path) {
    return path + ".bak";
}

void WriteFileSafely(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryPathFor(path);
    try {
        // The backup comes after the new content is safely on the disk, so that a write that
        // fails early (a full disk) keeps the backup of the write before.
        WriteFileToDisk(temporary, bytes, path);
        KeepBackup(path, BackupPathFor(path));
        ReplaceFileAtomically(temporary, path);
    } catch (...) {
        RemoveFileQuietly(temporary);
        throw;
    }
}

}  // namespace zarvek
