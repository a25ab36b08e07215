#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace zarvek::testing_support {

// A scripted Dialogs: records every call and answers message boxes from a queue (the box's
// default button when the queue is empty).
class RecordingDialogs : public Dialogs {
  public:
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
    std::optional<std::string> OpenFile(const std::string& description, const std::string& pattern,
                                        const std::string& folder) override {
        openRequests.push_back(description + "|" + pattern + "|" + folder);
        return chosenFile;
    }

    std::deque<Answer> answers;
    std::optional<std::string> chosenFile;
    std::vector<Message> messages;
    std::vector<std::string> openRequests;
    int beeps = 0;
};

}  // namespace zarvek::testing_support
