#pragma once

#include <optional>
#include <string>

#include "common/dialogs.h"
#include "platform/terminal.h"
#include "strings/string_table.h"

namespace zarvek::cli {

// The Dialogs of the command-line tool: it answers the core's questions from the command line's
// flags and prints every message box to standard error, in the interface language.
// - The questions that confirm a change of the grid file, the replace question (string 1066) and
//   the questions of Remove Part (title 1117) and Restore Previous Grid File (title 1132): Yes
//   with --yes; otherwise, where a person can answer, asked on the terminal with the safe default
//   No ("[y/N]"); otherwise No.
// - The spread question (title 1059): the verdict is printed, then Yes with --accept-spread, or
//   No together with the hint that --accept-spread accepts the pattern.
// - Any other question is printed and answered No (Cancel where there is one); a box with only
//   an OK button is printed and answered OK. The beep is silent; the file dialog is cancelled.
// `terminal` is not owned and must outlive the object.
class CliDialogs final : public Dialogs {
  public:
    struct Flags {
        bool yes = false;           // --yes: every confirmation
        bool acceptSpread = false;  // --accept-spread
    };

    // How the confirmation went, if one was asked.
    enum class Confirmation {
        NotAsked,
        ConfirmedByFlag,
        ConfirmedOnTerminal,
        RefusedOnTerminal,
        NoTerminal
    };

    CliDialogs(Terminal& terminal, Language language, Flags flags);

    Answer Ask(const Message& message) override;
    void Beep() override {}
    std::optional<std::string> OpenFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }

    Confirmation confirmation() const { return confirmation_; }

  private:
    bool IsConfirmation(const Message& message) const;
    Answer AskConfirmation(const Message& message);
    Answer AskSpread(const Message& message);

    Terminal& terminal_;
    Language language_;
    Flags flags_;
    Confirmation confirmation_ = Confirmation::NotAsked;
};

// Whether a typed answer means Yes: "y", "yes", "j" or "ja", in any letter case, blanks around
// ignored.
bool IsYesAnswer(const std::string& typed);

}  // namespace zarvek::cli
