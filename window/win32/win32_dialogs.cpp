#include "window/win32/win32_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/wide_text_win32.h"

namespace zarvek::win32 {
namespace {

// The application's own title, the same in every language.
constexpr int kApplicationTitleId = 1073;

// Longest path the dialog returns; far beyond MAX_PATH for long paths.
constexpr DWORD kPathCharacters = 32768;

UINT IconStyle(Icon icon) {
    switch (icon) {
        case Icon::Critical:
            return MB_ICONSTOP;
        case Icon::Question:
            return MB_ICONQUESTION;
        case Icon::Exclamation:
            return MB_ICONEXCLAMATION;
        case Icon::Information:
            return MB_ICONINFORMATION;
        case Icon::None:
            break;
    }
    return 0;
}

UINT DefaultButtonStyle(const Message& message) {
    if (message.buttons == Buttons::Ok || message.defaultButton == Answer::Yes) {
        return MB_DEFBUTTON1;
    }
    if (message.defaultButton == Answer::No) {
        return MB_DEFBUTTON2;
    }
    return message.buttons == Buttons::YesNoCancel ? MB_DEFBUTTON3 : MB_DEFBUTTON1;
}

}  // namespace

UINT MessageBoxStyle(const Message& message) {
    UINT buttons = MB_OK;
    if (message.buttons == Buttons::YesNo) {
        buttons = MB_YESNO;
    } else if (message.buttons == Buttons::YesNoCancel) {
        buttons = MB_YESNOCANCEL;
    }
    return buttons | IconStyle(message.icon) | DefaultButtonStyle(message);
}

Answer AnswerOf(int result, Buttons buttons) {
    switch (result) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        case IDCANCEL:
            if (buttons == Buttons::YesNoCancel) {
                return Answer::Cancel;
            }
            break;
        default:
            break;
    }
    return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
}

std::wstring OpenFileFilter(const std::string& filterDescription,
                            const std::string& filterPattern) {
    std::wstring filter = Widen(filterDescription);
    filter.push_back(L'\0');
    filter += Widen(filterPattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

HWND Win32Dialogs::ShownOwner() const {
    return owner_ != nullptr && IsWindowVisible(owner_) ? owner_ : nullptr;
}

Answer Win32Dialogs::Ask(const Message& message) {
    const std::string title =
        message.title.empty() ? LookupString(kApplicationTitleId, language_) : message.title;
    const HWND owner = ShownOwner();
    const int result =
        MessageBoxW(owner, Widen(message.prompt).c_str(), Widen(title).c_str(),
                    MessageBoxStyle(message) | (owner == nullptr ? MB_TASKMODAL : 0));
    return AnswerOf(result, message.buttons);
}

void Win32Dialogs::Beep() {
    MessageBeep(MB_OK);
}

std::optional<std::string> Win32Dialogs::OpenFile(const std::string& filterDescription,
                                                  const std::string& filterPattern,
                                                  const std::string& initialFolder) {
    const std::wstring filter = OpenFileFilter(filterDescription, filterPattern);
    const std::wstring folder = Widen(initialFolder);
    std::vector<wchar_t> path(kPathCharacters, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ShownOwner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathCharacters;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // The current folder stays where it was: the installed file may be looked for there.
    dialog.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    return Narrow(path.data());
}

}  // namespace zarvek::win32
