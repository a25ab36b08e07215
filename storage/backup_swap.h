#pragma once

#include <string>

namespace zarvek {

// The name under which a restore keeps the file it replaces until that file has become the
// backup ("Gridfile.dat" gives "Gridfile.dat.bak.new"). It exists only while a restore runs, or
// after a restore was interrupted between its two renames.
std::string OutgoingPathFor(const std::string& path);

// Puts the backup BackupPathFor(path) in the place of the file at `path` and keeps the file it
// replaces as the backup, so that a restore can itself be undone by another:
// 1. a restore interrupted earlier is finished (SettleInterruptedRestore);
// 2. the file at `path` gets a second name, OutgoingPathFor(path): a hard link, or where the file
//    system has none a copy flushed to the disk (written beside it first and renamed into place);
// 3. the backup replaces the file at `path` in one step (ReplaceFileAtomically);
// 4. the second name is renamed to the backup's name.
// The restored file is the backup's own file, its bytes and its time of writing unchanged. Where
// another program holds the file at `path` open so that it cannot be replaced, and where no file
// is at `path`, the backup's bytes are stored with WriteFileSafely instead (the file replaced, if
// any, becoming the backup; with no file, the backup stays).
// At every moment, a crash included, a complete file is at `path`: the old one up to step 3, the
// restored one from then on (the one exception is WriteFileSafely's write into a held file). A
// crash between steps 3 and 4 leaves the replaced file under the outgoing name and no backup;
// the next restore or write (SettleInterruptedRestore) makes it the backup.
// Throws FileSystemError when there is no backup (or a folder at its name) or a step up to 3
// fails: every file is then as it was and no outgoing name is left. A failure of step 4 is not
// reported: the file is restored, and step 1 of the next restore or write finishes the job.
// Two callers for the same path must not run at once (GridFileLock keeps them apart).
void SwapWithBackup(const std::string& path);

// Finishes what an interrupted restore left: where there is no backup, the file under the
// outgoing name becomes the backup (it is complete: it was made before the backup left its
// name); where there is one, the outgoing name is a leftover of a restore that did not get as far
// as step 3 and is removed. Nothing to do: nothing happens. Never fails; called under the lock.
void SettleInterruptedRestore(const std::string& path) noexcept;

}  // namespace zarvek
