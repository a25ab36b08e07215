#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "platform/terminal.h"

namespace zarvek {
namespace {

class PosixTerminal final : public Terminal {
  public:
    void Out(std::string_view text) override {
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
            failed_ = true;
        }
    }

    void Err(std::string_view text) override {
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fflush(stderr);
    }

    bool Interactive() override {
        return ::isatty(STDIN_FILENO) == 1 && ::isatty(STDERR_FILENO) == 1;
    }

    std::optional<std::string> ReadLine() override {
        std::string line;
        if (!std::getline(std::cin, line)) {
            return std::nullopt;
        }
        return line;
    }

    bool Finish() override { return std::fflush(stdout) == 0 && !failed_ && !std::ferror(stdout); }

  private:
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<Terminal> ProcessTerminal() {
    return std::make_unique<PosixTerminal>();
}

std::vector<std::string> ProcessArguments(int argc, char** argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        words.emplace_back(argv[i]);
    }
    return words;
}

}  // namespace zarvek
