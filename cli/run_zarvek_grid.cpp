#include "cli/run_zarvek_grid.h"

#include <exception>
#include <optional>

#include "cli/arguments.h"
#include "cli/command_report.h"
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

ExitCode ReportUsageError(const std::vector<std::string>& words, const UsageError& error,
                          Terminal& terminal, Language language) {
    const bool json = AsksForJson(words);
    CommandReport report(json ? std::optional(words[0]) : std::nullopt, false, terminal, language,
                         json);
    std::string text = Filled(LookupString(error.text, language), error.args);
    // A person is pointed to the help on the same line; a script reads the reason alone.
    if (!json) {
        text += " " + LookupString(kCliUsageHint, language);
    }
    report.Say(error.text, text);
    return report.End({ExitCode::Usage, "usageError"});
}

ExitCode RunCommand(const Invocation& invocation, CommandReport& report) {
    switch (invocation.command) {
        case Command::Check:
            return RunCheck(invocation, report);
        case Command::Make:
        case Command::Add:
            return RunWrite(invocation, report);
        case Command::Remove:
            return RunRemove(invocation, report);
        case Command::Restore:
            return RunRestore(invocation, report);
        case Command::Show:
            return RunShow(invocation, report);
        case Command::Lint:
            return RunLint(invocation, report);
        case Command::Help:
        case Command::Version:
            break;
    }
    return ExitCode::Usage;
}

ExitCode Run(const Invocation& invocation, Terminal& terminal, Language language) {
    if (invocation.command == Command::Help) {
        terminal.Out(LookupString(kCliHelp, language));
        return ExitCode::Done;
    }
    if (invocation.command == Command::Version) {
        terminal.Out(std::string("zarvek-grid ") + ZARVEK_VERSION + "\n");
        return ExitCode::Done;
    }
    CommandReport report(CommandWord(invocation.command), invocation.command != Command::Check,
                         terminal, language, invocation.json);
    try {
        return RunCommand(invocation, report);
    } catch (const std::exception& error) {
        report.Say(kCliUnknownFailure, {error.what()});
        return report.End({ExitCode::FileProblem, "failed"});
    }
}

}  // namespace

int RunZarvekGrid(const std::vector<std::string>& words, Terminal& terminal, Language language) {
    ExitCode code = ExitCode::FileProblem;
    try {
        const auto parsed = ParseArguments(words);
        if (const auto* error = std::get_if<UsageError>(&parsed)) {
            return ToInt(ReportUsageError(words, *error, terminal, language));
        }
        code = Run(std::get<Invocation>(parsed), terminal, language);
    } catch (const std::exception& error) {
        terminal.Err(MessageLine(
            "zarvek-grid",
            FillPlaceholders(LookupString(kCliUnknownFailure, language), {error.what()})));
        return ToInt(ExitCode::FileProblem);
    }
    if (!terminal.Finish()) {
        return ToInt(ExitCode::FileProblem);
    }
    return ToInt(code);
}

}  // namespace zarvek::cli
