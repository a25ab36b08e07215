#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/cli_context.h"
#include "cli/cli_dialogs.h"
#include "cli/commands.h"
#include "cli/grid_file_path.h"
#include "cli/outcome_exit_codes.h"
#include "form/command_messages.h"
#include "form/correction_commands.h"
#include "form/placeholders.h"
#include "storage/grid_file_io.h"
#include "strings/cli_string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {
namespace {

// A name of many parts lists this many of their numbers.
constexpr std::size_t kNumbersListed = 10;

constexpr Ending kNoSuchPart{ExitCode::Refused, "noSuchPart"};

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

// The position of the part the command line names, or how the command ends after saying why
// there is none.
std::variant<std::size_t, Ending> ChosenPart(const Invocation& invocation, const GridFile& gridFile,
                                             const std::string& path, CommandReport& report) {
    const std::size_t count = gridFile.Parts.Count();
    if (invocation.part) {
        const auto number = static_cast<std::size_t>(*invocation.part);
        if (number > count) {
            report.Say(kCliNoPartNumber, {path, std::to_string(count), std::to_string(number)});
            return kNoSuchPart;
        }
        return number;
    }
    const std::vector<std::size_t> numbers = PartsNamed(gridFile, invocation.name);
    if (numbers.empty()) {
        report.Say(kCliNoPartNamed, {path, invocation.name});
        return kNoSuchPart;
    }
    if (numbers.size() > 1) {
        report.Say(kCliPartNameAmbiguous,
                   {path, std::to_string(numbers.size()), invocation.name, NumberList(numbers)});
        return Ending{ExitCode::Refused, "partNameAmbiguous"};
    }
    return numbers.front();
}

Ending ShowUnreadable(const CommandContext& context, const std::exception& error) {
    ShowOkMessage(
        context,
        FillPlaceholders(LookupString(kRemoveFileUnreadable, context.language), {error.what()}),
        LookupString(kCannotReadGridFileTitle, context.language), Icon::Critical,
        kRemoveFileUnreadable);
    return Ending{ExitCode::FileProblem, "readFailed"};
}

// The grid file at the context's path as read, or how the command ends after saying why it
// cannot be.
std::variant<GridFile, Ending> ReadForRemove(const CommandContext& context, CommandReport& report) {
    const Language language = context.language;
    std::optional<GridFile> gridFile;
    try {
        gridFile = MakeGridFileObj(context.gridFilePath);
    } catch (const GridFileLineError& error) {
        report.SetLine(error.line());
        return ShowUnreadable(context, error);
    } catch (const std::exception& error) {
        return ShowUnreadable(context, error);
    }
    if (!gridFile) {
        ShowOkMessage(
            context,
            FillPlaceholders(LookupString(kRemoveNotAGridFile, language), {context.gridFilePath}),
            LookupString(kNotAGridFileTitle, language), Icon::Critical, kRemoveNotAGridFile);
        return Ending{ExitCode::FileProblem, "notAGridFile"};
    }
    return std::move(*gridFile);
}

bool WithoutTerminal(const CliDialogs& dialogs) {
    return dialogs.confirmation() == CliDialogs::Confirmation::NoTerminal;
}

}  // namespace

ExitCode RunRemove(const Invocation& invocation, CommandReport& report) {
    CliDialogs dialogs(report, {.yes = invocation.yes});
    const GridFileChoice found = ResolveExistingGridFile(invocation.file, dialogs, report);
    if (const Ending* ending = std::get_if<Ending>(&found)) {
        return report.End(*ending);
    }
    const std::string& path = std::get<std::string>(found);
    const CommandContext context = CliCommandContext(dialogs, report, path);
    const std::variant<GridFile, Ending> read = ReadForRemove(context, report);
    if (const Ending* ending = std::get_if<Ending>(&read)) {
        return report.End(*ending);
    }
    const GridFile& gridFile = std::get<GridFile>(read);
    const std::variant<std::size_t, Ending> chosen = ChosenPart(invocation, gridFile, path, report);
    if (const Ending* ending = std::get_if<Ending>(&chosen)) {
        return report.End(*ending);
    }
    const std::size_t position = std::get<std::size_t>(chosen);
    // The part as read; the command compares it again under the lock.
    const Part shown = gridFile.Parts.Item(position);
    report.SetPart(position, shown.sName);
    const CorrectionOutcome outcome = RemovePartAfterAsking(context, position, shown);
    const std::string number = std::to_string(position);
    if (outcome == CorrectionOutcome::Done) {
        report.Say(kCliRemoved, {path, number, shown.sName});
    } else if (outcome == CorrectionOutcome::Declined) {
        report.Say(WithoutTerminal(dialogs) ? kCliNotRemovedNoTerminal : kCliNotRemoved,
                   {path, number, shown.sName});
    }
    return report.End(EndingOf(outcome, false));
}

ExitCode RunRestore(const Invocation& invocation, CommandReport& report) {
    CliDialogs dialogs(report, {.yes = invocation.yes});
    const GridFileChoice found =
        ResolveGridFilePath(invocation.file, dialogs, report, "--file PATH");
    if (const Ending* ending = std::get_if<Ending>(&found)) {
        return report.End(*ending);
    }
    const std::string& path = std::get<std::string>(found);
    const CorrectionOutcome outcome =
        RestorePreviousGridFile(CliCommandContext(dialogs, report, path));
    if (outcome == CorrectionOutcome::Done) {
        report.Say(kCliRestored, {path});
    } else if (outcome == CorrectionOutcome::Declined) {
        report.Say(WithoutTerminal(dialogs) ? kCliNotRestoredNoTerminal : kCliNotRestored, {path});
    }
    return report.End(EndingOf(outcome, true));
}

}  // namespace zarvek::cli
