#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "form/placeholders.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/utf8.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {
namespace {

// Prints the file's text with every line end (CR LF, or a lone CR or LF) as "\n" and a "\n" after
// a last line without one, decoded from the file's code page, piece by piece: no copy of the
// whole file is made. A CR is left out and a LF after it starts the next piece.
void PrintText(std::string_view bytes, Terminal& terminal) {
    const bool ascii = IsAscii(bytes);
    const auto print = [&](std::string_view piece) {
        terminal.Out(ascii ? piece : std::string_view(AnsiToUtf8(piece)));
    };
    std::size_t at = 0;
    for (std::size_t cr = bytes.find('\r'); cr != std::string_view::npos;
         cr = bytes.find('\r', at)) {
        print(bytes.substr(at, cr - at));
        at = cr + 1;
        if (at == bytes.size() || bytes[at] != '\n') {
            terminal.Out("\n");  // a lone CR
        }
    }
    print(bytes.substr(at));
    if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') {
        terminal.Out("\n");
    }
}

}  // namespace

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
    PrintText(bytes, terminal);
    return ExitCode::Done;
}

}  // namespace zarvek::cli
