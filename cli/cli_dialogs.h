#pragma once

#include <optional>
#include <string>

#include "cli/command_report.h"
#include "common/dialogs.h"

namespace zarvek::cli {

// The Dialogs of the command-line tool: it answers the core's questions from the command line's
// flags and gives every message box to the command's report (which prints it on standard error or
// keeps it for the JSON object), in the report's language.
// - The questions that confirm a change of the grid file, the replace question (string 1066) and
//   the questions of Remove Part (title 1117) and Restore Previous Grid File (title 1132): Yes
//   with --yes; otherwise, where a person can answer, asked on the terminal with the safe default
//   No ("[y/N]"), the question with its line breaks, even for a script; otherwise No.
// - The spread question (title 1059): the verdict is reported, then Yes with --accept-spread, or
//   No together with the hint that --accept-spread accepts the pattern.
// - Any other question is reported and answered No (Cancel where there is one); a box with only
//   an OK button is reported and answered OK. The beep is silent; the file dialog is cancelled.
// `report` is not owned and must outlive the object.
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

    CliDialogs(CommandReport& report, Flags flags);

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

    CommandReport& report_;
    Flags flags_;
    Confirmation confirmation_ = Confirmation::NotAsked;
};

// Whether a typed answer means Yes: "y", "yes", "j" or "ja", in any letter case, blanks around
// ignored.
bool IsYesAnswer(const std::string& typed);

}  // namespace zarvek::cli
