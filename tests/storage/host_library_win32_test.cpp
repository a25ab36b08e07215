// The host library found through the installation folder in the real registry.
#include <gtest/gtest.h>

#include <string>

#include "installation_key_win32.h"
#include "platform/dynamic_library.h"
#include "storage/host_library.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

class HostLibraryFoldersWin32 : public InstallationKeyTest {
  protected:
    TemporaryFolder install_;
    TemporaryFolder current_;
    PushLog pushes_;
};

TEST_F(HostLibraryFoldersWin32, InstallationFolderFromTheRegistryComesFirst) {
    SetDirectory(install_.path().string());
    const auto folders = HostLibraryFolders();
    ASSERT_GE(folders.size(), 2u);
    EXPECT_EQ(folders[0], install_.path().string());
    EXPECT_EQ(folders[1], ApplicationFolder());
    InstallFakeHost(install_.path());
    HostLibrary host;
    host.PushArmSpecs();
    EXPECT_EQ(pushes_.Calls(), 1);
}

// The current folder is whatever folder the operator opened a file from last; a Quadrel.dll
// planted there must never run, whether the installation folder is empty, relative or missing.
TEST_F(HostLibraryFoldersWin32, LibraryPlantedInTheCurrentFolderIsNotCalled) {
    InstallFakeHost(current_.path());
    const ScopedCurrentFolder inside(current_.path());
    for (const std::string& directory :
         {install_.path().string(), std::string(), std::string("."), std::string("Armdata\\..")}) {
        SetDirectory(directory);
        HostLibrary host;
        host.PushArmSpecs();
    }
    RemoveKeys();
    HostLibrary host;
    host.PushArmSpecs();
    EXPECT_EQ(pushes_.Calls(), 0);
}

}  // namespace
}  // namespace zarvek
