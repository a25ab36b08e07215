// Writing into a file in place, the way round a program that holds the grid file against the
// replace (the fallback itself is tested in tests/storage/safe_write_win32_test.cpp).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "platform/in_place_overwrite.h"
#include "storage/storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

struct OverwriteCase {
    const char* row;
    std::string old;
    std::string fresh;
};

class OverwriteFileInPlaceTest : public testing::TestWithParam<OverwriteCase> {};

// The second name stands for the holder's view: it must see the new bytes, and only them.
TEST_P(OverwriteFileInPlaceTest, FileHoldsExactlyTheNewBytesUnderEveryName) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    const std::string other = folder.File("other name");
    WriteBytes(path, GetParam().old);
    ASSERT_TRUE(MakeHardLink(path, other));
    OverwriteFileInPlace(path, GetParam().fresh);
    EXPECT_EQ(ReadBytes(path), GetParam().fresh);
    EXPECT_EQ(ReadBytes(other), GetParam().fresh);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, OverwriteFileInPlaceTest,
    testing::Values(OverwriteCase{"Longer", "old", std::string(300000, 'n')},
                    OverwriteCase{"ShorterLeavesNoOldTail", std::string(300000, 'o'), "new"},
                    OverwriteCase{"Empty", "old", ""}),
    [](const testing::TestParamInfo<OverwriteCase>& info) { return info.param.row; });

TEST(OverwriteFileInPlace, MissingFileIsNotCreated) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    try {
        OverwriteFileInPlace(path, "new");
        FAIL() << "no error";
    } catch (const FileSystemError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + path + "\""), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace zarvek
