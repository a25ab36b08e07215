#pragma once

#include <string>
#include <vector>

namespace zarvek::testing_support {

struct ProcessResult {
    int exitCode = -1;  // the exit status; -1 when the process did not exit normally
    std::string out;    // everything written to standard output
    std::string err;    // everything written to standard error (with a terminal: the terminal)
};

struct ProcessOptions {
    // The whole environment of the process, "NAME=value" each; nothing is inherited.
    std::vector<std::string> environment;
    // Fed to standard input, which ends after it.
    std::string input;
    // Standard input and standard error are a terminal (a pseudo-terminal) instead of pipes; the
    // input is then typed on it.
    bool terminal = false;
    // The process's current folder; empty: the test's own.
    std::string workingFolder;
};

// Runs `program` with `arguments` and waits for it to end. Throws std::runtime_error when the
// process cannot be started.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const ProcessOptions& options);

}  // namespace zarvek::testing_support
