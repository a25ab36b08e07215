#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zarvek {

// One code point read from UTF-8 text. An invalid or truncated sequence reads as one byte with
// `valid` false, so a scan always moves forward.
struct Utf8Character {
    char32_t codePoint = 0;
    std::size_t length = 1;  // bytes taken from the text, at least 1
    bool valid = true;
};

// The code point that starts at byte `at` of `text` (`at` < text.size()).
Utf8Character DecodeUtf8At(std::string_view text, std::size_t at);

// Appends the UTF-8 form of `codePoint` (at most U+10FFFF, not a surrogate).
void AppendUtf8(std::string& text, char32_t codePoint);

// The byte offset at which character `count` (counted from 0) starts, or text.size() when the
// text holds fewer characters.
std::size_t Utf8OffsetOfCharacter(std::string_view text, std::size_t count);

// Whether every byte of `text` is below 0x80: ASCII, the same text in UTF-8 and in every ANSI code
// page.
bool IsAscii(std::string_view text);

// The number of characters (code points; an invalid byte counts as one) in `text`.
std::size_t Utf8CharacterCount(std::string_view text);

}  // namespace zarvek
