#include "form/verify_input.h"

#include <gtest/gtest.h>

#include <string>

#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

struct VerifyRow {
    const char* typed;
    const char* expected;
    std::size_t caret;
    int beeps;
};

// One run of the check removes the LAST character, wherever the forbidden one stands; characters,
// not bytes: "ä" is two bytes of UTF-8 and goes at once.
TEST(VerifyInput, RemovesTheLastCharacterNotTheForbiddenOne) {
    const VerifyRow rows[] = {{"12a", "12", 2, 1},        {"1x2", "1x", 2, 1},
                              {"12", "12", 2, 0},         {"", "", 0, 0},
                              {"--1.,2", "--1.,2", 6, 0}, {"1 ", "1", 1, 1},
                              {"+1", "+", 1, 1},          {"1e5", "1e", 2, 1},
                              {"12\xC3\xA4", "12", 2, 1}, {"\xC3\xA4\x31", "\xC3\xA4", 1, 1}};
    for (const VerifyRow& row : rows) {
        testing_support::RecordingDialogs dialogs;
        const VerifiedText verified = VerifyInput(row.typed, dialogs);
        EXPECT_EQ(verified.text, row.expected) << row.typed;
        EXPECT_EQ(verified.caret, row.caret) << row.typed;
        EXPECT_EQ(dialogs.beeps, row.beeps) << row.typed;
    }
}

// The change handling repeats the check until the text is clean: the longest valid beginning,
// one beep per removed character, the same end as running the one-step check again and again.
TEST(VerifyInput, ChangeHandlingCutsDownToTheLongestValidBeginning) {
    const VerifyRow rows[] = {{"12a", "12", 2, 1},
                              {"12a45", "12", 2, 3},
                              {"1x2", "1", 1, 2},
                              {"12.5", "12.5", 4, 0},
                              {"--1..2", "--1..2", 6, 0},
                              {"a", "", 0, 1},
                              {"abc", "", 0, 3},
                              {"", "", 0, 0},
                              {"1\xC3\xA4\xC3\xB6", "1", 1, 2},
                              {"6.35 mm", "6.35", 4, 3}};
    for (const VerifyRow& row : rows) {
        testing_support::RecordingDialogs cutDown;
        const VerifiedText verified = CutDownToValid(row.typed, cutDown);
        EXPECT_EQ(verified.text, row.expected) << row.typed;
        EXPECT_EQ(verified.caret, row.caret) << row.typed;
        EXPECT_EQ(cutDown.beeps, row.beeps) << row.typed;

        testing_support::RecordingDialogs repeated;
        std::string text = row.typed;
        std::string before;
        do {
            before = text;
            text = VerifyInput(text, repeated).text;
        } while (text != before);
        EXPECT_EQ(text, verified.text) << row.typed;
        EXPECT_EQ(repeated.beeps, cutDown.beeps) << row.typed;
    }
}

}  // namespace
}  // namespace zarvek
