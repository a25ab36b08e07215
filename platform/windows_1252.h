#pragma once

#include <string>
#include <string_view>

namespace zarvek {

// Windows-1252, the single-byte code page the grid file uses where the system has no ANSI code
// page of its own. Both directions are total:
// - decoding maps every byte to one character; the five bytes the code page leaves unassigned
//   (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters U+0081, U+008D, U+008F, U+0090,
//   U+009D, so every byte sequence survives decoding and encoding unchanged;
// - encoding writes "?" for every character the code page cannot hold, and for every byte of
//   `utf8` that is not valid UTF-8.
std::string DecodeWindows1252(std::string_view bytes);
std::string EncodeWindows1252(std::string_view utf8);

}  // namespace zarvek
