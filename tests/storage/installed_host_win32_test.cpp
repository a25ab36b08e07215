// The host software as its installer leaves it: CTest's fixture writes the installation entry
// with `reg add ... /reg:32` (the 32-bit view, as the host's 32-bit installer does) and puts the
// fake host library there as Quadrel.dll; ZARVEK_INSTALLED_HOST_FOLDER names that folder (see
// cmake/CrossTests.cmake). Without the variable, in the main run and on a real Windows, the
// tests are skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"
#include "storage/installation_folder.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

class InstalledHostWin32 : public testing::Test {
  protected:
    void SetUp() override {
        const char* folder = std::getenv("ZARVEK_INSTALLED_HOST_FOLDER");
        if (folder == nullptr) {
            GTEST_SKIP() << "no host installed by CTest (ZARVEK_INSTALLED_HOST_FOLDER)";
        }
        folder_ = folder;
    }

    std::string folder_;
};

TEST_F(InstalledHostWin32, EntryWrittenByA32BitInstallerIsFound) {
    const ArmdataFolderLookup lookup = ReadArmdataFolder();
    EXPECT_EQ(lookup.folder, folder_ + "\\Armdata\\");
    EXPECT_FALSE(lookup.keyMissing);
    const auto folders = HostLibraryFolders();
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), folder_);
}

// A library of the same name in the current folder, one without QDL_SaveArmspecs, must not
// stand in for the installed one: the push reaches the installed library.
TEST_F(InstalledHostWin32, WriteIsPushedToTheInstalledLibraryNotToAPlantedOne) {
    TemporaryFolder current;
    TemporaryFolder armdata;
    InstallFakeHost(current.path(), FakeHost::WithoutPush);
    const ScopedCurrentFolder inside(current.path());
    PushLog pushes;
    GridFileWrite(WorkedExample(), GridFileLock(armdata.File("Gridfile.dat"))).Store();
    EXPECT_EQ(pushes.Calls(), 1);
}

}  // namespace
}  // namespace zarvek
