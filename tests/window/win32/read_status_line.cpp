// Prints the status line of the wizard's window to standard output (UTF-8), for the keyboard run
// (keyboard_end_to_end.sh): from outside wine, xdotool sees the window but not its controls.
//   read_status_line.exe TITLE     exit 1 when no window has that title or it has no status bar
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <string>

#include "platform/wide_text_win32.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const HWND window = FindWindowW(nullptr, zarvek::win32::Widen(argv[1]).c_str());
    const HWND bar =
        window != nullptr ? FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr) : nullptr;
    if (bar == nullptr) {
        return 1;
    }
    // WM_GETTEXT, unlike SB_GETTEXT, is carried across processes.
    std::array<wchar_t, 2048> text{};
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(bar, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, 5000, &length) == 0) {
        return 1;
    }
    const std::string line = zarvek::win32::Narrow(std::wstring(text.data(), length)) + "\n";
    return zarvek::win32::WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), line) ? 0 : 1;
}
