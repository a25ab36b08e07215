// The start-up lookup of the Armdata folder through the stand-in registry file of systems other
// than Windows: only a missing installation key is shown to the operator.
#include "form/armdata_folder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/recording_dialogs.h"
#include "storage/storage_test_support.h"

namespace zarvek {
namespace {

using testing_support::ScopedEnvironment;
using testing_support::TemporaryFolder;

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKey =
    kHeader + "[HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General]\r\n";

struct StartUpCase {
    const char* row;
    std::string registry;
    std::string folder;
    bool warned;
};

void PrintTo(const StartUpCase& c, std::ostream* out) {
    *out << c.row;
}

class QueryArmdataFolderRows : public testing::TestWithParam<StartUpCase> {
  protected:
    TemporaryFolder home_;
    ScopedEnvironment registry_{"ZARVEK_REGISTRY", home_.File("registry.reg")};
    ScopedEnvironment configHome_{"XDG_CONFIG_HOME", std::nullopt};
    ScopedEnvironment userHome_{"HOME", home_.path().string()};
};

TEST_P(QueryArmdataFolderRows, WarnOnlyOfAMissingKey) {
    testing_support::WriteBytes(home_.File("registry.reg"), GetParam().registry);
    testing_support::RecordingDialogs dialogs;
    EXPECT_EQ(QueryArmdataFolder(dialogs), GetParam().folder);
    if (!GetParam().warned) {
        EXPECT_TRUE(dialogs.messages.empty());
        return;
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const Message& box = dialogs.messages[0];
    EXPECT_EQ(box.prompt,
              "ERROR: Cannot Find Registry Entry For Active Armdata Folder!\r\n"
              "Ensure Quadrel Is Correctly Installed.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.icon, Icon::Exclamation);
    EXPECT_EQ(box.defaultButton, Answer::Ok);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryArmdataFolderRows,
    testing::Values(StartUpCase{"MissingKeyShowsTheFixedEnglishBoxOnce",
                                kHeader + "[HKEY_LOCAL_MACHINE\\Software]\r\n", "", true},
                    StartUpCase{"MissingValueShowsNothing", kKey, "", false},
                    StartUpCase{"FoundFolderShowsNothing", kKey + "\"Directory\"=\"/opt/arm\"",
                                "/opt/arm/Armdata/", false}),
    [](const testing::TestParamInfo<StartUpCase>& info) { return info.param.row; });

}  // namespace
}  // namespace zarvek
