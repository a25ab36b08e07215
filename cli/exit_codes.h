#pragma once

#include <string_view>

namespace zarvek::cli {

// The exit status of zarvek-grid, by cause, whatever text is shown.
enum class ExitCode : int {
    Done = 0,          // done; lint: no problem found
    Refused = 1,       // refused by a rule; lint: problems found
    Usage = 2,         // the command line is not one the tool understands
    FileProblem = 3,   // a grid file missing, unreadable, unparsable or unwritable; no installed
                       // file known; any other failure that stopped the command
    NotConfirmed = 4,  // not written because the replace was not confirmed
    Busy = 5,          // another writer held the grid file for the whole wait; nothing written
};

// How a command ended: its exit status and the outcome's name for scripts ("written"), which
// tells apart causes that share a status.
struct Ending {
    ExitCode code;
    std::string_view outcome;
};

constexpr int ToInt(ExitCode code) {
    return static_cast<int>(code);
}

}  // namespace zarvek::cli
