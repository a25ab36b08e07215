#include <gtest/gtest.h>

#include <string>

#include "storage/file_system.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

TEST(WriteFileSafely, ShorterTextLeavesNoTailOfTheOldFile) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, std::string(5000, 'o'));
    WriteFileSafely(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

TEST(WriteFileSafely, FailedReplaceRemovesTheTemporaryFile) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::filesystem::create_directory(path);
    WriteBytes(std::filesystem::path(path) / "inside", "kept");
    try {
        WriteFileSafely(path, "new");
        FAIL() << "no error";
    } catch (const FileSystemError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
    EXPECT_EQ(ReadBytes(std::filesystem::path(path) / "inside"), "kept");
}

TEST(ReadWholeFile, MissingFileSaysWhichAndWhy) {
    TemporaryFolder folder;
    const std::string path = folder.File("absent.dat");
    try {
        ReadWholeFile(path);
        FAIL() << "no error";
    } catch (const FileSystemError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + path + "\": "), std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace zarvek
