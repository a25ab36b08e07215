#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/file_lock.h"

namespace zarvek {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error) {
    throw FileSystemError("cannot " + what + " the lock file \"" + path +
                          "\": " + std::generic_category().message(error));
}

int Descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

// O_NOFOLLOW: a link planted at the lock file's name is refused, never followed.
int OpenForLocking(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || (errno != EACCES && errno != EPERM && errno != EROFS)) {
        return fd;
    }
    const int firstError = errno;
    const int readOnly = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (readOnly < 0) {
        // The first reason is the one that matters: a missing lock file that cannot be created.
        errno = firstError;
    }
    return readOnly;
}

}  // namespace

LockFile::LockFile(const std::string& path) : path_(path), handle_(-1) {
    const int fd = OpenForLocking(path);
    if (fd < 0) {
        Fail("create or open", path, errno);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw FileSystemError("cannot use the lock file \"" + path +
                              "\": something other than a plain file is in its place");
    }
    handle_ = fd;
}

LockFile::~LockFile() {
    ::close(Descriptor(handle_));
}

bool LockFile::TryLock() {
    for (;;) {
        if (::flock(Descriptor(handle_), LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno == EWOULDBLOCK) {
            return false;
        }
        if (errno != EINTR) {
            Fail("lock", path_, errno);
        }
    }
}

}  // namespace zarvek
