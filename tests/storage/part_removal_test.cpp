// Removing a part and restoring the backup, as the holder of the grid file's lock does them.
#include "storage/part_removal.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "spread_parts.h"
#include "storage/grid_file_restore.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

class PartRemovalTest : public testing::Test {
  protected:
    PartRemovalTest() { InstallFakeHost(install_.path()); }

    GridFileLock Lock() const { return GridFileLock(path_, std::chrono::milliseconds(0)); }

    TemporaryFolder install_;
    TemporaryFolder armdata_;
    std::string path_ = armdata_.File("Gridfile.dat");
    PushLog pushes_;
    HostLibrary host_{[this] { return std::vector<std::string>{install_.path().string()}; }};
};

TEST_F(PartRemovalTest, RemovedPartLeavesTheOthersAsTheWriterWritesThemAndTheBackup) {
    const std::string before = GridFileBytes(SpreadGridFile(0, 3));
    WriteBytes(path_, before);
    EXPECT_EQ(RemovePart(Lock(), 2, SpreadPart(1), host_), PartRemoval::Removed);
    GridFile expected = SpreadGridFile(0, 3);
    expected.Parts.Remove(2);
    EXPECT_EQ(ReadBytes(path_), GridFileBytes(expected));
    EXPECT_EQ(ReadBytes(BackupPathFor(path_)), before);
    EXPECT_EQ(pushes_.Calls(), 1);
}

TEST_F(PartRemovalTest, LastPartRemovedLeavesAFileOfNoPartsThatReadsBack) {
    WriteBytes(path_, GridFileBytes(SpreadGridFile(0, 1)));
    EXPECT_EQ(RemovePart(Lock(), 1, SpreadPart(0), host_), PartRemoval::Removed);
    EXPECT_EQ(ReadBytes(path_), "$$\r\n0 3 1.500000 4.000000 4");
    const std::optional<GridFile> read = MakeGridFileObj(path_);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Parts.Count(), 0u);
}

struct ChangedCase {
    const char* change;
    std::size_t position;
    Part shown;
};

void PrintTo(const ChangedCase& c, std::ostream* out) {
    *out << c.change;
}

Part Renamed(Part part, const std::string& name) {
    part.sName = name;
    return part;
}

Part Moved(Part part) {
    part.P2.XValue += 0.001;
    return part;
}

class PartNoLongerThere : public PartRemovalTest,
                          public testing::WithParamInterface<ChangedCase> {};

TEST_P(PartNoLongerThere, IsNotRemovedAndNothingIsWritten) {
    const std::string before = GridFileBytes(SpreadGridFile(0, 3));
    WriteBytes(path_, before);
    EXPECT_EQ(RemovePart(Lock(), GetParam().position, GetParam().shown, host_),
              PartRemoval::PartNotThere);
    EXPECT_EQ(ReadBytes(path_), before);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path_)));
    EXPECT_EQ(pushes_.Calls(), 0);
    EXPECT_NO_THROW(Lock());  // dropped
}

INSTANTIATE_TEST_SUITE_P(
    Changes, PartNoLongerThere,
    testing::Values(ChangedCase{"AnotherPartAtThePosition", 2, SpreadPart(2)},
                    ChangedCase{"FewerPartsThanThePosition", 4, SpreadPart(3)},
                    ChangedCase{"SameSeatsOtherName", 2, Renamed(SpreadPart(1), "Spread 9")},
                    ChangedCase{"SameNameOtherSeat", 2, Moved(SpreadPart(1))}),
    [](const testing::TestParamInfo<ChangedCase>& info) { return info.param.change; });

TEST_F(PartRemovalTest, RestoreOfABackupReplacedMeanwhileChangesNothing) {
    WriteBytes(path_, "current");
    WriteBytes(BackupPathFor(path_), "replaced by another writer");
    EXPECT_FALSE(RestoreGridFileBackup(Lock(), "what the operator was shown", host_));
    EXPECT_EQ(ReadBytes(path_), "current");
    EXPECT_EQ(pushes_.Calls(), 0);
    EXPECT_TRUE(RestoreGridFileBackup(Lock(), "replaced by another writer", host_));
    EXPECT_EQ(ReadBytes(path_), "replaced by another writer");
    EXPECT_EQ(pushes_.Calls(), 1);
}

TEST_F(PartRemovalTest, BackupThatIsNoGridFileIsNeverOffered) {
    WriteBytes(BackupPathFor(path_), "no marker");
    EXPECT_THROW(ReadGridFileBackup(path_), GridFileError);
    EXPECT_FALSE(ReadGridFileBackup(armdata_.File("Other.dat")));
}

}  // namespace
}  // namespace zarvek
