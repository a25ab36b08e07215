// The start-up lookup of the Armdata folder through the stand-in registry file of systems other
// than Windows: only a missing installation key is shown to the operator.
#include "form/armdata_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/storage_test_support.h"
#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

using testing_support::ScopedEnvironment;
using testing_support::TemporaryFolder;

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKey =
    kHeader + "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n";

class ArmdataFolderLookup : public testing::Test {
  protected:
    TemporaryFolder home_;
    ScopedEnvironment registry_{"ZARVEK_REGISTRY", home_.File("registry.reg")};
    ScopedEnvironment configHome_{"XDG_CONFIG_HOME", std::nullopt};
    ScopedEnvironment userHome_{"HOME", home_.path().string()};
};

TEST_F(ArmdataFolderLookup, WarnsOnlyOfAMissingKeyWithTheFixedEnglishBoxOnce) {
    const Message box{
        "ERROR: Cannot Find Registry Entry For Active Armdata Folder!\r\n"
        "Ensure Quadrel Is Correctly Installed.",
        "Error", Buttons::Ok, Icon::Exclamation, Answer::Ok};
    const struct {
        std::string registry;
        std::string folder;
        std::vector<Message> shown;
    } rows[] = {{kHeader + "[HKEY_LOCAL_MACHINE\\Software]\r\n", "", {box}},
                {kKey, "", {}},
                {kKey + "\"Directory\"=\"/opt/arm\"", "/opt/arm/Armdata/", {}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.registry);
        testing_support::WriteBytes(home_.File("registry.reg"), row.registry);
        testing_support::RecordingDialogs dialogs;
        EXPECT_EQ(QueryArmdataFolder(dialogs), row.folder);
        EXPECT_EQ(dialogs.messages, row.shown);
    }
}

}  // namespace
}  // namespace zarvek
