// Failures in the middle of a write, which only a separate process can stage safely.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

// Runs `write` in a child process whose files may not grow beyond `limit` bytes; returns its exit
// status: 0 when the write threw GridFileError, 1 when it claimed success, 2 otherwise.
template <typename Write>
int InProcessWithFileSizeLimit(rlim_t limit, Write write) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails with EFBIG
        const rlimit fileSize{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &fileSize);
        try {
            write();
            ::_exit(1);
        } catch (const GridFileError&) {
            ::_exit(0);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 3;
}

TEST(GridFileWritePosix, FullDiskMidwayLeavesTheOldFileAndSkipsThePush) {
    TemporaryFolder install;
    TemporaryFolder armdata;
    InstallFakeHost(install.path());
    PushLog pushes;
    const std::string path = armdata.File("Gridfile.dat");
    WriteBytes(path, "$$ the months of work");
    const int status = InProcessWithFileSizeLimit(64, [&] {
        HostLibrary host([&] { return std::vector<std::string>{install.path().string()}; });
        GridFileWrite(WorkedExample(), GridFileLock(path)).Store(host);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(path), "$$ the months of work");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(path)));
    EXPECT_EQ(pushes.Calls(), 0);
}

TEST(WriteFileSafelyPosix, LinkLeftAtTheTemporaryNameCannotRedirectTheWrite) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    const std::string elsewhere = folder.File("elsewhere.txt");
    WriteBytes(elsewhere, "not to be touched");
    std::filesystem::create_symlink(elsewhere, TemporaryPathFor(path));
    WriteFileSafely(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReadBytes(elsewhere), "not to be touched");
}

// Started with its standard input closed, the program gets descriptor 0 for the first file it
// opens: the temporary file.
TEST(WriteFileSafelyPosix, TemporaryFileOpenedAsDescriptorZeroIsNotRefused) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(0);
        try {
            WriteFileSafely(path, "new");
            ::_exit(0);
        } catch (...) {
            ::_exit(1);
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(ReadBytes(path), "new");
}

TEST(WriteFileSafelyPosix, ReplacedFileKeepsItsPermissions) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    WriteFileSafely(path, "new");
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

}  // namespace
}  // namespace zarvek
