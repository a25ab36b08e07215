#include "cli/cli_context.h"
#include "cli/cli_dialogs.h"
#include "cli/command_line_number.h"
#include "cli/commands.h"
#include "cli/outcome_exit_codes.h"
#include "cli/seat_entry.h"
#include "form/check_pattern.h"
#include "strings/string_ids.h"

namespace zarvek::cli {
namespace {

void WriteDirections(const FormModel& form, CommandReport& report) {
    constexpr Axis kAxes[] = {Axis::I, Axis::J, Axis::K};
    if (!report.json()) {
        for (int seat = 0; seat < 3; ++seat) {
            report.terminal().Out(form.Text(SeatField(Axis::I, seat)) + "," +
                                  form.Text(SeatField(Axis::J, seat)) + "," +
                                  form.Text(SeatField(Axis::K, seat)) + "\n");
        }
        return;
    }
    JsonWriter& json = report.Members().Key("directions").BeginArray();
    for (int seat = 0; seat < 3; ++seat) {
        json.BeginArray();
        for (const Axis axis : kAxes) {
            // Check Pattern wrote each as a five-decimal number with "."
            json.Number(form.Text(SeatField(axis, seat)));
        }
        json.EndArray();
    }
    json.EndArray();
}

}  // namespace

ExitCode RunCheck(const Invocation& invocation, CommandReport& report) {
    CliDialogs dialogs(report, {.yes = false, .acceptSpread = invocation.acceptSpread});
    FormModel form(dialogs);
    TypeIntoForm(form, invocation, false, CommandLineLocale());
    const CheckOutcome outcome =
        CheckPattern(form, CliCommandContext(dialogs, report, ""), SeatFields());
    if (IsPass(outcome)) {
        WriteDirections(form, report);
        report.Result(kPatternIsGood);
    }
    return report.End(EndingOf(outcome));
}

}  // namespace zarvek::cli
