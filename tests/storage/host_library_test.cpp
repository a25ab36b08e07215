#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "storage/host_library.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

class HostLibraryTest : public testing::Test {
  protected:
    HostLibrary LookingIn(std::vector<std::string> folders) {
        return HostLibrary([this, folders] {
            ++lookups_;
            return folders;
        });
    }

    TemporaryFolder install_;
    PushLog pushes_;
    int lookups_ = 0;
};

TEST_F(HostLibraryTest, BoundAtTheFirstPushOnlyAndCalledOnEveryPush) {
    InstallFakeHost(install_.path());
    HostLibrary host = LookingIn({install_.path().string()});
    EXPECT_EQ(lookups_, 0);
    host.PushArmSpecs();
    host.PushArmSpecs();
    EXPECT_EQ(lookups_, 1);
    EXPECT_EQ(pushes_.Calls(), 2);
}

TEST_F(HostLibraryTest, LaterFolderIsSearchedWhenTheFirstHasNoLibrary) {
    TemporaryFolder empty;
    InstallFakeHost(install_.path());
    HostLibrary host = LookingIn({empty.path().string(), install_.path().string()});
    host.PushArmSpecs();
    EXPECT_EQ(pushes_.Calls(), 1);
}

TEST_F(HostLibraryTest, AbsentLibraryIsSuppressedAndNotLookedForAgain) {
    HostLibrary host = LookingIn({install_.path().string()});
    host.PushArmSpecs();
    host.PushArmSpecs();
    EXPECT_EQ(lookups_, 1);
    EXPECT_EQ(pushes_.Calls(), 0);
}

TEST_F(HostLibraryTest, LibraryWithoutTheFunctionIsSuppressed) {
    InstallFakeHost(install_.path(), FakeHost::WithoutPush);
    HostLibrary host = LookingIn({install_.path().string()});
    EXPECT_NO_THROW(host.PushArmSpecs());
    EXPECT_EQ(pushes_.Calls(), 0);
}

TEST_F(HostLibraryTest, ErrorRaisedByTheHostIsSuppressed) {
    InstallFakeHost(install_.path());
    const ScopedEnvironment throws("ZARVEK_TEST_PUSH_THROWS", "1");
    HostLibrary host = LookingIn({install_.path().string()});
    EXPECT_NO_THROW(host.PushArmSpecs());
    EXPECT_EQ(pushes_.Calls(), 1);
}

TEST_F(HostLibraryTest, LibraryPlantedInTheCurrentFolderNeverRuns) {
    TemporaryFolder current;
    InstallFakeHost(current.path());
    const ScopedCurrentFolder inside(current.path());
    HostLibrary host = LookingIn({"", ".", "./", "sub/..", HostLibraryFileName()});
    host.PushArmSpecs();
    EXPECT_EQ(pushes_.Calls(), 0);
    EXPECT_FALSE(LoadLibraryAt(HostLibraryFileName()));
    EXPECT_FALSE(LoadLibraryAt(std::string(".") + FolderSeparator() + HostLibraryFileName()));
}

}  // namespace
}  // namespace zarvek
