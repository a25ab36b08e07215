#include "form/verify_input.h"

#include <algorithm>

namespace zarvek {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte length of the text without its last character.
std::size_t WithoutLastCharacter(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    std::size_t end = text.size() - 1;
    while (end > 0 && IsContinuationByte(text[end])) {
        --end;
    }
    return end;
}

}  // namespace

bool IsAllowedCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-';
}

bool HasForbiddenCharacter(std::string_view text) {
    return !std::all_of(text.begin(), text.end(), IsAllowedCharacter);
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

VerifiedText VerifyInput(std::string_view text, Dialogs& dialogs) {
    const std::size_t n = CharacterCount(text);
    if (HasForbiddenCharacter(text)) {
        dialogs.Beep();
        return VerifiedText{std::string(text.substr(0, WithoutLastCharacter(text))), n - 1};
    }
    return VerifiedText{std::string(text), n};
}

VerifiedText CutDownToValid(std::string_view text, Dialogs& dialogs) {
    // Cutting from the end stops exactly when the first forbidden character has gone, so the
    // survivor is everything before it, and every character from it on costs one beep.
    const auto firstForbidden = std::find_if_not(text.begin(), text.end(), IsAllowedCharacter);
    const std::string_view kept =
        text.substr(0, static_cast<std::size_t>(firstForbidden - text.begin()));
    const std::size_t removed = CharacterCount(text.substr(kept.size()));
    for (std::size_t i = 0; i < removed; ++i) {
        dialogs.Beep();
    }
    return VerifiedText{std::string(kept), kept.size()};
}

}  // namespace zarvek
