#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/dialogs.h"

namespace zarvek {

// The characters a checked entry field accepts: the digits 0 to 9, ".", "," and "-", in any
// number and order ("--1.,2" passes). Anything else, blanks, letters and "+" included, is
// forbidden.
bool IsAllowedCharacter(char c);
bool HasForbiddenCharacter(std::string_view text);

// Texts are UTF-8; positions and lengths are counted in characters, not bytes.
std::size_t CharacterCount(std::string_view text);

struct VerifiedText {
    std::string text;
    std::size_t caret = 0;  // where the field's caret goes, in characters from the start
};

// One character check of a field holding `text`. When the text holds a forbidden character,
// beeps once through `dialogs` and returns the text without its last character (wherever the
// forbidden one stands) with the caret at n - 1 for a text of n characters. Otherwise returns the
// text unchanged with the caret at its end, n.
VerifiedText VerifyInput(std::string_view text, Dialogs& dialogs);

// The end state of a field's change handling for `text`: as if VerifyInput ran again on every
// shortened text until none holds a forbidden character. The result is the longest beginning of
// `text` without a forbidden character, with one beep per character removed and the caret at
// its end. Runs in time linear in the text, however many characters go.
VerifiedText CutDownToValid(std::string_view text, Dialogs& dialogs);

}  // namespace zarvek
