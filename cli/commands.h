#pragma once

#include "cli/arguments.h"
#include "cli/exit_codes.h"
#include "platform/terminal.h"
#include "strings/string_table.h"

namespace zarvek::cli {

// The subcommands. Each prints results to standard output and every message to standard error,
// in `language`, and returns the exit status; none throws for anything a user can cause.

// check: types the seats into the form and runs Check Pattern with only the seat fields in the
// blank test. On a pass prints the three rewritten directions ("0.00000,0.00000,1.00000", one
// seat a line) and "Pattern is Good!".
ExitCode RunCheck(const Invocation& invocation, Terminal& terminal, Language language);

// make and add: finds the grid file, types every value into the form, runs Check Pattern over
// all twenty fields, refuses a name with a line break, then runs Make or Add as the window does.
ExitCode RunWrite(const Invocation& invocation, Terminal& terminal, Language language);

// remove: finds the grid file and the part that --part or --name names (a name of several parts
// is refused, listing their numbers), then runs Remove Part as the window does, the question
// answered as CliDialogs answers confirmations. Says what became of the part.
ExitCode RunRemove(const Invocation& invocation, Terminal& terminal, Language language);

// restore: runs Restore Previous Grid File on the grid file as the window does, the question
// answered as CliDialogs answers confirmations. Says what became of the file.
ExitCode RunRestore(const Invocation& invocation, Terminal& terminal, Language language);

// show: prints the grid file's text decoded from the code page, line ends as "\n".
ExitCode RunShow(const Invocation& invocation, Terminal& terminal, Language language);

// lint: reads the grid file and reports it, as text or as one JSON object; Done when no
// problem was found, Refused otherwise.
ExitCode RunLint(const Invocation& invocation, Terminal& terminal, Language language);

}  // namespace zarvek::cli
