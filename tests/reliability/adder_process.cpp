#include "adder_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "spread_parts.h"

namespace zarvek::reliability {

using namespace testing_support;

std::vector<std::string> AddWords(const std::string& gridFile, int index) {
    std::vector<std::string> words{"add",     "--yes",           "--file", gridFile,
                                   "--probe", SpreadProbeText(), "--name", SpreadPartName(index)};
    const SeatTextRows seats = SeatTexts(SpreadPart(index));
    for (std::size_t seat = 0; seat < 3; ++seat) {
        words.push_back("--p" + std::to_string(seat + 1));
        std::string joined;
        for (const std::string& value : seats[seat]) {
            joined += (joined.empty() ? "" : ",") + value;
        }
        words.push_back(joined);
    }
    return words;
}

void PrepareAdderEnvironment() {
    ::setenv("LC_ALL", "C", 1);
    ::setenv("LANG", "C", 1);
    ::unsetenv("LANGUAGE");
    ::setenv("ZARVEK_REGISTRY", "/nonexistent/zarvek-test-registry.reg", 1);
}

pid_t StartAdder(const std::string& program, const std::vector<std::string>& words,
                 const std::filesystem::path& log) {
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), words.begin(), words.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("cannot start a process");
    }
    if (child == 0) {
        const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (out >= 0) {
            ::dup2(out, STDOUT_FILENO);
            ::dup2(out, STDERR_FILENO);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return child;
}

namespace {

int StatusOf(int raw) {
    if (WIFEXITED(raw)) {
        return WEXITSTATUS(raw);
    }
    return WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : 255;
}

}  // namespace

int WaitFor(pid_t process) {
    int raw = 0;
    while (::waitpid(process, &raw, 0) < 0) {
        if (errno != EINTR) {
            throw std::runtime_error("lost a child process");
        }
    }
    return StatusOf(raw);
}

bool HasEnded(pid_t process, int& status) {
    int raw = 0;
    if (::waitpid(process, &raw, WNOHANG) != process) {
        return false;
    }
    status = StatusOf(raw);
    return true;
}

ScratchFolder::ScratchFolder(bool keep) : keep_(keep) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = std::filesystem::temp_directory_path() /
                ("zarvek-reliability-" + std::to_string(random()) + std::to_string(random()));
        if (std::filesystem::create_directory(path_)) {
            return;
        }
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    if (!keep_) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Option(const std::vector<std::string>& words, const std::string& name,
                   const std::string& fallback) {
    const auto found = std::find(words.begin(), words.end(), name);
    return found != words.end() && std::next(found) != words.end() ? *std::next(found) : fallback;
}

}  // namespace zarvek::reliability
