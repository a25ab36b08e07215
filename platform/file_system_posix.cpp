#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <system_error>

#include "platform/file_system.h"

namespace zarvek {
namespace {

std::string Quoted(const std::string& path) {
    return "\"" + path + "\"";
}

[[noreturn]] void ThrowLastError(const std::string& what, const std::string& path) {
    const int error = errno;
    throw FileSystemError("cannot " + what + " " + Quoted(path) + ": " +
                          std::generic_category().message(error));
}

// Closes the descriptor when it goes out of scope, for the paths that leave by an exception.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (a late write error shows here).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Reads what is there, up to `size` bytes; 0 at the end of the file.
std::size_t ReadSome(int fd, char* into, std::size_t size, const std::string& path) {
    for (;;) {
        const ssize_t got = ::read(fd, into, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            ThrowLastError("read", path);
        }
    }
}

}  // namespace

char FolderSeparator() {
    return '/';
}

bool IsAbsolutePath(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

bool PathExists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

FileReader::FileReader(const std::string& path)
    : path_(path), handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (handle_ < 0) {
        ThrowLastError("open", path);
    }
    struct stat status {};
    if (::fstat(static_cast<int>(handle_), &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(static_cast<int>(handle_));
        throw FileSystemError("cannot read " + Quoted(path) + ": it is a folder, not a file");
    }
}

FileReader::~FileReader() {
    ::close(static_cast<int>(handle_));
}

std::size_t FileReader::Read(char* into, std::size_t size) {
    return ReadSome(static_cast<int>(handle_), into, size, path_);
}

std::string ReadWholeFile(const std::string& path) {
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        ThrowLastError("open", path);
    }
    struct stat status {};
    if (::fstat(file.get(), &status) == 0 && S_ISDIR(status.st_mode)) {
        throw FileSystemError("cannot read " + Quoted(path) + ": it is a folder, not a file");
    }
    // Read straight into the result, sized by the file: one allocation and no copy. Where the file
    // ends as its size said, one small read confirms the end; a file that grows meanwhile is read
    // to its end all the same.
    std::string content(status.st_size > 0 ? static_cast<std::size_t>(status.st_size) : 0, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used < content.size()) {
            const std::size_t got =
                ReadSome(file.get(), content.data() + used, content.size() - used, path);
            if (got == 0) {
                content.resize(used);
                return content;
            }
            used += got;
            continue;
        }
        char more[4096];
        const std::size_t got = ReadSome(file.get(), more, sizeof more, path);
        if (got == 0) {
            return content;
        }
        content.append(more, got);
        used += got;
    }
}

FileWriter::FileWriter(const std::string& path, const std::string& permissionsFrom)
    : path_(path), handle_(-1) {
    // A leftover at `path` is removed rather than opened, so that a link placed there can never
    // redirect the write to another file.
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        ThrowLastError("remove the old temporary file", path);
    }
    handle_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (handle_ < 0) {
        ThrowLastError("create", path);
    }
    struct stat original {};
    if (::stat(permissionsFrom.c_str(), &original) == 0 && S_ISREG(original.st_mode)) {
        ::fchmod(static_cast<int>(handle_), original.st_mode & 07777);
    }
}

FileWriter::~FileWriter() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

void FileWriter::Write(std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put =
            ::write(static_cast<int>(handle_), bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            ThrowLastError("write", path_);
        }
        written += static_cast<std::size_t>(put);
    }
}

void FileWriter::Finish() {
    if (::fsync(static_cast<int>(handle_)) != 0) {
        ThrowLastError("flush to disk", path_);
    }
    const int fd = static_cast<int>(handle_);
    handle_ = -1;
    if (::close(fd) != 0) {
        ThrowLastError("close", path_);  // a late write error shows here
    }
}

void RemoveFileQuietly(const std::string& path) noexcept {
    ::unlink(path.c_str());
}

void RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        ThrowLastError("remove", path);
    }
}

bool MakeHardLink(const std::string& existing, const std::string& link) noexcept {
    // linkat without AT_SYMLINK_FOLLOW: a link at `existing` gets the second name itself.
    return ::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, link.c_str(), 0) == 0;
}

std::optional<LocalDateTime> LastWriteTime(const std::string& path) noexcept {
    struct stat status {};
    struct tm local {};
    if (::stat(path.c_str(), &status) != 0 || ::localtime_r(&status.st_mtime, &local) == nullptr) {
        return std::nullopt;
    }
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min};
}

}  // namespace zarvek
