#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"
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

TEST(WriteFileSafely, BackupKeepsOneGenerationOnly) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "first");
    WriteFileSafely(path, "second");
    WriteFileSafely(path, "third");
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), "second");
    EXPECT_EQ(ReadBytes(path), "third");
}

TEST(WriteFileSafely, NewFileHasNoBackup) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteFileSafely(path, "new");
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
}

TEST(WriteFileSafely, BackupIsNotChangedByLaterChangesOfTheFile) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "old");
    WriteFileSafely(path, "new");
    WriteBytes(path, "edited in place by another program");
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), "old");
}

TEST(WriteFileSafely, ReadOnlyBackupIsStillReplaced) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "first");
    WriteFileSafely(path, "second");
    std::filesystem::permissions(BackupPathFor(path), std::filesystem::perms::owner_read);
    WriteFileSafely(path, "third");
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), "second");
}

TEST(WriteFileSafely, WriteThatFailsEarlyKeepsTheEarlierBackup) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "first");
    WriteFileSafely(path, "second");
    // A folder at the temporary file's name stops the write before the backup is made.
    std::filesystem::create_directory(TemporaryPathFor(path));
    EXPECT_THROW(WriteFileSafely(path, "third"), FileSystemError);
    EXPECT_EQ(ReadBytes(path), "second");
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), "first");
}

TEST(WriteFileSafely, FolderAtTheBackupsNameStopsTheWriteBeforeTheReplace) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "old");
    std::filesystem::create_directory(BackupPathFor(path));
    try {
        WriteFileSafely(path, "new");
        FAIL() << "replaced without a backup";
    } catch (const FileSystemError& error) {
        EXPECT_NE(std::string(error.what()).find(BackupPathFor(path)), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
}

// A second name of the grid file at the temporary file's name must not be written through.
TEST(WriteFileSafely, LinkAtTheTemporaryNameNeverChangesTheFileItNames) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "old");
    ASSERT_TRUE(MakeHardLink(path, TemporaryPathFor(path)));
    WriteFileSafely(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), "old");
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
