#include "cli/cli_dialogs.h"
#include "cli/command_line_number.h"
#include "cli/commands.h"
#include "cli/outcome_exit_codes.h"
#include "cli/seat_entry.h"
#include "cli/terminal_text.h"
#include "form/check_pattern.h"
#include "strings/string_ids.h"

namespace zarvek::cli {

ExitCode RunCheck(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language, {.yes = false, .acceptSpread = invocation.acceptSpread});
    FormModel form(dialogs);
    TypeIntoForm(form, invocation, false, CommandLineLocale());
    const CommandContext context{dialogs, language, CommandLineLocale(), ""};
    const CheckOutcome outcome = CheckPattern(form, context, SeatFields());
    if (!IsPass(outcome)) {
        return ExitCodeOf(outcome);
    }
    for (int seat = 0; seat < 3; ++seat) {
        terminal.Out(form.Text(SeatField(Axis::I, seat)) + "," +
                     form.Text(SeatField(Axis::J, seat)) + "," +
                     form.Text(SeatField(Axis::K, seat)) + "\n");
    }
    terminal.Out(Line(LookupString(kPatternIsGood, language)));
    return ExitCode::Done;
}

}  // namespace zarvek::cli
