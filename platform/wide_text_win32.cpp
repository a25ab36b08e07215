#include "platform/wide_text_win32.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace zarvek::win32 {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int narrowLength =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, narrow.data(), narrowLength, nullptr,
                        nullptr);
    return narrow;
}

std::string SystemErrorText(unsigned long errorCode) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&LocalFree)> owned(buffer, &LocalFree);
    if (length == 0 || buffer == nullptr) {
        return "error " + std::to_string(errorCode);
    }
    std::wstring_view text(buffer, length);
    // Without the line end and the final full stop, like the texts of the other systems.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.remove_suffix(1);
    }
    return Narrow(text);
}

bool WriteAll(void* handle, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1 << 20));
        DWORD put = 0;
        if (!WriteFile(handle, bytes.data() + written, chunk, &put, nullptr)) {
            return false;
        }
        written += put;
    }
    return true;
}

}  // namespace zarvek::win32
