#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/terminal.h"

namespace zarvek::testing_support {

// A terminal in memory: records what is written, answers from typed lines, and calls `onErr`
// after each write to standard error.
class FakeTerminal final : public Terminal {
  public:
    void Out(std::string_view text) override { out += text; }
    void Err(std::string_view text) override {
        err += text;
        if (onErr) {
            onErr();
        }
    }
    bool Interactive() override { return interactive; }
    std::optional<std::string> ReadLine() override {
        ++reads;
        if (typed.empty()) {
            return std::nullopt;
        }
        std::string line = typed.front();
        typed.pop_front();
        return line;
    }
    bool Finish() override { return true; }

    bool interactive = false;
    std::deque<std::string> typed;
    std::string out;
    std::string err;
    int reads = 0;
    std::function<void()> onErr;
};

}  // namespace zarvek::testing_support
