#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/dialogs.h"

namespace zarvek {

// Prints a whole message in a failed comparison, so that a test compares messages, not fields.
inline void PrintTo(const Message& message, std::ostream* out) {
    *out << "Message{prompt \"" << message.prompt << "\", title \"" << message.title
         << "\", buttons " << static_cast<int>(message.buttons) << ", icon "
         << static_cast<int>(message.icon) << ", default "
         << static_cast<int>(message.defaultButton) << ", text " << message.textId << "}";
}

}  // namespace zarvek

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
