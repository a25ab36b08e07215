#include <exception>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/lint_output.h"
#include "cli/lint_report.h"
#include "platform/file_system.h"
#include "storage/grid_file_io.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {

ExitCode RunLint(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language, {});
    const std::optional<std::string> path =
        ResolveExistingGridFile(invocation.file, dialogs, terminal, language);
    if (!path) {
        return ExitCode::FileProblem;
    }
    std::optional<GridFile> gridFile;
    try {
        gridFile = MakeGridFileObj(*path);
    } catch (const std::exception& error) {
        dialogs.Ask(Message{error.what(), LookupString(kCannotReadGridFileTitle, language),
                            Buttons::Ok, Icon::Critical});
        return ExitCode::FileProblem;
    }
    const LintReport report = gridFile ? LintGridFile(*gridFile) : LintNotAGridFile();
    if (invocation.json) {
        terminal.Out(LintJson(report, *path, language));
    } else {
        WriteLintText(report, *path, language,
                      [&](std::string_view piece) { terminal.Out(piece); });
    }
    return report.problems.empty() ? ExitCode::Done : ExitCode::Refused;
}

}  // namespace zarvek::cli
