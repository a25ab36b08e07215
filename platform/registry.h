#pragma once

#include <string>
#include <string_view>

namespace zarvek {

// Where the host software records its installation folder: HKEY_LOCAL_MACHINE, this key, the
// text value "Directory".
inline constexpr std::string_view kInstallationKey =
    "HKEY_LOCAL_MACHINE\\Software\\Altreon\\Quadrel\\2.2\\General";
inline constexpr std::string_view kInstallationKeyBelowHive =
    "Software\\Altreon\\Quadrel\\2.2\\General";
inline constexpr std::string_view kInstallationValue = "Directory";

// The outcome of looking up a text value in the registry.
struct RegistryLookup {
    enum class Status {
        KeyMissing,  // the key does not exist or cannot be read
        NoText,      // the key exists; the value is missing or not a plain string (REG_SZ)
        Text,        // the value is a plain string, in `text`
    };
    Status status = Status::KeyMissing;
    std::string text;  // UTF-8; may be empty
};

// Reads the host's installation entry. On Windows from the registry's 32-bit view (the host is a
// 32-bit program); elsewhere from the stand-in registry export file, the first that exists of
// $ZARVEK_REGISTRY, $XDG_CONFIG_HOME/zarvek/registry.reg (default ~/.config/zarvek/registry.reg)
// and /etc/zarvek/registry.reg; no such file, or one that cannot be read, means the key is
// missing. Shows nothing and never fails.
RegistryLookup ReadInstallationEntry();

}  // namespace zarvek
