#include <windows.h>

#include <climits>

#include "platform/code_page.h"
#include "platform/wide_text_win32.h"

namespace zarvek {

std::string AnsiToUtf8(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(bytes.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), wideLength);
    return win32::Narrow(wide);
}

std::string Utf8ToAnsi(std::string_view text) {
    const std::wstring wide = win32::Widen(text);
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    // Without best-fit mapping a character the code page lacks becomes the default "?" rather
    // than a look-alike (which may be a path or quote character). A UTF-8 system code page takes
    // no flags and holds every character anyway.
    const bool utf8System = GetACP() == CP_UTF8;
    const DWORD flags = utf8System ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* defaultCharacter = utf8System ? nullptr : "?";
    const int narrowLength = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0,
                                                 defaultCharacter, nullptr);
    std::string bytes(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.data(), length, bytes.data(), narrowLength,
                        defaultCharacter, nullptr);
    return bytes;
}

}  // namespace zarvek
