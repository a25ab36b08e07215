#include "platform/windows_1252.h"

#include <array>
#include <cstddef>

#include "platform/utf8.h"

namespace zarvek {
namespace {

// Bytes 0x80 to 0x9F; 0x00-0x7F and 0xA0-0xFF are the code points of the same value. The
// unassigned bytes map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CharacterOfByte(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

constexpr char kUnmappable = '?';

char ByteOfCharacter(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return kUnmappable;
}

// The end of the run of ASCII characters (below 0x80) that starts at `at`.
std::size_t AsciiRunEnd(std::string_view text, std::size_t at) {
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80) {
        ++at;
    }
    return at;
}

}  // namespace

std::string DecodeWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        // Runs of ASCII, nearly all of a grid file, are the same in both and copied at once.
        const std::size_t ascii = AsciiRunEnd(bytes, at);
        text.append(bytes.substr(at, ascii - at));
        at = ascii;
        if (at < bytes.size()) {
            AppendUtf8(text, CharacterOfByte(static_cast<unsigned char>(bytes[at])));
        }
    }
    return text;
}

std::string EncodeWindows1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t ascii = AsciiRunEnd(utf8, at);
        bytes.append(utf8.substr(at, ascii - at));
        at = ascii;
        if (at < utf8.size()) {
            const Utf8Character character = DecodeUtf8At(utf8, at);
            bytes.push_back(character.valid ? ByteOfCharacter(character.codePoint) : kUnmappable);
            at += character.length;
        }
    }
    return bytes;
}

}  // namespace zarvek
