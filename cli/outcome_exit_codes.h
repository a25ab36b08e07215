#pragma once

#include "cli/exit_codes.h"
#include "form/check_pattern.h"
#include "form/correction_commands.h"
#include "form/write_commands.h"

namespace zarvek::cli {

// How the form's commands end for the tool: the exit status by cause, and the outcome's name
// for scripts (the enumerator's name in lower camel case, "lengthsTooAlike", except where noted).

// Check Pattern: Done for a pass (also with the spread accepted), Refused for every check that
// failed (a blank field, a direction that is no vector, lengths, rotation, a spread not
// accepted), Usage for a value that is not a number (the command line's own check lets none
// through), FileProblem for an unexpected failure.
Ending EndingOf(CheckOutcome outcome);

// Make or Add: Done when written, NotConfirmed when the replace was declined, Refused for the
// probe diameter, redundant lengths, a full grid file and a name the file cannot hold,
// FileProblem for a missing ("noGridFile"), unreadable or unwritable grid file, one that is no
// grid file and an unexpected failure, Usage for an entry that is not a number, Busy when another
// writer held the grid file's lock for the whole wait.
Ending EndingOf(WriteCommandOutcome outcome);

// remove or restore, by the same causes: Done ("removed", "restored"), NotConfirmed when declined,
// Refused when the part is no longer where it was or the backup was replaced meanwhile,
// FileProblem for a file or backup that is missing, unreadable, no grid file or unwritable, Busy
// when another writer held the lock for the whole wait.
Ending EndingOf(CorrectionOutcome outcome, bool restore);

}  // namespace zarvek::cli
