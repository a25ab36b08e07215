#pragma once

#include <string_view>

#include "platform/registry.h"

namespace zarvek {

// Looks up the value `valueName` of the key `keyPath` (e.g. "HKEY_LOCAL_MACHINE\Software\...")
// in the text of a registry export file (the format regedit writes: "Windows Registry Editor
// Version 5.00", then "[key]" sections of "name"=data lines). The file may be UTF-16 with a
// byte-order mark, as regedit writes it, or UTF-8.
//
// Key and value names compare without regard to ASCII letter case, as on Windows. A quoted
// string ("Directory"="/opt/arm", with \\ and \" as escapes) and hex(1): bytes (UTF-16, ending
// at the first zero character) are plain strings; hex(2): (an expandable string), dword: and
// every other type are not. Later lines win over earlier ones, "name"=- removes a value and a
// [-key] section removes the key and everything below it, as importing the file would.
// Malformed lines are skipped. Never fails.
RegistryLookup FindTextInRegFile(std::string_view fileBytes, std::string_view keyPath,
                                 std::string_view valueName);

}  // namespace zarvek
