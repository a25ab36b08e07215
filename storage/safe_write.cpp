#include "storage/safe_write.h"

#include "storage/file_system.h"

namespace zarvek {

std::string TemporaryPathFor(const std::string& path) {
    return path + ".tmp";
}

void WriteFileSafely(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryPathFor(path);
    try {
        WriteFileToDisk(temporary, bytes, path);
        ReplaceFileAtomically(temporary, path);
    } catch (...) {
        RemoveFileQuietly(temporary);
        throw;
    }
}

}  // namespace zarvek
