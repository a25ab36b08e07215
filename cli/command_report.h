#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "common/dialogs.h"
#include "platform/terminal.h"
#include "strings/string_table.h"

namespace zarvek::cli {

// What one run of a command says and how it ends, for a person or for a script. The terminal is
// not owned and must outlive the report.
// - For a person (no --json) every message is printed on standard error as it comes, one line
//   "Title: text" (MessageLine): a message box with its title (an untitled one with the
//   application's), the tool's own texts titled "zarvek-grid". A message that no grid file
//   exists (string 1069) is followed on its line by the file's path (string 1300).
// - For a script (--json) nothing goes to standard error but a question asked on a terminal;
//   End prints one JSON object, one line, on standard output:
//     {"command":"add", "file":"...", <the command's own members>, "part":2, "name":"...",
//      "line":5, "outcome":"written", "exitCode":0,
//      "messages":[{"id":1174, "title":null, "text":"..."}, ...]}
//   "command" is null for a command line naming none; "file" appears for commands that take one
//   (null until one is found); "part" and "name", and "line", only where set. "messages" holds
//   every message of the run in order: "id" its string-table id (null for none), "title" the
//   box's title (null for the tool's own texts), "text" exactly as the string table and the
//   placeholders make it.
class CommandReport {
  public:
    // `command`: the command's word ("add"), nothing for none; `takesFile`: whether the object
    // has a "file" member.
    CommandReport(std::optional<std::string> command, bool takesFile, Terminal& terminal,
                  Language language, bool json);

    Terminal& terminal() const { return terminal_; }
    Language language() const { return language_; }
    bool json() const { return json_; }

    // A message box.
    void Show(const Message& message);
    // One of the tool's own texts `textId`, its placeholders filled from `args`, or as `text`.
    void Say(int textId, std::initializer_list<std::string_view> args);
    void Say(int textId, const std::string& text);
    // A text that is the command's result: on standard output for a person, among the messages
    // for a script.
    void Result(int textId);
    // A line only a person watching needs (how long a wait may last); never in the JSON.
    void Notice(int textId, std::initializer_list<std::string_view> args);

    void SetFile(const std::string& path);
    void SetPart(std::size_t number, const std::string& name);
    void SetLine(std::size_t line);

    // The JSON object's writer for the command's own members, opened at the first call with
    // "command" and "file" (so the file must be set before). Only for a script.
    JsonWriter& Members();
    // Prints what the writer holds once it is large, so that a long object is never whole in
    // memory; the object stays open.
    void FlushWhenLarge();

    // Ends the run: for a script prints the object (closing what a failure left open). Returns
    // `ending.code`.
    ExitCode End(const Ending& ending);

  private:
    struct Said {
        int id;
        std::optional<std::string> title;
        std::string text;
    };

    void Record(int id, std::optional<std::string> title, std::string text);

    std::optional<std::string> command_;
    bool takesFile_;
    Terminal& terminal_;
    Language language_;
    bool json_;
    std::optional<std::string> file_;
    std::optional<std::pair<std::size_t, std::string>> part_;
    std::optional<std::size_t> line_;
    std::vector<Said> said_;
    JsonWriter writer_;
    bool opened_ = false;
};

}  // namespace zarvek::cli
