// The grid file's lock between processes: another process's lock keeps a writer out, and the lock
// of a process that is killed is free again at once.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "storage/grid_file_lock.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;
using std::chrono::milliseconds;

// A child process that takes the lock and holds it until it is killed.
class LockHoldingProcess {
  public:
    explicit LockHoldingProcess(const std::string& path) {
        int ready[2];
        if (::pipe(ready) != 0) {
            throw std::runtime_error("no pipe");
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            const GridFileLock lock(path, milliseconds(0));
            const char held = 1;
            [[maybe_unused]] const auto sent = ::write(ready[1], &held, 1);
            for (;;) {
                ::pause();
            }
        }
        ::close(ready[1]);
        char held = 0;
        holds_ = ::read(ready[0], &held, 1) == 1;
        ::close(ready[0]);
    }
    LockHoldingProcess(const LockHoldingProcess&) = delete;
    LockHoldingProcess& operator=(const LockHoldingProcess&) = delete;
    ~LockHoldingProcess() { Kill(); }

    bool holds() const { return holds_; }

    void Kill() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
    }

  private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

TEST(GridFileLockPosix, LockOfAnotherProcessKeepsTheWriterOut) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    LockHoldingProcess other(path);
    ASSERT_TRUE(other.holds());
    EXPECT_THROW([&] { const GridFileLock lock(path, milliseconds(20)); }(), GridFileBusyError);
}

TEST(GridFileLockPosix, LockOfAKilledProcessIsFreeAtOnce) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    LockHoldingProcess other(path);
    ASSERT_TRUE(other.holds());
    other.Kill();
    EXPECT_NO_THROW([&] { const GridFileLock lock(path, milliseconds(0)); }());
    EXPECT_TRUE(std::filesystem::exists(LockPathFor(path)));
}

TEST(GridFileLockPosix, LinkAtTheLockFilesNameIsNotFollowed) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::filesystem::create_symlink(folder.File("elsewhere"), LockPathFor(path));
    EXPECT_THROW([&] { const GridFileLock lock(path, milliseconds(0)); }(), GridFileError);
    EXPECT_FALSE(std::filesystem::exists(folder.File("elsewhere")));
}

}  // namespace
}  // namespace zarvek
