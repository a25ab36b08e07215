#include "cli/run_zarvek_grid.h"

#include <exception>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "form/placeholders.h"

namespace zarvek::cli {
namespace {

// Fills "%1" .. "%9" from `args` in one pass, as FillPlaceholders does for a fixed list.
std::string Filled(std::string_view text, const std::vector<std::string>& args) {
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9' &&
            static_cast<std::size_t>(text[at + 1] - '1') < args.size()) {
            filled += args[static_cast<std::size_t>(text[at + 1] - '1')];
            ++at;
        } else {
            filled.push_back(text[at]);
        }
    }
    return filled;
}

ExitCode ReportUsageError(const UsageError& error, Terminal& terminal, Language language) {
    terminal.Err(Line("zarvek-grid: " + Filled(LookupString(error.text, language), error.args)) +
                 Line(LookupString(kCliUsageHint, language)));
    return ExitCode::Usage;
}

ExitCode Run(const Invocation& invocation, Terminal& terminal, Language language) {
    switch (invocation.command) {
        case Command::Help:
            terminal.Out(LookupString(kCliHelp, language));
            return ExitCode::Done;
        case Command::Check:
            return RunCheck(invocation, terminal, language);
        case Command::Make:
        case Command::Add:
            return RunWrite(invocation, terminal, language);
        case Command::Remove:
            return RunRemove(invocation, terminal, language);
        case Command::Restore:
            return RunRestore(invocation, terminal, language);
        case Command::Show:
            return RunShow(invocation, terminal, language);
        case Command::Lint:
            return RunLint(invocation, terminal, language);
    }
    return ExitCode::Usage;
}

}  // namespace

int RunZarvekGrid(const std::vector<std::string>& words, Terminal& terminal, Language language) {
    ExitCode code = ExitCode::FileProblem;
    try {
        const auto parsed = ParseArguments(words);
        if (const auto* error = std::get_if<UsageError>(&parsed)) {
            return ToInt(ReportUsageError(*error, terminal, language));
        }
        code = Run(std::get<Invocation>(parsed), terminal, language);
    } catch (const std::exception& error) {
        terminal.Err(
            Line(FillPlaceholders(LookupString(kCliUnknownFailure, language), {error.what()})));
        return ToInt(ExitCode::FileProblem);
    }
    if (!terminal.Finish()) {
        return ToInt(ExitCode::FileProblem);
    }
    return ToInt(code);
}

}  // namespace zarvek::cli
