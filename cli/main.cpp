// zarvek-grid: the command-line companion of the Zarvek File Wizard.
#include "cli/process_memory.h"
#include "cli/run_zarvek_grid.h"
#include "cli/terminal.h"

int main(int argc, char** argv) {
    using namespace zarvek;
    cli::PrepareProcessMemory();
    const auto terminal = cli::ProcessTerminal();
    return cli::RunZarvekGrid(cli::ProcessArguments(argc, argv), *terminal, InterfaceLanguage());
}
