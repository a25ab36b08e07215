#include "form/existing_file.h"

#include <filesystem>
#include <system_error>

namespace zarvek {

bool IsExistingFile(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    // From UTF-8 explicitly: a plain std::string would be taken in the ANSI code page on Windows.
    const std::filesystem::path native(std::u8string(path.begin(), path.end()));
    std::error_code error;
    return std::filesystem::is_regular_file(native, error);
}

}  // namespace zarvek
