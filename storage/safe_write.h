#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace zarvek {

// The name of the temporary file beside `path` that WriteFileSafely writes first ("Gridfile.dat"
// gives "Gridfile.dat.tmp"). It is fixed, so a temporary file left behind by a crash is reused
// and removed by the next write.
std::string TemporaryPathFor(const std::string& path);

// The name of the backup beside `path` that keeps the previous content ("Gridfile.dat.bak").
std::string BackupPathFor(const std::string& path);

// Thrown by WriteFileSafely when the file could be neither replaced nor written in place, and
// its previous content could not be put back either: the file may then be incomplete, and the
// backup holds its previous content. The message says so.
class IncompleteWriteError : public FileSystemError {
  public:
    using FileSystemError::FileSystemError;
};

// Stores `bytes` as the whole content of the file at `path` so that no failure leaves that file
// empty, incomplete or lost, and keeps the content it replaces as BackupPathFor(path). First it
// finishes a restore that was interrupted (SettleInterruptedRestore, storage/backup_swap.h); then
// 1. the bytes go to TemporaryPathFor(path) and are flushed to the disk;
// 2. when a file exists at `path`, the backup is made from it (an earlier backup is replaced):
//    a second name for the same file where the file system has hard links, otherwise a copy
//    flushed to the disk; a copy also when another program holds the file open against the
//    replace (see 4); the file at `path` itself is never moved or renamed away;
// 3. the temporary file replaces the file at `path` in one step;
// 4. only when that replace is refused because another program holds the file open
//    (FileHeldOpenError) and the backup is a copy: the bytes are written into the file itself
//    (OverwriteFileInPlace), and the temporary file is removed. When that fails too, the backup's
//    bytes are written back and the refusal is thrown.
// At every moment, a crash included, a complete file (the old or the new) is at `path`, except
// during step 4: a crash then may leave a mix, with the old content in the backup and the new one
// in the temporary file.
// Throws FileSystemError when anything fails, also when a folder is at `path`; the file at
// `path` is then exactly as it was and no temporary file is left behind (the backup may already
// hold the current content), except for IncompleteWriteError above. Two writers of the same path
// must not run at once: they would share the temporary file (GridFileLock keeps them apart).
void WriteFileSafely(const std::string& path, std::string_view bytes);

// The same for content made piece by piece: `content` writes the whole content to the sink it is
// given, and is called once. Whatever it throws leaves things as a failed write does.
using FileContent = std::function<void(ByteSink&)>;
void WriteFileSafely(const std::string& path, const FileContent& content);

}  // namespace zarvek
