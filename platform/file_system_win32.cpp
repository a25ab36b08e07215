#include <windows.h>

#include <algorithm>
#include <memory>

#include "platform/file_system.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

[[noreturn]] void ThrowLastError(const std::string& what, const std::string& path) {
    const DWORD error = GetLastError();
    throw FileSystemError("cannot " + what + " " + Quoted(path) + ": " +
                          win32::SystemErrorText(error));
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

UniqueHandle Own(HANDLE handle) {
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

char FolderSeparator() {
    return '\\';
}

bool IsAbsolutePath(const std::string& path) {
    const auto isSeparator = [](char c) { return c == '\\' || c == '/'; };
    // "C:\folder" or "\\server\share"; "C:folder" and "\folder" depend on the current drive or
    // folder.
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && isSeparator(path[2])) {
        return true;
    }
    return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

bool PathExists(const std::string& path) {
    return GetFileAttributesW(win32::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win32::Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

FileReader::FileReader(const std::string& path)
    : path_(path),
      handle_(reinterpret_cast<std::intptr_t>(
          CreateFileW(win32::Widen(path).c_str(), GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))) {
    if (reinterpret_cast<HANDLE>(handle_) == INVALID_HANDLE_VALUE) {
        ThrowLastError("open", path);
    }
}

FileReader::~FileReader() {
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::size_t FileReader::Read(char* into, std::size_t size) {
    // ReadFile takes 32 bits of size; a piece of that size is as good as a larger one.
    DWORD got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), into,
                  static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)), &got, nullptr)) {
        ThrowLastError("read", path_);
    }
    return got;
}

std::string ReadWholeFile(const std::string& path) {
    const UniqueHandle file =
        Own(CreateFileW(win32::Widen(path).c_str(), GENERIC_READ,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ThrowLastError("open", path);
    }
    std::string content;
    if (LARGE_INTEGER size{}; GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
        content.reserve(static_cast<std::size_t>(size.QuadPart));  // one allocation, no copies
    }
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) {
            ThrowLastError("read", path);
        }
        if (got == 0) {
            return content;
        }
        content.append(buffer, got);
    }
}

FileWriter::FileWriter(const std::string& path,
                       const std::string& /*permissionsFrom: the new file inherits the folder's*/)
    : path_(path), handle_(-1) {
    // A leftover is removed rather than opened: it may be a second name of the grid file itself
    // (a hard link), whose content opening it with CREATE_ALWAYS would empty.
    RemoveFile(path);
    const HANDLE file = CreateFileW(win32::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ThrowLastError("create", path);
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

FileWriter::~FileWriter() {
    if (handle_ != -1) {
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    }
}

void FileWriter::Write(std::string_view bytes) {
    if (!win32::WriteAll(reinterpret_cast<HANDLE>(handle_), bytes)) {
        ThrowLastError("write", path_);
    }
}

void FileWriter::Finish() {
    if (!FlushFileBuffers(reinterpret_cast<HANDLE>(handle_))) {
        ThrowLastError("flush to disk", path_);
    }
    const HANDLE file = reinterpret_cast<HANDLE>(handle_);
    handle_ = -1;
    if (!CloseHandle(file)) {
        ThrowLastError("close", path_);
    }
}

void RemoveFileQuietly(const std::string& path) noexcept {
    try {
        DeleteFileW(win32::Widen(path).c_str());
    } catch (...) {
    }
}

void RemoveFile(const std::string& path) {
    const std::wstring widePath = win32::Widen(path);
    // The read-only attribute would refuse the delete.
    SetFileAttributesW(widePath.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(widePath.c_str())) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            SetLastError(error);
            ThrowLastError("remove", path);
        }
    }
}

bool MakeHardLink(const std::string& existing, const std::string& link) noexcept {
    try {
        return CreateHardLinkW(win32::Widen(link).c_str(), win32::Widen(existing).c_str(),
                               nullptr) != FALSE;
    } catch (...) {
        return false;
    }
}

std::optional<LocalDateTime> LastWriteTime(const std::string& path) noexcept {
    try {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        SYSTEMTIME utc{};
        SYSTEMTIME local{};
        if (!GetFileAttributesExW(win32::Widen(path).c_str(), GetFileExInfoStandard, &data) ||
            !FileTimeToSystemTime(&data.ftLastWriteTime, &utc) ||
            !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
            return std::nullopt;
        }
        return LocalDateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace zarvek
