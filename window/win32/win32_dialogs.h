#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "common/dialogs.h"
#include "strings/string_table.h"

namespace zarvek::win32 {

// Dialogs shown with the system's own boxes: MessageBoxW (the system writes the buttons in the
// user's language; a box without a title carries the application title), MessageBeep, and
// GetOpenFileNameW. Boxes belong to the owner window once it is shown, which disables it while a
// box is up; before that (the registry warning at start-up) they stand on their own.
class Win32Dialogs final : public Dialogs {
  public:
    explicit Win32Dialogs(Language language) : language_(language) {}

    void SetOwner(HWND owner) { owner_ = owner; }

    Answer Ask(const Message& message) override;
    void Beep() override;
    std::optional<std::string> OpenFile(const std::string& filterDescription,
                                        const std::string& filterPattern,
                                        const std::string& initialFolder) override;

  private:
    HWND ShownOwner() const;

    Language language_;
    HWND owner_ = nullptr;
};

// The MessageBoxW style of a box: its buttons, its icon and its default button.
UINT MessageBoxStyle(const Message& message);

// The answer for what MessageBoxW returned; a Yes/No box closed without an answer takes No, the
// answer that changes nothing.
Answer AnswerOf(int result, Buttons buttons);

// The filter of GetOpenFileNameW: description and pattern, each ended by a null character, and
// one more null character to end the list.
std::wstring OpenFileFilter(const std::string& filterDescription, const std::string& filterPattern);

}  // namespace zarvek::win32
