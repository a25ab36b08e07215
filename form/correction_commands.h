#pragma once

#include <cstddef>

#include "form/command_context.h"
#include "model/part.h"

namespace zarvek {

// How Remove Part or Restore Previous Grid File ended. Every ending but Done and Declined has
// shown one message.
enum class CorrectionOutcome {
    Done,           // the part was removed, or the backup restored
    Declined,       // the operator answered No; nothing changed
    PartNotThere,   // remove: the file no longer holds the part shown at its position
    NotAGridFile,   // remove: the file's first line holds no "$"
    NoBackup,       // restore: there is no backup
    BackupChanged,  // restore: another writer replaced the backup since it was read
    ReadFailed,     // the file (remove) or its backup (restore) could not be read
    WriteFailed,    // the file could not be written; it is as it was
    Busy,           // another writer held the grid file's lock for the whole wait
};

// Remove Part: asks whether to remove `shown`, the part at `position` (from 1) of the grid file at
// the context's path (string 1117 as title, 1118 naming the part's number and name and the file,
// Yes and No, the question icon, No the default), and on Yes removes it under the grid file's
// lock (RemovePart: read again, the part there compared with `shown` by name and seats, written
// without it, the backup kept, the host library called once after the lock is dropped). No ends
// Declined with nothing touched. A file that changed meanwhile so that another part, or none, is
// at the position ends PartNotThere with string 1119 and nothing written.
CorrectionOutcome RemovePartAfterAsking(const CommandContext& context, std::size_t position,
                                        const Part& shown);

// Restore Previous Grid File: reads the backup of the grid file at the context's path
// (ReadGridFileBackup) and asks whether to put it back (title 1132; string 1125 naming the file,
// the backup's number of parts and its time of writing, and that the current file becomes the
// backup; 1126 when there is no current file; Yes and No, the question icon, No the default).
// On Yes takes the lock and restores it (RestoreGridFileBackup: the installed file exists at
// every moment, the host library called once). No backup ends NoBackup (string 1127); a backup
// that cannot be read or is no grid file ReadFailed; a backup replaced by another writer since
// it was read BackupChanged (1129), nothing changed.
CorrectionOutcome RestorePreviousGridFile(const CommandContext& context);

// Whether Restore Previous Grid File has something to restore for the grid file at `path`.
bool CanRestorePreviousGridFile(const std::string& path);

}  // namespace zarvek
