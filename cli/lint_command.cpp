#include <exception>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/lint_output.h"
#include "cli/lint_report.h"
#include "storage/grid_file_io.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {
namespace {

Ending ShowUnreadable(CliDialogs& dialogs, CommandReport& report, const std::exception& error) {
    dialogs.Ask(Message{error.what(), LookupString(kCannotReadGridFileTitle, report.language()),
                        Buttons::Ok, Icon::Critical});
    return Ending{ExitCode::FileProblem, "readFailed"};
}

}  // namespace

ExitCode RunLint(const Invocation& invocation, CommandReport& report) {
    CliDialogs dialogs(report, {});
    const GridFileChoice found = ResolveExistingGridFile(invocation.file, dialogs, report);
    if (const Ending* ending = std::get_if<Ending>(&found)) {
        return report.End(*ending);
    }
    const std::string& path = std::get<std::string>(found);
    LintJudge judge;
    std::optional<GridFileScan> scan;
    try {
        scan = ScanGridFile(
            path, [&](const Part& part) { judge.Add(part); },
            [&](const GridFileHeader& header) { judge.Reserve(header.iNumberOfParts); });
    } catch (const GridFileLineError& error) {
        report.SetLine(error.line());
        return report.End(ShowUnreadable(dialogs, report, error));
    } catch (const std::exception& error) {
        return report.End(ShowUnreadable(dialogs, report, error));
    }
    const LintReport lint = scan ? judge.Finish(scan->header) : LintNotAGridFile();
    if (report.json()) {
        WriteLintJson(lint, report.language(), report.Members(), [&] { report.FlushWhenLarge(); });
    } else {
        WriteLintText(lint, path, report.language(),
                      [&](std::string_view piece) { report.terminal().Out(piece); });
    }
    return report.End(lint.problems.empty() ? Ending{ExitCode::Done, "noProblems"}
                                            : Ending{ExitCode::Refused, "problemsFound"});
}

}  // namespace zarvek::cli
