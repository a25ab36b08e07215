#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "storage/grid_file_lock.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;
using std::chrono::milliseconds;

// Takes and drops the lock at once; throws what the lock throws.
void LockOnce(const std::string& path) {
    const GridFileLock lock(path, milliseconds(0));
}

TEST(GridFileLock, SecondWriterIsTurnedAwayBusyAfterItsWait) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    const GridFileLock first(path, milliseconds(0));
    try {
        const GridFileLock second(path, milliseconds(30));
        FAIL() << "two writers held the lock at once";
    } catch (const GridFileBusyError& error) {
        EXPECT_EQ(error.gridFilePath(), path);
        EXPECT_EQ(error.waited(), milliseconds(30));
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

TEST(GridFileLock, WaitingWriterGetsTheLockOnceTheHolderDropsIt) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::promise<void> held;
    std::promise<void> release;
    std::thread holder([&] {
        const GridFileLock first(path, milliseconds(0));
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    std::future<bool> waiter = std::async(std::launch::async, [&] {
        const GridFileLock second(path, std::chrono::seconds(30));
        return true;
    });
    release.set_value();
    holder.join();
    EXPECT_TRUE(waiter.get());
}

TEST(GridFileLock, LongWaitIsToldOnceAndAFreeLockTellsNothing) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    int told = 0;
    const LockWaitNotice notice{milliseconds(0), [&] { ++told; }};
    { const GridFileLock free(path, milliseconds(50), notice); }
    EXPECT_EQ(told, 0);
    const GridFileLock first(path, milliseconds(0));
    EXPECT_THROW(GridFileLock(path, milliseconds(50), notice), GridFileBusyError);
    EXPECT_EQ(told, 1);
}

TEST(GridFileLock, LockFileLeftOnDiskBlocksNobody) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    WriteBytes(LockPathFor(path), "");
    EXPECT_NO_THROW(LockOnce(path));
    EXPECT_EQ(LockPathFor(path), path + ".lock");
}

TEST(GridFileLock, MissingFolderIsAClearErrorNotBusy) {
    TemporaryFolder folder;
    const std::string path = (folder.path() / "missing" / "Gridfile.dat").string();
    try {
        const GridFileLock lock(path, milliseconds(0));
        FAIL() << "locked in a folder that does not exist";
    } catch (const GridFileBusyError& error) {
        FAIL() << "reported busy: " << error.what();
    } catch (const GridFileError& error) {
        EXPECT_NE(std::string(error.what()).find(LockPathFor(path)), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

TEST(GridFileLock, FolderAtTheLockFilesNameIsRefused) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::filesystem::create_directory(LockPathFor(path));
    EXPECT_THROW(LockOnce(path), GridFileError);
}

TEST(GridFileLock, LockHandedOnStaysHeldUntilItsNewHolderGoes) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::optional<GridFileLock> first(std::in_place, path, milliseconds(0));
    {
        const GridFileLock handedOn = std::move(*first);
        first.reset();
        EXPECT_THROW(LockOnce(path), GridFileBusyError);
    }
    EXPECT_NO_THROW(LockOnce(path));
}

}  // namespace
}  // namespace zarvek
