#pragma once

#include <filesystem>
#include <string>

namespace zarvek::bench {

// A fresh folder under the system's temporary folder, removed with its files when it goes.
class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Writes `bytes` as the whole file at `path` (not flushed to the disk). Throws std::runtime_error.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace zarvek::bench
