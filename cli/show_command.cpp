#include <exception>

#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "form/placeholders.h"
#include "platform/file_system.h"
#include "storage/text_lines.h"
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

// The same lines as the members "lines" of the report's JSON object, in pieces too.
void WriteLines(TextLines& lines, CommandReport& report) {
    JsonWriter& json = report.Members().Key("lines").BeginArray();
    while (const auto line = lines.Next()) {
        json.String(*line);
        report.FlushWhenLarge();
    }
    json.EndArray();
}

}  // namespace

ExitCode RunShow(const Invocation& invocation, CommandReport& report) {
    CliDialogs dialogs(report, {});
    const GridFileChoice found = ResolveExistingGridFile(invocation.file, dialogs, report);
    if (const Ending* ending = std::get_if<Ending>(&found)) {
        return report.End(*ending);
    }
    const std::string& path = std::get<std::string>(found);
    try {
        FileReader file(path);
        TextLines lines(file);
        if (report.json()) {
            WriteLines(lines, report);
        } else {
            PrintLines(lines, report.terminal());
        }
    } catch (const std::exception& error) {
        // For a script the lines read so far stay in the object, which End closes.
        dialogs.Ask(Message{FillPlaceholders(LookupString(kFileCannotBeShown, report.language()),
                                             {path, error.what()}),
                            LookupString(kCannotOpenFileTitle, report.language()), Buttons::Ok,
                            Icon::Critical, Answer::Ok, kFileCannotBeShown});
        return report.End({ExitCode::FileProblem, "readFailed"});
    }
    return report.End({ExitCode::Done, "shown"});
}

}  // namespace zarvek::cli
