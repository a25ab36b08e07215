#include "platform/code_page.h"

#include <algorithm>

#include "platform/utf8.h"

namespace zarvek {

std::vector<char32_t> CharactersOutsideCodePage(std::string_view text) {
    std::vector<char32_t> outside;
    // ASCII is in every code page; only the other characters are tried, one by one, through the
    // very encoding the writer uses.
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = DecodeUtf8At(text, at);
        const std::string_view bytes = text.substr(at, character.length);
        at += character.length;
        if (IsAscii(bytes) || Utf8ToAnsi(bytes) != "?") {
            continue;
        }
        const char32_t shown = character.valid ? character.codePoint : U'\uFFFD';
        if (std::find(outside.begin(), outside.end(), shown) == outside.end()) {
            outside.push_back(shown);
        }
    }
    return outside;
}

}  // namespace zarvek
