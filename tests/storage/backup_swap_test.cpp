// The restore's swap of a file and its backup, and what a restore killed after each of its steps
// leaves for the next restore or write.
#include "storage/backup_swap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>

#include "platform/file_system.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

class BackupSwap : public testing::Test {
  protected:
    void Install(const std::string& current, const std::string& previous) const {
        WriteBytes(path, current);
        WriteBytes(backup, previous);
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    TemporaryFolder folder;
    std::string path = folder.File("Gridfile.dat");
    std::string backup = BackupPathFor(path);
    std::string outgoing = OutgoingPathFor(path);
};

TEST_F(BackupSwap, RestoreOfARestoreGivesBackTheFileItReplaced) {
    Install("current", "previous");
    SwapWithBackup(path);
    EXPECT_EQ(ReadBytes(path), "previous");
    EXPECT_EQ(ReadBytes(backup), "current");
    SwapWithBackup(path);
    EXPECT_EQ(ReadBytes(path), "current");
    EXPECT_EQ(ReadBytes(backup), "previous");
    EXPECT_EQ(Names(), (std::set<std::string>{"Gridfile.dat", "Gridfile.dat.bak"}));
}

TEST_F(BackupSwap, WithoutABackupNothingChanges) {
    WriteBytes(path, "current");
    EXPECT_THROW(SwapWithBackup(path), FileSystemError);
    EXPECT_EQ(ReadBytes(path), "current");
    EXPECT_EQ(Names(), std::set<std::string>{"Gridfile.dat"});
}

TEST_F(BackupSwap, MissingFileIsMadeFromTheBackupWhichStays) {
    WriteBytes(backup, "previous");
    SwapWithBackup(path);
    EXPECT_EQ(ReadBytes(path), "previous");
    EXPECT_EQ(ReadBytes(backup), "previous");
}

// The files a restore leaves when it is killed after one of its steps; the grid file itself is
// complete in each, the old or the restored one.
struct InterruptedCase {
    const char* killed;
    // Stages the files: path, backup, outgoing name.
    std::function<void(const std::string&, const std::string&, const std::string&)> leave;
    const char* gridFile;     // what the kill left at the path
    const char* nextRestore;  // the path's content after the next restore
};

void PrintTo(const InterruptedCase& c, std::ostream* out) {
    *out << c.killed;
}

class InterruptedRestore : public BackupSwap,
                           public testing::WithParamInterface<InterruptedCase> {};

TEST_P(InterruptedRestore, LeavesACompleteFileAndTheNextRestoreAndWriteGoOn) {
    const InterruptedCase& c = GetParam();
    Install("current", "previous");
    c.leave(path, backup, outgoing);
    EXPECT_EQ(ReadBytes(path), c.gridFile);

    // The next restore swaps what the two files are now.
    SwapWithBackup(path);
    EXPECT_EQ(ReadBytes(path), c.nextRestore);
    EXPECT_EQ(ReadBytes(backup), c.gridFile);
    EXPECT_FALSE(std::filesystem::exists(outgoing));

    // Or the next write, from the same state: the file it replaces becomes the backup.
    std::filesystem::remove(path);
    std::filesystem::remove(backup);
    Install("current", "previous");
    c.leave(path, backup, outgoing);
    WriteFileSafely(path, "written");
    EXPECT_EQ(ReadBytes(path), "written");
    EXPECT_EQ(ReadBytes(backup), c.gridFile);
    EXPECT_FALSE(std::filesystem::exists(outgoing));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InterruptedRestore,
    testing::Values(InterruptedCase{"AfterTheSecondName",
                                    [](const std::string& path, const std::string&,
                                       const std::string& outgoing) {
                                        ASSERT_TRUE(MakeHardLink(path, outgoing));
                                    },
                                    "current", "previous"},
                    // The replaced file waits under the outgoing name with no backup beside it.
                    InterruptedCase{"BetweenTheRenames",
                                    [](const std::string& path, const std::string& backup,
                                       const std::string& outgoing) {
                                        ASSERT_TRUE(MakeHardLink(path, outgoing));
                                        ReplaceFileAtomically(backup, path);
                                    },
                                    "previous", "current"},
                    InterruptedCase{
                        "WhileCopyingTheSecondName",
                        [](const std::string& path, const std::string&, const std::string&) {
                            WriteBytes(TemporaryPathFor(path), "curr");
                        },
                        "current", "previous"}),
    [](const testing::TestParamInfo<InterruptedCase>& info) { return info.param.killed; });

}  // namespace
}  // namespace zarvek
