#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zarvek {

// The single-byte text of the grid file: the system's ANSI code page on Windows, Windows-1252
// elsewhere. The core holds text as UTF-8.

// Decodes file bytes. Never fails: every byte sequence gives some text.
std::string AnsiToUtf8(std::string_view bytes);

// Encodes UTF-8 text for the file. Never fails: a character the code page cannot hold becomes
// "?", as does every byte that is not valid UTF-8.
std::string Utf8ToAnsi(std::string_view text);

// The characters of `text` that Utf8ToAnsi would turn into "?", each once, in the order they
// first appear; U+FFFD stands for bytes that are not valid UTF-8. Empty when the code page holds
// the whole text.
std::vector<char32_t> CharactersOutsideCodePage(std::string_view text);

}  // namespace zarvek
