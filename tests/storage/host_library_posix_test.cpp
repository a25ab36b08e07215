// The host library found through the stand-in registry file of systems other than Windows.
#include <gtest/gtest.h>

#include <string>

#include "storage/host_library.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

class HostLibraryFoldersTest : public testing::Test {
  protected:
    void WriteRegistry(const std::string& directory) {
        WriteBytes(registry_.path() / "registry.reg",
                   "Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n"
                   "\"Directory\"=\"" +
                       directory + "\"\r\n");
    }

    TemporaryFolder registry_;
    ScopedEnvironment variable_{"ZARVEK_REGISTRY", registry_.File("registry.reg")};
    TemporaryFolder install_;
    PushLog pushes_;
};

TEST_F(HostLibraryFoldersTest, InstallationFolderFromTheRegistryComesFirst) {
    WriteRegistry(install_.path().string());
    const auto folders = HostLibraryFolders();
    ASSERT_FALSE(folders.empty());
    EXPECT_EQ(folders.front(), install_.path().string());
    InstallFakeHost(install_.path());
    HostLibrary host;
    host.PushArmSpecs();
    EXPECT_EQ(pushes_.Calls(), 1);
}

TEST_F(HostLibraryFoldersTest, RelativeInstallationFolderNeverReachesTheCurrentFolder) {
    InstallFakeHost(install_.path());
    const ScopedCurrentFolder inside(install_.path());
    for (const std::string directory : {"", ".", "Armdata/.."}) {
        WriteRegistry(directory);
        HostLibrary host;
        host.PushArmSpecs();
    }
    EXPECT_EQ(pushes_.Calls(), 0);
}

}  // namespace
}  // namespace zarvek
