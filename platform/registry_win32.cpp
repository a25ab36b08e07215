#include <windows.h>

#include <optional>
#include <string>

#include "platform/registry.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

// The value's text: it need not end in a zero, and may hold one before its end; the text ends at
// whichever comes first. A value of any length is read whole.
std::optional<std::wstring> QueryText(HKEY key, const std::wstring& valueName) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS ||
            type != REG_SZ) {
            return std::nullopt;
        }
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        const LSTATUS status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (status == ERROR_MORE_DATA) {
            continue;  // the value grew between the two calls
        }
        if (status != ERROR_SUCCESS || type != REG_SZ) {
            return std::nullopt;
        }
        buffer.resize(got / sizeof(wchar_t));
        const auto zero = buffer.find(L'\0');
        if (zero != std::wstring::npos) {
            buffer.resize(zero);
        }
        return buffer;
    }
    return std::nullopt;
}

}  // namespace

RegistryLookup ReadInstallationEntry() {
    HKEY key = nullptr;
    // KEY_WOW64_32KEY: the host is a 32-bit program and records its entry in the 32-bit view,
    // which a 64-bit build would otherwise not see.
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, win32::Widen(kInstallationKeyBelowHive).c_str(), 0,
                      KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) {
        return {};
    }
    const auto text = QueryText(key, win32::Widen(kInstallationValue));
    RegCloseKey(key);
    if (!text) {
        return {RegistryLookup::Status::NoText, {}};
    }
    return {RegistryLookup::Status::Text, win32::Narrow(*text)};
}

}  // namespace zarvek
