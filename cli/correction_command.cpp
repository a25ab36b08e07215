#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_dialogs.h"
#include "cli/command_line_number.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/outcome_exit_codes.h"
#include "cli/terminal_text.h"
#include "form/command_messages.h"
#include "form/correction_commands.h"
#include "form/placeholders.h"
#include "storage/grid_file_io.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {
namespace {

// A name of many parts lists this many of their numbers.
constexpr std::size_t kNumbersListed = 10;

void Say(Terminal& terminal, Language language, CliStringId id,
         std::initializer_list<std::string_view> args) {
    terminal.Err(Line(FillPlaceholders(LookupString(id, language), args)));
}

// The numbers (from 1) of the parts named `name`.
std::vector<std::size_t> PartsNamed(const GridFile& gridFile, const std::string& name) {
    std::vector<std::size_t> numbers;
    for (std::size_t position = 1; position <= gridFile.Parts.Count(); ++position) {
        if (gridFile.Parts.Item(position).sName == name) {
            numbers.push_back(position);
        }
    }
    return numbers;
}

std::string NumberList(const std::vector<std::size_t>& numbers) {
    std::string list;
    for (std::size_t i = 0; i < std::min(numbers.size(), kNumbersListed); ++i) {
        list += (i == 0 ? "" : ", ") + std::to_string(numbers[i]);
    }
    return numbers.size() > kNumbersListed ? list + ", ..." : list;
}

// The position of the part the command line names, or nothing after saying why there is none.
std::optional<std::size_t> ChosenPart(const Invocation& invocation, const GridFile& gridFile,
                                      const std::string& path, Terminal& terminal,
                                      Language language) {
    const std::size_t count = gridFile.Parts.Count();
    if (invocation.part) {
        const auto number = static_cast<std::size_t>(*invocation.part);
        if (number > count) {
            Say(terminal, language, kCliNoPartNumber,
                {path, std::to_string(count), std::to_string(number)});
            return std::nullopt;
        }
        return number;
    }
    const std::vector<std::size_t> numbers = PartsNamed(gridFile, invocation.name);
    if (numbers.empty()) {
        Say(terminal, language, kCliNoPartNamed, {path, invocation.name});
        return std::nullopt;
    }
    if (numbers.size() > 1) {
        Say(terminal, language, kCliPartNameAmbiguous,
            {path, std::to_string(numbers.size()), invocation.name, NumberList(numbers)});
        return std::nullopt;
    }
    return numbers.front();
}

bool WithoutTerminal(const CliDialogs& dialogs) {
    return dialogs.confirmation() == CliDialogs::Confirmation::NoTerminal;
}

}  // namespace

ExitCode RunRemove(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language, {.yes = invocation.yes});
    const std::optional<std::string> path =
        ResolveExistingGridFile(invocation.file, dialogs, terminal, language);
    if (!path) {
        return ExitCode::FileProblem;
    }
    const CommandContext context{dialogs, language, CommandLineLocale(), *path};
    std::optional<GridFile> gridFile;
    try {
        gridFile = MakeGridFileObj(*path);
    } catch (const std::exception& error) {
        ShowOkMessage(
            context,
            FillPlaceholders(LookupString(kRemoveFileUnreadable, language), {error.what()}),
            LookupString(kCannotReadGridFileTitle, language), Icon::Critical);
        return ExitCode::FileProblem;
    }
    if (!gridFile) {
        ShowOkMessage(context,
                      FillPlaceholders(LookupString(kRemoveNotAGridFile, language), {*path}),
                      LookupString(kNotAGridFileTitle, language), Icon::Critical);
        return ExitCode::FileProblem;
    }
    const std::optional<std::size_t> position =
        ChosenPart(invocation, *gridFile, *path, terminal, language);
    if (!position) {
        return ExitCode::Refused;
    }
    // The part as read; the command compares it again under the lock.
    const Part shown = gridFile->Parts.Item(*position);
    const CorrectionOutcome outcome = RemovePartAfterAsking(context, *position, shown);
    const std::string number = std::to_string(*position);
    if (outcome == CorrectionOutcome::Done) {
        Say(terminal, language, kCliRemoved, {*path, number, shown.sName});
    } else if (outcome == CorrectionOutcome::Declined) {
        Say(terminal, language,
            WithoutTerminal(dialogs) ? kCliNotRemovedNoTerminal : kCliNotRemoved,
            {*path, number, shown.sName});
    }
    return ExitCodeOf(outcome);
}

ExitCode RunRestore(const Invocation& invocation, Terminal& terminal, Language language) {
    CliDialogs dialogs(terminal, language, {.yes = invocation.yes});
    const std::optional<std::string> path =
        ResolveGridFilePath(invocation.file, dialogs, terminal, language, "--file PATH");
    if (!path) {
        return ExitCode::FileProblem;
    }
    const CorrectionOutcome outcome =
        RestorePreviousGridFile(CommandContext{dialogs, language, CommandLineLocale(), *path});
    if (outcome == CorrectionOutcome::Done) {
        Say(terminal, language, kCliRestored, {*path});
    } else if (outcome == CorrectionOutcome::Declined) {
        Say(terminal, language,
            WithoutTerminal(dialogs) ? kCliNotRestoredNoTerminal : kCliNotRestored, {*path});
    }
    return ExitCodeOf(outcome);
}

}  // namespace zarvek::cli
