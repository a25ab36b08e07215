#pragma once

#include <string>
#include <string_view>

// Helpers shared by the Windows implementations of the platform services. Windows only.
namespace zarvek::win32 {

// UTF-8 to UTF-16 and back. Invalid input becomes U+FFFD; neither function fails.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's text for an error code of GetLastError, in UTF-8 without a trailing line end,
// e.g. "The system cannot find the file specified" (no final full stop). Falls back to
// "error 123".
std::string SystemErrorText(unsigned long errorCode);

// Writes all of `bytes` through the open file `handle` (a HANDLE), in chunks WriteFile accepts.
// False on the first failure, with GetLastError still telling why.
bool WriteAll(void* handle, std::string_view bytes);

}  // namespace zarvek::win32
