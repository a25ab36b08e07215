#pragma once

#include <string>
#include <vector>

#include "platform/terminal.h"
#include "strings/string_table.h"

namespace zarvek::cli {

// The whole tool: reads the command line `words` (without the program name), runs the command
// and returns the process's exit status (cli/exit_codes.h). A command line it does not
// understand is reported with the reason and a hint to --help, status 2 (as JSON, without the
// hint, where the words ask for JSON: AsksForJson). Never throws: a failure nobody planned for is
// reported and gives status 3.
int RunZarvekGrid(const std::vector<std::string>& words, Terminal& terminal, Language language);

}  // namespace zarvek::cli
