#include "cli/cli_dialogs.h"
#include "cli/command_line_number.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/outcome_exit_codes.h"
#include "cli/seat_entry.h"
#include "cli/terminal_text.h"
#include "form/check_pattern.h"
#include "form/placeholders.h"
#include "form/write_commands.h"
#include "strings/cli_string_ids.h"

namespace zarvek::cli {
namespace {

void Say(Terminal& terminal, Language language, CliStringId id, const std::string& path) {
    terminal.Err(Line(FillPlaceholders(LookupString(id, language), {path})));
}

// After the write: what became of the file, when the commands themselves say nothing.
void ReportEnding(WriteCommandOutcome outcome, const CliDialogs& dialogs, Terminal& terminal,
                  Language language, const std::string& path) {
    if (outcome == WriteCommandOutcome::Written) {
        Say(terminal, language, kCliWritten, path);
    } else if (outcome == WriteCommandOutcome::Declined) {
        Say(terminal, language,
            dialogs.confirmation() == CliDialogs::Confirmation::NoTerminal
                ? kCliNotReplacedNoTerminal
                : kCliNotReplaced,
            path);
    }
}

}  // namespace

ExitCode RunWrite(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language,
                       {.yes = invocation.yes, .acceptSpread = invocation.acceptSpread});
    const std::optional<std::string> path =
        ResolveGridFilePath(invocation.file, dialogs, terminal, language, "--file PATH");
    if (!path) {
        return ExitCode::FileProblem;
    }

    FormModel form(dialogs);
    TypeIntoForm(form, invocation, true, CommandLineLocale());
    const CommandContext context{dialogs, language, CommandLineLocale(), *path};
    const CheckOutcome check = CheckPattern(form, context, AllFields());
    if (!IsPass(check)) {
        return ExitCodeOf(check);
    }
    // The writer would refuse it too, but as a failure to write; it is the entry that is wrong.
    if (invocation.name.find_first_of("\r\n") != std::string::npos) {
        terminal.Err(Line(LookupString(kCliNameHasLineBreak, language)));
        return ExitCode::Refused;
    }

    const WriteCommandOutcome outcome = invocation.command == Command::Make
                                            ? MakeGridFile(form, context)
                                            : AddToGridFile(form, context);
    ReportEnding(outcome, dialogs, terminal, language, *path);
    return ExitCodeOf(outcome);
}

}  // namespace zarvek::cli
