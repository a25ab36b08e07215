// zarvek-grid tells a person why it waits for another writer's lock, through the real command.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "cli/run_zarvek_grid.h"
#include "fake_terminal.h"
#include "storage/grid_file_lock.h"
#include "storage/storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

// The other writer lets go as soon as the line appears, so the test waits only the second.
TEST(ZarvekGridLockWait, LongWaitIsToldOnceAndTheWriteGoesOn) {
    const TemporaryFolder folder;
    // No installation folder, so no host library is called.
    WriteBytes(folder.File("registry.reg"), "Windows Registry Editor Version 5.00\r\n");
    const ScopedEnvironment registry("ZARVEK_REGISTRY", folder.File("registry.reg"));
    const std::string grid = folder.File("Gridfile.dat");
    std::optional<GridFileLock> other(std::in_place, grid, std::chrono::milliseconds(0));
    FakeTerminal terminal;
    terminal.onErr = [&] { other.reset(); };
    const std::vector<std::string> words = {
        "make",    "--p1", "0,0,0,0,0,1", "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1",
        "--probe", "6",    "--name",      "A",    "--file",        grid};
    EXPECT_EQ(cli::RunZarvekGrid(words, terminal, Language::English), 0) << terminal.err;
    EXPECT_EQ(terminal.err, "zarvek-grid: Waiting for " + grid +
                                ", held by another writer; giving up after 10 seconds.\n"
                                "zarvek-grid: The grid file " +
                                grid + " was written.\n");
}

}  // namespace
}  // namespace zarvek
