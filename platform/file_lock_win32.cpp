#include <windows.h>

#include "platform/file_lock.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, DWORD error) {
    throw FileSystemError("cannot " + what + " the lock file \"" + path +
                          "\": " + win32::SystemErrorText(error));
}

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Every sharing mode is granted: the lock lies in LockFileEx, not in the way the file is opened,
// so that a second writer can open the file and wait for the lock.
HANDLE Open(const std::wstring& path, DWORD access, DWORD disposition) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

LockFile::LockFile(const std::string& path)
    : path_(path), handle_(reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE)) {
    const std::wstring widePath = win32::Widen(path);
    HANDLE file = Open(widePath, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD firstError = GetLastError();
        // A lock needs only read access; the first reason is the one that matters when the file
        // cannot be opened at all.
        file = firstError == ERROR_ACCESS_DENIED ? Open(widePath, GENERIC_READ, OPEN_EXISTING)
                                                 : INVALID_HANDLE_VALUE;
        if (file == INVALID_HANDLE_VALUE) {
            Fail("create or open", path, firstError);
        }
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        throw FileSystemError("cannot use the lock file \"" + path +
                              "\": something other than a plain file is in its place");
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
}

LockFile::~LockFile() {
    CloseHandle(Handle(handle_));
}

bool LockFile::TryLock() {
    OVERLAPPED whole{};
    if (LockFileEx(Handle(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &whole)) {
        return true;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) {
        return false;
    }
    Fail("lock", path_, error);
}

}  // namespace zarvek
