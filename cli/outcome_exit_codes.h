#pragma once

#include "cli/exit_codes.h"
#include "form/check_pattern.h"
#include "form/correction_commands.h"
#include "form/write_commands.h"

namespace zarvek::cli {

// The exit status for how Check Pattern ended: Done for a pass (also with the spread accepted),
// Refused for every check that failed (a blank field, a direction that is no vector, lengths,
// rotation, a spread not accepted), Usage for a value that is not a number (the command line's
// own check lets none through), FileProblem for an unexpected failure.
ExitCode ExitCodeOf(CheckOutcome outcome);

// The exit status for how Make or Add ended: Done when written, NotConfirmed when the replace
// was declined, Refused for the probe diameter, redundant lengths and a full grid file,
// FileProblem for a missing, unreadable or unwritable grid file, one that is no grid file and
// an unexpected failure, Usage for an entry that is not a number, Busy when another writer held
// the grid file's lock for the whole wait.
ExitCode ExitCodeOf(WriteCommandOutcome outcome);

// The exit status for how remove or restore ended, by the same causes: Done when done,
// NotConfirmed when declined, Refused when the part is no longer where it was or the backup was
// replaced meanwhile, FileProblem for a file or backup that is missing, unreadable, no grid file
// or unwritable, Busy when another writer held the lock for the whole wait.
ExitCode ExitCodeOf(CorrectionOutcome outcome);

}  // namespace zarvek::cli
