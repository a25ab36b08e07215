#include <gtest/gtest.h>

#include <string>

#include "platform/windows_1252.h"

namespace zarvek {
namespace {

TEST(Windows1252, EveryByteSurvivesDecodingAndEncoding) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(everyByte)), everyByte);
}

TEST(Windows1252, DecodesAsWindowsDoes) {
    const struct {
        const char* bytes;
        const char* utf8;
    } cases[] = {
        {"Gr\xF6\xDF"
         "e \xC4\xD6\xDC",
         "Gr\xC3\xB6\xC3\x9F"
         "e \xC3\x84\xC3\x96\xC3\x9C"},
        {"\x80", "\xE2\x82\xAC"},                                              // euro sign
        {"\x9F", "\xC5\xB8"},                                                  // Y with diaeresis
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // unassigned
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeWindows1252(c.bytes), c.utf8) << c.bytes;
        EXPECT_EQ(EncodeWindows1252(c.utf8), c.bytes) << c.bytes;
    }
}

TEST(Windows1252, CharacterItCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(EncodeWindows1252("\xE2\x88\x85 50"), "? 50");  // empty-set sign
    EXPECT_EQ(EncodeWindows1252("\xF0\x9F\x94\xA7!"), "?!");  // four-byte character
    EXPECT_EQ(EncodeWindows1252("\xC2\x80"), "?");            // U+0080 is not byte 0x80
    EXPECT_EQ(EncodeWindows1252("a\xFF"
                                "b\xC3"),
              "a?b?");                                    // not UTF-8 at all
    EXPECT_EQ(EncodeWindows1252("\xE0\x80\xAF"), "???");  // overlong "/"
    EXPECT_EQ(EncodeWindows1252("\xED\xA0\x80"), "???");  // surrogate
}

}  // namespace
}  // namespace zarvek
