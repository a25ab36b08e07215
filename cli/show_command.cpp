#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "form/placeholders.h"
#include "platform/file_system.h"
#include "storage/text_lines.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {
namespace {

// Prints the file's lines, decoded from the file's code page, each followed by "\n" whatever
// ended it (CR LF, a lone CR or LF, or the file's end), gathered into large pieces: a 6 MB file
// costs a few hundred writes and no copy of its own size.
void PrintLines(TextLines& lines, Terminal& terminal) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    piece.reserve(kPiece);
    while (const auto line = lines.Next()) {
        piece.append(*line);
        piece.push_back('\n');
        if (piece.size() >= kPiece) {
            terminal.Out(piece);
            piece.clear();
        }
    }
    terminal.Out(piece);
}

}  // namespace

ExitCode RunShow(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language, {});
    const std::optional<std::string> path =
        ResolveExistingGridFile(invocation.file, dialogs, terminal, language);
    if (!path) {
        return ExitCode::FileProblem;
    }
    try {
        FileReader file(*path);
        TextLines lines(file);
        PrintLines(lines, terminal);
    } catch (const FileSystemError& error) {
        dialogs.Ask(Message{
            FillPlaceholders(LookupString(kFileCannotBeShown, language), {*path, error.what()}),
            LookupString(kCannotOpenFileTitle, language), Buttons::Ok, Icon::Critical});
        return ExitCode::FileProblem;
    }
    return ExitCode::Done;
}

}  // namespace zarvek::cli
