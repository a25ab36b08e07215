#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zarvek {

// The process's standard streams as the tool uses them. Text is UTF-8 with "\n" line ends; each
// platform writes it as its terminals expect.
class Terminal {
  public:
    virtual ~Terminal() = default;

    // Appends to standard output (results: check's directions, show's text, lint's report).
    virtual void Out(std::string_view text) = 0;

    // Appends to standard error (messages, the replace question), at once.
    virtual void Err(std::string_view text) = 0;

    // Whether a person can be asked and can answer: standard input and standard error are both
    // a terminal (a console on Windows).
    virtual bool Interactive() = 0;

    // One line typed on standard input, without its line end; nothing at the end of the input.
    virtual std::optional<std::string> ReadLine() = 0;

    // Flushes standard output; false when what was written could not all be delivered (a full
    // disk behind a redirection).
    virtual bool Finish() = 0;
};

// The standard streams of this process (one implementation per operating system).
std::unique_ptr<Terminal> ProcessTerminal();

// The command-line words after the program name, in UTF-8 (on Windows from the wide command
// line, so that names and paths outside the ANSI code page arrive intact).
std::vector<std::string> ProcessArguments(int argc, char** argv);

}  // namespace zarvek
