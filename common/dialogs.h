#pragma once

#include <optional>
#include <string>

namespace zarvek {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Yes, No, Cancel };

// One modal message box. An empty title means the application title ("Zarvek File Wizard").
struct Message {
    std::string prompt;
    std::string title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // The button that Enter presses; for Buttons::Ok it is always Ok.
    Answer defaultButton = Answer::Ok;
    // The string-table id of the text the prompt was made from (placeholders filled, perhaps a
    // value added); 0 where the prompt is no text of the table. A window ignores it; the
    // command-line tool reports it to scripts.
    int textId = 0;

    friend bool operator==(const Message&, const Message&) = default;
};

// Everything the core would show or ask. The core never calls a toolkit: the window implements
// this with real dialogs, the command-line tool answers from its flags, tests record the calls.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // Shows the box modally and returns the button pressed (one of the box's buttons).
    virtual Answer Ask(const Message& message) = 0;

    // The platform's standard beep.
    virtual void Beep() = 0;

    // Lets the operator choose an existing file. `filterDescription` is the text shown for the
    // single filter entry, `filterPattern` its glob (e.g. "*.dat"). An empty `initialFolder`
    // opens the dialog in its default folder. Returns the full path, or nothing on cancel.
    virtual std::optional<std::string> OpenFile(const std::string& filterDescription,
                                                const std::string& filterPattern,
                                                const std::string& initialFolder) = 0;
};

// Shows nothing: every box answers its default button, the beep is silent, the file dialog is
// cancelled. For code that must compute without ever interrupting the operator.
class SilentDialogs final : public Dialogs {
  public:
    Answer Ask(const Message& message) override { return message.defaultButton; }
    void Beep() override {}
    std::optional<std::string> OpenFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
};

}  // namespace zarvek
