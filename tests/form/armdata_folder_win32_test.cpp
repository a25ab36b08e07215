// The start-up lookup of the Armdata folder in the real registry. CTest runs it under wine with a
// German interface language as well: the box stays English.
#include <gtest/gtest.h>

#include <string>

#include "form/armdata_folder.h"
#include "storage/installation_key_win32.h"
#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

class QueryArmdataFolderWin32 : public testing_support::InstallationKeyTest {};

TEST_F(QueryArmdataFolderWin32, MissingKeyShowsTheFixedEnglishBoxOnce) {
    testing_support::RecordingDialogs dialogs;
    EXPECT_EQ(QueryArmdataFolder(dialogs), "");
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

}  // namespace
}  // namespace zarvek
