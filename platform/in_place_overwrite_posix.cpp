#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/file_system.h"
#include "platform/in_place_overwrite.h"

namespace zarvek {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what, const std::string& path) {
    const int error = errno;
    throw FileSystemError("cannot " + what + " \"" + path +
                          "\" in place: " + std::generic_category().message(error));
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { ::close(fd_); }
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

void OverwriteFileInPlace(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        ThrowErrno("open", path);
    }
    const Descriptor file(fd);
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(file.get(), bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno("write", path);
        }
        written += static_cast<std::size_t>(put);
    }
    // The old content may have been longer; its tail must not stay behind the new text.
    if (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) {
        ThrowErrno("cut", path);
    }
    if (::fsync(file.get()) != 0) {
        ThrowErrno("flush to disk", path);
    }
}

}  // namespace zarvek
