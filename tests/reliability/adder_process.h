#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Runs the program that adds one part to a grid file, as a process of its own, for the tests
// that kill it or run several at once. The program is given the words of "zarvek-grid add":
//   PROGRAM add --yes --file PATH --probe 4 --name "Spread N" --p1 X Y Z I J K --p2 .. --p3 ..
// so that the test driver grid_add_driver and the command-line tool are interchangeable. POSIX
// only.
namespace zarvek::reliability {

using Clock = std::chrono::steady_clock;

// The words that add SpreadPart(index) to the grid file at `gridFile`.
std::vector<std::string> AddWords(const std::string& gridFile, int index);

// Fixes the environment the adders inherit: numbers with "." (the C locale), English texts, and
// no registry, so that the host library is never looked for in a real installation.
void PrepareAdderEnvironment();

// Starts `program` with `words`; its standard output and error go to `log` (appended).
pid_t StartAdder(const std::string& program, const std::vector<std::string>& words,
                 const std::filesystem::path& log);

// Waits for the process; its exit status, or 128 + the signal that ended it.
int WaitFor(pid_t process);

// Whether the process has ended; if so, `status` is set as by WaitFor.
bool HasEnded(pid_t process, int& status);

// A fresh folder under the system's temporary folder, removed with its content at the end unless
// `keep` is set.
class ScratchFolder {
  public:
    explicit ScratchFolder(bool keep = false);
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    bool keep_;
};

std::string ReadFileBytes(const std::filesystem::path& path);

// The names in `folder`, sorted.
std::vector<std::string> FolderNames(const std::filesystem::path& folder);

// Reads "--name value" options; the value of `name` or `fallback`.
std::string Option(const std::vector<std::string>& words, const std::string& name,
                   const std::string& fallback);

}  // namespace zarvek::reliability
