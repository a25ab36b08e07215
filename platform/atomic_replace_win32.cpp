#include <windows.h>

#include "platform/file_system.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

// Another program (a virus scanner, an indexer, the host software reading the file) may hold the
// target open for a moment; the replace is retried for about two seconds before giving up.
constexpr int kAttempts = 40;
constexpr DWORD kPauseMilliseconds = 50;

bool IsTransient(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

// Whether another handle on `path` refuses to let the file be deleted or renamed (it was opened
// without FILE_SHARE_DELETE). The system reports that case as "access denied", which would send
// the operator looking at permissions instead of at the program holding the file.
bool HeldOpenElsewhere(const std::wstring& path) noexcept {
    const HANDLE probe =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace

// MoveFileExW renames the new file over the old one in one step, so the target name never goes
// missing. ReplaceFileW is not used: it moves the replaced file away to another name first, and
// its documented failure ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 leaves nothing under the target name.
void ReplaceFileAtomically(const std::string& source, const std::string& target) {
    const std::wstring wideSource = win32::Widen(source);
    const std::wstring wideTarget = win32::Widen(target);
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (MoveFileExW(wideSource.c_str(), wideTarget.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return;
        }
        error = GetLastError();
        if (!IsTransient(error)) {
            break;
        }
        Sleep(kPauseMilliseconds);
    }
    if (IsTransient(error) && HeldOpenElsewhere(wideTarget)) {
        throw FileHeldOpenError("cannot replace \"" + target +
                                "\": another program has the file open (" +
                                win32::SystemErrorText(error) + ")");
    }
    if (IsTransient(error)) {
        throw FileSystemError("cannot replace \"" + target +
                              "\" (tried for two seconds; another program may hold it open): " +
                              win32::SystemErrorText(error));
    }
    throw FileSystemError("cannot replace \"" + target + "\" by \"" + source +
                          "\": " + win32::SystemErrorText(error));
}

bool IsHeldOpenAgainstReplace(const std::string& path) noexcept {
    try {
        return HeldOpenElsewhere(win32::Widen(path));
    } catch (...) {
        return false;
    }
}

}  // namespace zarvek
