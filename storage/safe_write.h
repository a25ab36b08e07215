#pragma once

#include <string>

namespace zarvek {

// The name of the temporary file beside `path` that WriteFileSafely writes first ("Gridfile.dat"
// gives "Gridfile.dat.tmp"). It is fixed, so a temporary file left behind by a crash is reused
// and removed by the next write.
std::string TemporaryPathFor(const std::string& path);

// The name of the backup beside `path` that keeps the previous content ("Gridfile.dat.bak").
std::string BackupPathFor(const std::string& path);

// Stores `bytes` as the whole content of the file at `path` so that no failure leaves that file
// empty, incomplete or lost, and keeps the content it replaces as BackupPathFor(path):
// 1. the bytes go to TemporaryPathFor(path) and are flushed to the disk;
// 2. when a file exists at `path`, the backup is made from it (an earlier backup is replaced):
//    a second name for the same file where the file system has hard links, otherwise a copy
//    flushed to the disk; the file at `path` itself is never moved or renamed away;
// 3. the temporary file replaces the file at `path` in one step.
// At every moment, a crash included, a complete file (the old or the new) is at `path`.
// Throws FileSystemError when anything fails, also when a folder is at `path`; the file at
// `path` is then exactly as it was and no temporary file is left behind (the backup may already
// hold the current content). Two writers of the same path must not run at once: they would share
// the temporary file (GridFileLock keeps them apart).
void WriteFileSafely(const std::string& path, const std::string& bytes);

}  // namespace zarvek
