#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

namespace zarvek::cli {
namespace {

TEST(JsonQuoted, EscapesWhatJsonRequires) {
    const struct {
        const char* fault;
        std::string text;
        std::string quoted;
    } cases[] = {
        {"QuoteAndBackslash", "a\"b\\c", "\"a\\\"b\\\\c\""},
        {"LineBreaksAndTab", "a\r\nb\tc", "\"a\\r\\nb\\tc\""},
        {"OtherControlCharacters", std::string("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"NulCharacter", std::string("a\0b", 3), "\"a\\u0000b\""},
        {"Utf8Kept", "Bügel € 𝄞", "\"Bügel € 𝄞\""},
        {"InvalidByteReplaced",
         "a\xfc"
         "b",
         "\"a\xef\xbf\xbd"
         "b\""},
        {"TruncatedSequenceReplaced", "a\xe2\x82", "\"a\xef\xbf\xbd\xef\xbf\xbd\""},
        {"SolidusAndDeleteKept", "a/b\x7f", "\"a/b\x7f\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonQuoted(c.text), c.quoted) << c.fault;
    }
}

TEST(JsonWriter, CommasOnlyBetweenMembersAndElements) {
    JsonWriter json;
    json.BeginObject()
        .Key("a")
        .BeginArray()
        .Integer(1)
        .BeginObject()
        .EndObject()
        .BeginArray()
        .EndArray()
        .Null()
        .EndArray()
        .Key("b")
        .Bool(false)
        .Key("c")
        .Number("-0.5")
        .Key("d")
        .String("x")
        .EndObject();
    EXPECT_EQ(json.Text(), "{\"a\":[1,{},[],null],\"b\":false,\"c\":-0.5,\"d\":\"x\"}");
}

TEST(JsonWriter, NumberThatJsonCannotReadIsRefused) {
    for (const char* bad : {"", "-", "01", "1.", ".5", "+1", "1e", "nan", "inf", "1,5", "0x10"}) {
        EXPECT_FALSE(IsJsonNumber(bad)) << bad;
        JsonWriter json;
        EXPECT_THROW(json.Number(bad), std::invalid_argument) << bad;
    }
    for (const char* good : {"0", "-0", "10", "-12.500", "1e5", "1.5E-3", "0.0000000"}) {
        EXPECT_TRUE(IsJsonNumber(good)) << good;
    }
}

// The view ends before the point: the character after its end is not the number's.
TEST(JsonWriter, NumberIsNotReadPastTheEndOfItsText) {
    EXPECT_TRUE(IsJsonNumber(std::string_view("1.5").substr(0, 1)));
}

}  // namespace
}  // namespace zarvek::cli
