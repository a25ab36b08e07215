// zarvek-grid: the command-line companion of the Zarvek File Wizard.
#include "cli/run_zarvek_grid.h"
#include "platform/interface_language.h"
#include "platform/terminal.h"

int main(int argc, char** argv) {
    using namespace zarvek;
    const auto terminal = ProcessTerminal();
    return cli::RunZarvekGrid(ProcessArguments(argc, argv), *terminal, InterfaceLanguage());
}
