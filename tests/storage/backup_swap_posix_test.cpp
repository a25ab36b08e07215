// A restore whose final rename the file system refuses, staged with the immutable attribute.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/file_system.h"
#include "storage/backup_swap.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

// Sets or clears the immutable attribute; false where the file system or the user cannot.
bool SetImmutable(const std::string& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return done;
}

// An immutable file can neither get a second name nor be replaced by a rename.
class ImmutableFile {
  public:
    explicit ImmutableFile(std::string path) : path_(std::move(path)) {
        set_ = SetImmutable(path_, true);
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;
    ~ImmutableFile() { SetImmutable(path_, false); }
    bool set() const { return set_; }

  private:
    std::string path_;
    bool set_ = false;
};

TEST(SwapWithBackupPosix, RefusedRenameLeavesNoOutgoingFile) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "current");
    WriteBytes(BackupPathFor(path), "previous");
    const ImmutableFile locked(path);
    if (!locked.set()) {
        GTEST_SKIP() << "no immutable attribute here (needs root on a file system that has it)";
    }
    EXPECT_THROW(SwapWithBackup(path), FileSystemError);
    EXPECT_EQ(ReadBytes(path), "current");
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), "previous");
    EXPECT_FALSE(std::filesystem::exists(OutgoingPathFor(path)));
}

}  // namespace
}  // namespace zarvek
