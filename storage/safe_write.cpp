#include "storage/safe_write.h"

#include "platform/file_system.h"
#include "platform/in_place_overwrite.h"
#include "storage/backup_swap.h"

namespace zarvek {
namespace {

// What the backup is: a copy of its own can restore a file overwritten in place; a second name of
// the same file would be overwritten with it.
enum class Backup { None, SecondName, Copy };

void CopyInto(const std::string& path, const std::string& backup) {
    try {
        WriteFileToDisk(backup, ReadWholeFile(path), path);
    } catch (...) {
        RemoveFileQuietly(backup);  // half a backup would look like a whole one
        throw;
    }
}

// Makes `backup` hold what the file at `path` holds now, without touching that file. A file that
// another program holds against the replace gets a copy where it can be read, so that it can be
// written in place.
Backup KeepBackup(const std::string& path, const std::string& backup) {
    if (!PathExists(path)) {
        return Backup::None;
    }
    if (IsFolder(path)) {
        throw FileSystemError("cannot replace \"" + path + "\": it is a folder, not a file");
    }
    RemoveFile(backup);
    if (IsHeldOpenAgainstReplace(path)) {
        try {
            CopyInto(path, backup);
            return Backup::Copy;
        } catch (const FileSystemError&) {
            // Not even readable: the replace will report the holder.
        }
    }
    if (MakeHardLink(path, backup)) {
        return Backup::SecondName;
    }
    CopyInto(path, backup);
    return Backup::Copy;
}

// Whether the file at `path` holds the backup's content, put back if need be.
bool HoldsTheBackupAgain(const std::string& path, const std::string& backup) noexcept {
    try {
        const std::string previous = ReadWholeFile(backup);
        if (ReadWholeFile(path) != previous) {
            OverwriteFileInPlace(path, previous);
        }
        return true;
    } catch (...) {
        return false;
    }
}

// The replace was refused because another program holds the file open: the new bytes, taken from
// the temporary file, go into the file itself. When that fails, the refusal stays what the
// operator reads, and the backup's bytes go back into the file.
void OverwriteHeldFile(const std::string& path, const std::string& temporary,
                       const std::string& backup, const FileHeldOpenError& refusal) {
    try {
        OverwriteFileInPlace(path, ReadWholeFile(temporary));
    } catch (const FileSystemError& failure) {
        const std::string reason =
            std::string(refusal.what()) + "; writing into it failed too (" + failure.what() + ")";
        if (!HoldsTheBackupAgain(path, backup)) {
            throw IncompleteWriteError(reason + ", and it may be incomplete: \"" + backup +
                                       "\" holds its previous content");
        }
        throw FileSystemError(reason);
    }
}

}  // namespace

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

std::string BackupPathFor(const std::string& path) {
    return path + ".bak";
}

void WriteFileSafely(const std::string& path, std::string_view bytes) {
    WriteFileSafely(path, [bytes](ByteSink& sink) { sink.Write(bytes); });
}

void WriteFileSafely(const std::string& path, const FileContent& content) {
    const std::string temporary = TemporaryPathFor(path);
    const std::string backup = BackupPathFor(path);
    // What an interrupted restore left becomes the backup first, so that this write replaces it
    // by the current file as every write does.
    SettleInterruptedRestore(path);
    try {
        // The backup comes after the new content is safely on the disk, so that a write that
        // fails early (a full disk) keeps the backup of the write before.
        {
            FileWriter file(temporary, path);
            content(file);
            file.Finish();
        }
        const Backup kept = KeepBackup(path, backup);
        try {
            ReplaceFileAtomically(temporary, path);
        } catch (const FileHeldOpenError& refusal) {
            if (kept != Backup::Copy) {
                throw;  // nothing of its own to restore from
            }
            OverwriteHeldFile(path, temporary, backup, refusal);
            RemoveFileQuietly(temporary);
        }
    } catch (...) {
        RemoveFileQuietly(temporary);
        throw;
    }
}

}  // namespace zarvek
