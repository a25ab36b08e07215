#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "platform/interface_language.h"
#include "strings/string_table.h"

namespace zarvek {
namespace {

// Sets the four language variables for one test and restores them afterwards.
class LanguageEnvironment {
  public:
    LanguageEnvironment(const char* language, const char* all, const char* messages,
                        const char* lang) {
        for (const char* name : kNames) {
            const char* old = getenv(name);
            saved_.push_back(old ? std::optional<std::string>(old) : std::nullopt);
        }
        Set("LANGUAGE", language);
        Set("LC_ALL", all);
        Set("LC_MESSAGES", messages);
        Set("LANG", lang);
    }
    ~LanguageEnvironment() {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            Set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }

  private:
    static void Set(const char* name, const char* value) {
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> saved_;
};

TEST(InterfaceLanguage, TheFirstNonEmptyVariableDecides) {
    const struct {
        const char *language, *all, *messages, *lang;
        Language expected;
    } cases[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::German},
        {"", "", "", "de_DE.UTF-8", Language::German},
        {"en", nullptr, nullptr, "de_DE.UTF-8", Language::English},
        {nullptr, "fr_FR.UTF-8", "de_DE", "de_DE", Language::English},
        {"de_AT:en", "C", nullptr, nullptr, Language::German},
        {nullptr, nullptr, nullptr, nullptr, Language::English},
    };
    for (const auto& c : cases) {
        LanguageEnvironment environment(c.language, c.all, c.messages, c.lang);
        EXPECT_EQ(InterfaceLanguage(), c.expected)
            << (c.language ? c.language : "-") << " " << (c.all ? c.all : "-") << " "
            << (c.lang ? c.lang : "-");
    }
}

}  // namespace
}  // namespace zarvek
