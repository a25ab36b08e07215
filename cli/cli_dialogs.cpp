#include "cli/cli_dialogs.h"

#include <algorithm>
#include <cctype>

#include "cli/terminal_text.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"

namespace zarvek::cli {

CliDialogs::CliDialogs(Terminal& terminal, Language language, Flags flags)
    : terminal_(terminal), language_(language), flags_(flags) {}

Answer CliDialogs::Ask(const Message& message) {
    if (IsConfirmation(message)) {
        return AskConfirmation(message);
    }
    if (message.buttons == Buttons::YesNoCancel &&
        message.title == LookupString(kInsufficientSpreadTitle, language_)) {
        return AskSpread(message);
    }
    terminal_.Err(MessageLines(message));
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
           (message.prompt == LookupString(kReplaceInstalledGridFile, language_) ||
            message.title == LookupString(kRemovePart, language_) ||
            message.title == LookupString(kRestorePreviousGridFileTitle, language_));
}

Answer CliDialogs::AskConfirmation(const Message& message) {
    if (flags_.yes) {
        confirmation_ = Confirmation::ConfirmedByFlag;
        return Answer::Yes;
    }
    if (!terminal_.Interactive()) {
        confirmation_ = Confirmation::NoTerminal;
        return Answer::No;
    }
    // In a terminal Enter means No, unlike the window's default button: a script's stray newline
    // must not replace a file.
    terminal_.Err(WithNewlines(message.prompt) + LookupString(kCliReplaceAnswers, language_));
    const std::optional<std::string> typed = terminal_.ReadLine();
    if (!typed) {
        terminal_.Err("\n");
    }
    const bool yes = typed && IsYesAnswer(*typed);
    confirmation_ = yes ? Confirmation::ConfirmedOnTerminal : Confirmation::RefusedOnTerminal;
    return yes ? Answer::Yes : Answer::No;
}

Answer CliDialogs::AskSpread(const Message& message) {
    // The window asks "<verdict>Continue Anyway?"; here the flag answers, so only the verdict is
    // printed, followed by what the flag did or would do.
    std::string verdict = message.prompt;
    const std::string question = LookupString(kContinueAnyway, language_);
    if (verdict.size() >= question.size() &&
        verdict.compare(verdict.size() - question.size(), question.size(), question) == 0) {
        verdict.resize(verdict.size() - question.size());
    }
    terminal_.Err(MessageLines(Message{verdict, message.title, Buttons::Ok, message.icon}));
    terminal_.Err(Line(
        LookupString(flags_.acceptSpread ? kCliSpreadAccepted : kCliSpreadRefused, language_)));
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
