#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/file_system.h"

namespace zarvek {
namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the new directory entry itself durable. Best effort: the replace has already happened
// and is visible, so a failure here is not reported as a failed write.
void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void ReplaceFileAtomically(const std::string& source, const std::string& target) {
    if (::rename(source.c_str(), target.c_str()) != 0) {
        const int error = errno;
        throw FileSystemError("cannot replace \"" + target + "\" by \"" + source +
                              "\": " + std::generic_category().message(error));
    }
    FlushFolder(FolderOf(target));
}

bool IsHeldOpenAgainstReplace(
    const std::string& /*path: an open file never blocks rename*/) noexcept {
    return false;
}

}  // namespace zarvek
