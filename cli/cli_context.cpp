#include "cli/cli_context.h"

#include <chrono>

#include "cli/command_line_number.h"
#include "strings/cli_string_ids.h"

namespace zarvek::cli {

CommandContext CliCommandContext(Dialogs& dialogs, CommandReport& report, const std::string& path) {
    CommandContext context{dialogs, report.language(), CommandLineLocale(), path};
    // A second is long enough to be a wait and short enough that nobody wonders.
    context.lockWaitNotice.after = std::chrono::seconds(1);
    context.lockWaitNotice.notify = [&report, path, wait = context.lockWait] {
        report.Notice(
            kCliWaitingForLock,
            {path, std::to_string(std::chrono::ceil<std::chrono::seconds>(wait).count())});
    };
    return context;
}

}  // namespace zarvek::cli
