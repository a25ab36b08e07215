#include <windows.h>

#include <memory>

#include "platform/file_system.h"
#include "platform/in_place_overwrite.h"
#include "platform/wide_text_win32.h"

namespace zarvek {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

[[noreturn]] void ThrowLastError(const std::string& what, const std::string& path) {
    const DWORD error = GetLastError();
    throw FileSystemError("cannot " + what + " \"" + path +
                          "\" in place: " + win32::SystemErrorText(error));
}

}  // namespace

void OverwriteFileInPlace(const std::string& path, const std::string& bytes) {
    // Sharing reading and writing lets the holder keep its handle, whatever it reads or writes
    // through it; the open is refused only by a holder that does not share writing.
    const HANDLE opened =
        CreateFileW(win32::Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        ThrowLastError("open", path);
    }
    const UniqueHandle file(opened);
    if (!win32::WriteAll(file.get(), bytes)) {
        ThrowLastError("write", path);
    }
    // The old content may have been longer; its tail must not stay behind the new text.
    if (!SetEndOfFile(file.get())) {
        ThrowLastError("cut", path);
    }
    if (!FlushFileBuffers(file.get())) {
        ThrowLastError("flush to disk", path);
    }
}

}  // namespace zarvek
