#pragma once

#include <string>
#include <string_view>

namespace zarvek {

// The single-byte text of the grid file: the system's ANSI code page on Windows, Windows-1252
// elsewhere. The core holds text as UTF-8.

// Decodes file bytes. Never fails: every byte sequence gives some text.
std::string AnsiToUtf8(std::string_view bytes);

// Encodes UTF-8 text for the file. Never fails: a character the code page cannot hold becomes
// "?", as does every byte that is not valid UTF-8.
std::string Utf8ToAnsi(std::string_view text);

}  // namespace zarvek
