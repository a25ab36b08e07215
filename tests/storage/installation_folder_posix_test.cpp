// The installation folder through the stand-in registry file of systems other than Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "storage/installation_folder.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

const std::string kKey =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n";

// Points every place the stand-in registry is looked for into a fresh folder.
class InstallationFolderTest : public testing::Test {
  protected:
    std::string WriteRegistry(const std::string& content,
                              const std::filesystem::path& relative = "registry.reg") {
        const auto path = home_.path() / relative;
        std::filesystem::create_directories(path.parent_path());
        WriteBytes(path, content);
        return path.string();
    }

    TemporaryFolder home_;
    ScopedEnvironment registry_{"ZARVEK_REGISTRY", home_.File("registry.reg")};
    ScopedEnvironment configHome_{"XDG_CONFIG_HOME", std::nullopt};
    ScopedEnvironment userHome_{"HOME", home_.path().string()};
};

struct FolderCase {
    const char* row;
    std::string registry;
    std::string folder;
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << c.row;
}

class InstallationFolderRows : public InstallationFolderTest,
                               public testing::WithParamInterface<FolderCase> {};

TEST_P(InstallationFolderRows, GiveTheFolderWithoutAMissingKey) {
    WriteRegistry(GetParam().registry);
    const ArmdataFolderLookup lookup = ReadArmdataFolder();
    EXPECT_EQ(lookup.folder, GetParam().folder);
    EXPECT_FALSE(lookup.keyMissing);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallationFolderRows,
    testing::Values(
        FolderCase{"ValueGivesItsArmdataFolder", kKey + "\"Directory\"=\"/opt/arm\"",
                   "/opt/arm/Armdata/"},
        FolderCase{"TrailingSeparatorIsNotNormalised", kKey + "\"Directory\"=\"/opt/arm/\"",
                   "/opt/arm//Armdata/"},
        FolderCase{"EmptyValueGivesTheBareArmdataFolder", kKey + "\"Directory\"=\"\"", "/Armdata/"},
        FolderCase{"ValueThatIsNoTextGivesNothing", kKey + "\"Directory\"=dword:00000002", ""}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.row; });

TEST_F(InstallationFolderTest, MissingKeyIsReported) {
    WriteRegistry("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n");
    const ArmdataFolderLookup lookup = ReadArmdataFolder();
    EXPECT_EQ(lookup.folder, "");
    EXPECT_TRUE(lookup.keyMissing);
}

TEST_F(InstallationFolderTest, NoRegistryFileMeansTheKeyIsMissing) {
    if (std::filesystem::exists("/etc/zarvek/registry.reg")) {
        GTEST_SKIP() << "this machine has a system-wide registry file";
    }
    EXPECT_TRUE(ReadArmdataFolder().keyMissing);
}

TEST_F(InstallationFolderTest, UserConfigFolderIsTheFallback) {
    WriteRegistry(kKey + "\"Directory\"=\"/home/arm\"", ".config/zarvek/registry.reg");
    EXPECT_EQ(ReadArmdataFolder().folder, "/home/arm/Armdata/");
}

TEST_F(InstallationFolderTest, ConfigHomeVariableReplacesTheDefaultFolder) {
    WriteRegistry(kKey + "\"Directory\"=\"/home/arm\"", ".config/zarvek/registry.reg");
    WriteRegistry(kKey + "\"Directory\"=\"/xdg/arm\"", "xdg/zarvek/registry.reg");
    ScopedEnvironment configHome("XDG_CONFIG_HOME", home_.File("xdg"));
    EXPECT_EQ(ReadArmdataFolder().folder, "/xdg/arm/Armdata/");
}

TEST_F(InstallationFolderTest, RegistryVariableComesFirst) {
    WriteRegistry(kKey + "\"Directory\"=\"/home/arm\"", ".config/zarvek/registry.reg");
    WriteRegistry(kKey + "\"Directory\"=\"/env/arm\"");
    EXPECT_EQ(ReadArmdataFolder().folder, "/env/arm/Armdata/");
}

}  // namespace
}  // namespace zarvek
