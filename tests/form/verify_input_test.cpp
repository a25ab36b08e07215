#include "form/verify_input.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

struct VerifyCase {
    const char* typed;
    const char* expected;
    std::size_t caret;
    int beeps;
};

void PrintTo(const VerifyCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

// One run of the check removes the LAST character, wherever the forbidden one stands.
class VerifyInputRemovesTheLastCharacter : public testing::TestWithParam<VerifyCase> {};

TEST_P(VerifyInputRemovesTheLastCharacter, OneStep) {
    const VerifyCase c = GetParam();
    testing_support::RecordingDialogs dialogs;
    const VerifiedText verified = VerifyInput(c.typed, dialogs);
    EXPECT_EQ(verified.text, c.expected);
    EXPECT_EQ(verified.caret, c.caret);
    EXPECT_EQ(dialogs.beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerifyInputRemovesTheLastCharacter,
    testing::Values(VerifyCase{"12a", "12", 2, 1}, VerifyCase{"1x2", "1x", 2, 1},
                    VerifyCase{"12", "12", 2, 0}, VerifyCase{"", "", 0, 0},
                    VerifyCase{"--1.,2", "--1.,2", 6, 0}, VerifyCase{"1 ", "1", 1, 1},
                    VerifyCase{"+1", "+", 1, 1}, VerifyCase{"1e5", "1e", 2, 1},
                    // Characters, not bytes: "ä" is two bytes of UTF-8 and goes in one step.
                    VerifyCase{"12\xC3\xA4", "12", 2, 1},
                    VerifyCase{"\xC3\xA4"
                               "1",
                               "\xC3\xA4", 1, 1}));

// The change handling repeats the check until the text is clean: the longest valid beginning,
// one beep per removed character.
class ChangeHandlingCutsDownToTheLongestValidBeginning : public testing::TestWithParam<VerifyCase> {
};

TEST_P(ChangeHandlingCutsDownToTheLongestValidBeginning, MatchesRepeatedChecks) {
    const VerifyCase c = GetParam();
    testing_support::RecordingDialogs cutDown;
    const VerifiedText verified = CutDownToValid(c.typed, cutDown);
    EXPECT_EQ(verified.text, c.expected);
    EXPECT_EQ(verified.caret, c.caret);
    EXPECT_EQ(cutDown.beeps, c.beeps);

    // The same end state as running the one-step check again on each shortened text.
    testing_support::RecordingDialogs repeated;
    std::string text = c.typed;
    for (;;) {
        const VerifiedText step = VerifyInput(text, repeated);
        if (step.text == text) {
            break;
        }
        text = step.text;
    }
    EXPECT_EQ(text, verified.text);
    EXPECT_EQ(repeated.beeps, cutDown.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangeHandlingCutsDownToTheLongestValidBeginning,
    testing::Values(VerifyCase{"12a", "12", 2, 1}, VerifyCase{"12a45", "12", 2, 3},
                    VerifyCase{"1x2", "1", 1, 2}, VerifyCase{"12.5", "12.5", 4, 0},
                    VerifyCase{"--1..2", "--1..2", 6, 0}, VerifyCase{"a", "", 0, 1},
                    VerifyCase{"abc", "", 0, 3}, VerifyCase{"", "", 0, 0},
                    VerifyCase{"1\xC3\xA4\xC3\xB6", "1", 1, 2},
                    VerifyCase{"6.35 mm", "6.35", 4, 3}));

}  // namespace
}  // namespace zarvek
