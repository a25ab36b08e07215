#include <windows.h>

#include <string>

#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

std::string FolderOf(const std::wstring& path) {
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::string()
                                           : win32::Narrow(path.substr(0, separator));
}

// A system call that fills a buffer of wide characters and returns the length it needed.
template <typename Call>
std::wstring FilledBuffer(Call call) {
    std::wstring buffer(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        const UINT length = call(buffer.data(), static_cast<UINT>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
    return {};
}

}  // namespace

std::string HostLibraryFileName() {
    return "Quadrel.dll";
}

LibraryHandle LoadLibraryAt(const std::string& fullPath) noexcept {
    try {
        if (!IsAbsolutePath(fullPath)) {
            return {};
        }
        // Take the current folder out of the search for every later load of the process, and
        // keep the system from showing a box for a missing or damaged file.
        SetDllDirectoryW(L"");
        DWORD previousMode = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
        const std::wstring path = win32::Widen(fullPath);
        // The library's own dependencies come from its folder and the system folders only.
        HMODULE module =
            LoadLibraryExW(path.c_str(), nullptr,
                           LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
        if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
            // A system without the search flags: the altered search path starts at the
            // library's folder, and SetDllDirectoryW above keeps the current folder out.
            module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        }
        SetThreadErrorMode(previousMode, nullptr);
        if (module == nullptr) {
            return {};
        }
        return LibraryHandle(module,
                             [](void* loaded) { FreeLibrary(static_cast<HMODULE>(loaded)); });
    } catch (...) {
        return {};
    }
}

NoArgumentFunction FindFunction(const LibraryHandle& library, const char* name) noexcept {
    if (!library) {
        return nullptr;
    }
    return reinterpret_cast<NoArgumentFunction>(
        GetProcAddress(static_cast<HMODULE>(library.get()), name));
}

std::string ApplicationFolder() {
    const std::wstring path = FilledBuffer([](wchar_t* buffer, UINT size) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer, size);
        // A truncated name reports the full buffer size; ask for a larger buffer then.
        return length >= size ? size : static_cast<UINT>(length);
    });
    return FolderOf(path);
}

std::vector<std::string> SystemLibraryFolders() {
    std::vector<std::string> folders;
    const std::wstring system =
        FilledBuffer([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
    const std::wstring windows =
        FilledBuffer([](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
    for (const std::wstring& folder : {system, windows}) {
        if (!folder.empty()) {
            folders.push_back(win32::Narrow(folder));
        }
    }
    return folders;
}

}  // namespace zarvek
