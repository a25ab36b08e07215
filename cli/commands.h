#pragma once

#include "cli/arguments.h"
#include "cli/command_report.h"
#include "cli/exit_codes.h"

namespace zarvek::cli {

// The subcommands. Each prints its results to standard output and says everything else through
// `report` (CommandReport: lines on standard error, or one JSON object with --json), ends the
// report and returns the exit status; none throws for anything a user can cause. The JSON
// object's own members of each command are named below.

// check: types the seats into the form and runs Check Pattern with only the seat fields in the
// blank test. On a pass prints the three rewritten directions ("0.00000,0.00000,1.00000", one
// seat a line) and "Pattern is Good!"; for a script the directions are "directions", three
// arrays of three numbers.
ExitCode RunCheck(const Invocation& invocation, CommandReport& report);

// make and add: finds the grid file, types every value into the form, runs Check Pattern over
// all twenty fields, refuses a name with a line break, then runs Make or Add as the window does
// (which refuses a name the file cannot hold). A part written is reported as "part" and "name".
ExitCode RunWrite(const Invocation& invocation, CommandReport& report);

// remove: finds the grid file and the part that --part or --name names (a name of several parts
// is refused, listing their numbers), then runs Remove Part as the window does, the question
// answered as CliDialogs answers confirmations. Says what became of the part ("part", "name").
ExitCode RunRemove(const Invocation& invocation, CommandReport& report);

// restore: runs Restore Previous Grid File on the grid file as the window does, the question
// answered as CliDialogs answers confirmations. Says what became of the file.
ExitCode RunRestore(const Invocation& invocation, CommandReport& report);

// show: prints the grid file's text decoded from the code page, line ends as "\n"; for a script
// "lines", an array of the lines' texts.
ExitCode RunShow(const Invocation& invocation, CommandReport& report);

// lint: reads the grid file and reports it, as text or with the members of LintJson; Done when no
// problem was found ("noProblems"), Refused otherwise ("problemsFound"). A file the reader
// refuses ends FileProblem, "readFailed", with the reader's message and "line" where it names one.
ExitCode RunLint(const Invocation& invocation, CommandReport& report);

}  // namespace zarvek::cli
