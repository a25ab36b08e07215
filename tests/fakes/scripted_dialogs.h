#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace zarvek {

// A Dialogs that records every call and answers from a script: each message box takes the next
// scripted answer, or its default button when the script is used up; each file dialog takes the
// next scripted path, or is cancelled.
class ScriptedDialogs final : public Dialogs {
  public:
    struct OpenFileCall {
        std::string filterDescription;
        std::string filterPattern;
        std::string initialFolder;
    };

    Answer Ask(const Message& message) override {
        messages.push_back(message);
        if (answers.empty()) {
            return message.defaultButton;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void Beep() override { ++beeps; }

    std::optional<std::string> OpenFile(const std::string& filterDescription,
                                        const std::string& filterPattern,
                                        const std::string& initialFolder) override {
        openFileCalls.push_back(OpenFileCall{filterDescription, filterPattern, initialFolder});
        if (files.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> file = files.front();
        files.pop_front();
        return file;
    }

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> files;
    std::vector<Message> messages;
    std::vector<OpenFileCall> openFileCalls;
    int beeps = 0;
};

}  // namespace zarvek
