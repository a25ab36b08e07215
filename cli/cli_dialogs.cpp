#include "cli/cli_dialogs.h"

#include <algorithm>
#include <cctype>

#include "cli/terminal_text.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {

CliDialogs::CliDialogs(CommandReport& report, Flags flags) : report_(report), flags_(flags) {}

Answer CliDialogs::Ask(const Message& message) {
    if (IsConfirmation(message)) {
        return AskConfirmation(message);
    }
    if (message.buttons == Buttons::YesNoCancel &&
        message.title == LookupString(kInsufficientSpreadTitle, report_.language())) {
        return AskSpread(message);
    }
    report_.Show(message);
    switch (message.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::YesNoCancel:
            return Answer::Cancel;
    }
    return Answer::No;
}

bool CliDialogs::IsConfirmation(const Message& message) const {
    return message.buttons == Buttons::YesNo &&
           (message.prompt == LookupString(kReplaceInstalledGridFile, report_.language()) ||
            message.title == LookupString(kRemovePart, report_.language()) ||
            message.title == LookupString(kRestorePreviousGridFileTitle, report_.language()));
}

Answer CliDialogs::AskConfirmation(const Message& message) {
    if (flags_.yes) {
        confirmation_ = Confirmation::ConfirmedByFlag;
        return Answer::Yes;
    }
    Terminal& terminal = report_.terminal();
    if (!terminal.Interactive()) {
        confirmation_ = Confirmation::NoTerminal;
        return Answer::No;
    }
    // In a terminal Enter means No, unlike the window's default button: a script's stray newline
    // must not replace a file.
    terminal.Err(WithNewlines(message.prompt) +
                 LookupString(kCliReplaceAnswers, report_.language()));
    const std::optional<std::string> typed = terminal.ReadLine();
    if (!typed) {
        terminal.Err("\n");
    }
    const bool yes = typed && IsYesAnswer(*typed);
    confirmation_ = yes ? Confirmation::ConfirmedOnTerminal : Confirmation::RefusedOnTerminal;
    return yes ? Answer::Yes : Answer::No;
}

Answer CliDialogs::AskSpread(const Message& message) {
    // The window asks "<verdict>Continue Anyway?"; here the flag answers, so only the verdict is
    // printed, followed by what the flag did or would do.
    std::string verdict = message.prompt;
    const std::string question = LookupString(kContinueAnyway, report_.language());
    if (verdict.size() >= question.size() &&
        verdict.compare(verdict.size() - question.size(), question.size(), question) == 0) {
        verdict.resize(verdict.size() - question.size());
    }
    report_.Show(
        Message{verdict, message.title, Buttons::Ok, message.icon, Answer::Ok, message.textId});
    report_.Say(flags_.acceptSpread ? kCliSpreadAccepted : kCliSpreadRefused, {});
    return flags_.acceptSpread ? Answer::Yes : Answer::No;
}

bool IsYesAnswer(const std::string& typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    std::string word = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word == "y" || word == "yes" || word == "j" || word == "ja";
}

}  // namespace zarvek::cli
