#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/errors.h"

namespace zarvek {

// The file operations the grid-file storage needs, one implementation per operating system.
// Paths are UTF-8. Every failing operation throws FileSystemError whose message says what failed,
// on which path and why, as the system words it, e.g.
// "cannot open \"/opt/arm/Armdata/Gridfile.dat\" for reading: No such file or directory".

class FileSystemError : public Error {
  public:
    using Error::Error;
};

// The separator between folder names: '\\' on Windows, '/' elsewhere.
char FolderSeparator();

// Whether `path` names a folder from the root of a drive or file system (not relative to the
// current folder).
bool IsAbsolutePath(const std::string& path);

// Whether anything (a file, a folder, a link) exists at `path`.
bool PathExists(const std::string& path);

// Whether a folder (or a link to one) is at `path`.
bool IsFolder(const std::string& path);

// The whole content of the file at `path`.
std::string ReadWholeFile(const std::string& path);

// Reads the file at `path` from its start, piece by piece into the caller's memory, so that a
// large file needs no memory of its size. Opening a folder or a missing file throws
// FileSystemError, as ReadWholeFile does.
class FileReader {
  public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Reads up to `size` bytes into `into`; returns how many, 0 only at the end of the file.
    // Throws FileSystemError naming the file.
    std::size_t Read(char* into, std::size_t size);

  private:
    std::string path_;
    std::intptr_t handle_;  // the system's descriptor or handle of the open file
};

// Where bytes go piece by piece: a file being written, or text in memory.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// Creates the file at `path` anew and writes it piece by piece. A file already at `path` is
// removed first, never written through: another name of it (a hard link, as a restore leaves
// behind when it is interrupted) or a link placed there keeps its content. Finish flushes it to the
// disk and closes it. When `permissionsFrom` names an existing file, the new file takes over its
// access permissions where the system has such a notion. Every failure throws FileSystemError; a
// writer dropped without Finish, or after a failure, leaves the file incomplete: the caller removes
// it.
class FileWriter final : public ByteSink {
  public:
    FileWriter(const std::string& path, const std::string& permissionsFrom);
    ~FileWriter() override;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void Write(std::string_view bytes) override;
    void Finish();

  private:
    std::string path_;
    std::intptr_t handle_;  // the system's descriptor or handle; -1 once closed
};

// Writes `bytes` as the whole file at `path` through a FileWriter, flushed and closed.
inline void WriteFileToDisk(const std::string& path, std::string_view bytes,
                            const std::string& permissionsFrom) {
    FileWriter file(path, permissionsFrom);
    file.Write(bytes);
    file.Finish();
}

// Thrown by ReplaceFileAtomically when another program holds the target open so that it cannot be
// replaced. The message says so and names the file.
class FileHeldOpenError : public FileSystemError {
  public:
    using FileSystemError::FileSystemError;
};

// Replaces `target` by `source` in one step: a reader sees either the old or the new file,
// never a mix or none, also after a crash or a power loss once this returns. `source` is gone
// afterwards. Both paths lie in the same folder. On failure `target` is unchanged. Where another
// program may hold `target` open and so block the replace (Windows), the replace is retried for
// about two seconds; when it is still held then, FileHeldOpenError is thrown.
void ReplaceFileAtomically(const std::string& source, const std::string& target);

// Whether another program holds the file at `path` open so that it can be neither renamed nor
// replaced (Windows: opened without FILE_SHARE_DELETE). Always false where an open file can be
// replaced (POSIX), and false when nothing is at `path`.
bool IsHeldOpenAgainstReplace(const std::string& path) noexcept;

// Removes the file at `path` if there is one; never fails.
void RemoveFileQuietly(const std::string& path) noexcept;

// Removes the file at `path`; nothing to remove is no failure. Throws FileSystemError when a file
// is there and stays (no permission, a folder in its place, held open by another program).
void RemoveFile(const std::string& path);

// Gives the file at `existing` the second name `link` in the same folder (a hard link: both names
// then lead to the same content, and replacing one name by another file leaves the other name
// with the old content). `link` must not exist. Returns false when that fails for any reason,
// among them a file system without hard links; nothing has been created then.
bool MakeHardLink(const std::string& existing, const std::string& link) noexcept;

// A moment in the local time of the machine, to the minute.
struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0;
};

// When the file at `path` was last written, in local time; nothing when that cannot be found out.
std::optional<LocalDateTime> LastWriteTime(const std::string& path) noexcept;

}  // namespace zarvek
