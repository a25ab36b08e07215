// Replacing the grid file while another program (the host software, a virus scanner) holds it
// open without letting it be deleted or renamed: the rename is retried, then the new bytes go
// into the file itself where the holder shares writing, else the write gives up clearly.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <ostream>
#include <string>
#include <thread>

#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

// A handle on a file such as another program holds: opened without FILE_SHARE_DELETE.
class HeldOpen {
  public:
    HeldOpen(const std::string& path, DWORD access, DWORD share)
        : handle_(CreateFileW(std::filesystem::path(path).wstring().c_str(), access, share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    ~HeldOpen() { Release(); }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (IsOpen()) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

  private:
    HANDLE handle_;
};

struct HolderCase {
    const char* row;
    DWORD access;
    DWORD share;
    bool writtenInPlace;
};

void PrintTo(const HolderCase& c, std::ostream* out) {
    *out << c.row;
}

class GridFileHeldOpen : public testing::TestWithParam<HolderCase> {
  protected:
    GridFileHeldOpen() {
        InstallFakeHost(install_.path());
        WriteBytes(target_, kMonthsOfWork);
    }

    // Longer than the new text, so that a tail left behind shows.
    const std::string kMonthsOfWork = "$$ the months of work" + std::string(4000, '.');

    TemporaryFolder install_;
    TemporaryFolder armdata_;
    std::string target_ = armdata_.File("Gridfile.dat");
    PushLog pushes_;
    HostLibrary host_{[this] { return std::vector<std::string>{install_.path().string()}; }};
};

TEST_P(GridFileHeldOpen, WrittenInPlaceOnlyWhereTheHolderSharesWriting) {
    HeldOpen holder(target_, GetParam().access, GetParam().share);
    ASSERT_TRUE(holder.IsOpen());
    std::string failure;
    try {
        GridFileWrite(WorkedExample(), GridFileLock(target_)).Store(host_);
    } catch (const GridFileError& error) {
        failure = error.what();
    }
    holder.Release();
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target_)));
    if (GetParam().writtenInPlace) {
        EXPECT_EQ(failure, "");
        EXPECT_EQ(ReadBytes(target_), GridFileBytes(WorkedExample()));
        EXPECT_EQ(ReadBytes(BackupPathFor(target_)), kMonthsOfWork);
        EXPECT_EQ(pushes_.Calls(), 1);
    } else {
        EXPECT_NE(failure.find("\"" + target_ + "\""), std::string::npos) << failure;
        EXPECT_NE(failure.find("another program has the file open"), std::string::npos) << failure;
        EXPECT_NE(failure.find("nothing was changed"), std::string::npos) << failure;
        EXPECT_EQ(ReadBytes(target_), kMonthsOfWork);
        EXPECT_EQ(pushes_.Calls(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Holders, GridFileHeldOpen,
    testing::Values(HolderCase{"ReaderSharingReadAndWrite", GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, true},
                    HolderCase{"WriterSharingReadAndWrite", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, true},
                    HolderCase{"ReaderSharingReadOnly", GENERIC_READ, FILE_SHARE_READ, false},
                    HolderCase{"ExclusiveWriter", GENERIC_READ | GENERIC_WRITE, 0, false}),
    [](const testing::TestParamInfo<HolderCase>& info) { return info.param.row; });

// The holder lets go while the writer is still retrying: the write must then succeed. The holder
// waits until the temporary file holds the whole text, so the writer's first attempt falls while
// the file is still held, and lets go a moment later, well inside the writer's retries.
TEST_P(GridFileHeldOpen, WriteSucceedsWhenTheFileIsReleasedWhileRetrying) {
    const GridFile gridFile = WorkedExample();
    const std::string temporary = TemporaryPathFor(target_);
    const std::uintmax_t size = GridFileBytes(gridFile).size();
    HeldOpen holder(target_, GetParam().access, GetParam().share);
    ASSERT_TRUE(holder.IsOpen());
    std::atomic<bool> writerDone = false;
    bool stillRetrying = false;
    std::thread releaser([&] {
        std::error_code ignored;
        while (!writerDone && std::filesystem::file_size(temporary, ignored) != size) {
            Sleep(1);
        }
        Sleep(100);
        stillRetrying = std::filesystem::exists(temporary, ignored);
        holder.Release();
    });
    std::string failure;
    try {
        GridFileWrite(gridFile, GridFileLock(target_)).Store(host_);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    writerDone = true;
    releaser.join();
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(stillRetrying) << "the file was replaced while it was held open";
    EXPECT_EQ(ReadBytes(target_), GridFileBytes(gridFile));
    EXPECT_FALSE(std::filesystem::exists(temporary));
    EXPECT_EQ(pushes_.Calls(), 1);
}

}  // namespace
}  // namespace zarvek
