#include "cli/cli_context.h"
#include "cli/cli_dialogs.h"
#include "cli/command_line_number.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/outcome_exit_codes.h"
#include "cli/seat_entry.h"
#include "form/check_pattern.h"
#include "form/write_commands.h"
#include "strings/cli_string_ids.h"

namespace zarvek::cli {
namespace {

// After the write: what became of the file, when the commands themselves say nothing.
void ReportEnding(WriteCommandOutcome outcome, const CliDialogs& dialogs, CommandReport& report,
                  const std::string& path) {
    if (outcome == WriteCommandOutcome::Written) {
        report.Say(kCliWritten, {path});
    } else if (outcome == WriteCommandOutcome::Declined) {
        report.Say(dialogs.confirmation() == CliDialogs::Confirmation::NoTerminal
                       ? kCliNotReplacedNoTerminal
                       : kCliNotReplaced,
                   {path});
    }
}

}  // namespace

ExitCode RunWrite(const Invocation& invocation, CommandReport& report) {
    CliDialogs dialogs(report, {.yes = invocation.yes, .acceptSpread = invocation.acceptSpread});
    const GridFileChoice found =
        ResolveGridFilePath(invocation.file, dialogs, report, "--file PATH");
    if (const Ending* ending = std::get_if<Ending>(&found)) {
        return report.End(*ending);
    }
    const std::string& path = std::get<std::string>(found);

    FormModel form(dialogs);
    TypeIntoForm(form, invocation, true, CommandLineLocale());
    CommandContext context = CliCommandContext(dialogs, report, path);
    context.written = [&](const WrittenGridFile& written) {
        report.SetPart(written.partNumber, invocation.name);
    };
    const CheckOutcome check = CheckPattern(form, context, AllFields());
    if (!IsPass(check)) {
        return report.End(EndingOf(check));
    }
    // The writer would refuse it too, but as a failure to write; it is the entry that is wrong.
    if (invocation.name.find_first_of("\r\n") != std::string::npos) {
        report.Say(kCliNameHasLineBreak, {});
        return report.End({ExitCode::Refused, "nameHasLineBreak"});
    }

    const WriteCommandOutcome outcome = invocation.command == Command::Make
                                            ? MakeGridFile(form, context)
                                            : AddToGridFile(form, context);
    ReportEnding(outcome, dialogs, report, path);
    return report.End(EndingOf(outcome));
}

}  // namespace zarvek::cli
