#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/reg_file.h"
#include "platform/registry.h"

namespace zarvek {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool IsFile(const std::string& path) {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// The stand-in registry file, in the order of precedence.
std::optional<std::string> FindRegistryFile() {
    std::vector<std::string> candidates{Environment("ZARVEK_REGISTRY")};
    const std::string configHome = Environment("XDG_CONFIG_HOME");
    const std::string home = Environment("HOME");
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules ask.
    if (IsAbsolutePath(configHome)) {
        candidates.push_back(configHome + "/zarvek/registry.reg");
    } else if (IsAbsolutePath(home)) {
        candidates.push_back(home + "/.config/zarvek/registry.reg");
    }
    candidates.emplace_back("/etc/zarvek/registry.reg");
    for (const std::string& candidate : candidates) {
        if (IsFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

RegistryLookup ReadInstallationEntry() {
    const auto file = FindRegistryFile();
    if (!file) {
        return {};
    }
    try {
        return FindTextInRegFile(ReadWholeFile(*file), kInstallationKey, kInstallationValue);
    } catch (const FileSystemError&) {
        return {};  // a registry that cannot be read is a missing key
    }
}

}  // namespace zarvek
