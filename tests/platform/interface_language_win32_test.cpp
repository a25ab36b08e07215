#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/interface_language.h"
#include "strings/string_ids.h"
#include "strings/string_table.h"

namespace zarvek {
namespace {

// CTest runs the suite under wine once with an English and once with a German user interface
// language (see cmake/CrossTests.cmake) and names the language it set up in
// ZARVEK_EXPECTED_UI_LANGUAGE. On a real Windows without that variable there is nothing to
// compare with, so the test is skipped there.
TEST(InterfaceLanguageWin32, CaptionsIgnoreUserUiLanguage) {
    const char* expected_name = std::getenv("ZARVEK_EXPECTED_UI_LANGUAGE");
    if (expected_name == nullptr) {
        GTEST_SKIP() << "ZARVEK_EXPECTED_UI_LANGUAGE is not set";
    }
    const std::string name = expected_name;
    ASSERT_TRUE(name == "German" || name == "English") << name;
    const Language expected = name == "German" ? Language::German : Language::English;

    EXPECT_EQ(InterfaceLanguage(), expected)
        << "wine derives the user interface language from the Unix locale; a locale missing from "
           "`locale -a` falls back to English";
    EXPECT_EQ(LookupString(kMenuFile, InterfaceLanguage()),
              expected == Language::German ? "&Datei" : "&File");
}

}  // namespace
}  // namespace zarvek
