#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/terminal_text.h"
#include "form/placeholders.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {

ExitCode RunShow(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language, {});
    const std::optional<std::string> path =
        ResolveExistingGridFile(invocation.file, dialogs, terminal, language);
    if (!path) {
        return ExitCode::FileProblem;
    }
    std::string bytes;
    try {
        bytes = ReadWholeFile(*path);
    } catch (const FileSystemError& error) {
        dialogs.Ask(Message{
            FillPlaceholders(LookupString(kFileCannotBeShown, language), {*path, error.what()}),
            LookupString(kCannotOpenFileTitle, language), Buttons::Ok, Icon::Critical});
        return ExitCode::FileProblem;
    }
    const std::string text = WithNewlines(AnsiToUtf8(bytes));
    terminal.Out(text.empty() ? text : Line(text));
    return ExitCode::Done;
}

}  // namespace zarvek::cli
