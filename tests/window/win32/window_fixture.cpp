#include "window_fixture.h"

#include <fstream>
#include <random>
#include <sstream>

#include "window/win32/startup.h"
#include "window/win32/window_text.h"

namespace zarvek::win32 {

Win32WindowTest::Win32WindowTest() {
    std::random_device random;
    folder = std::filesystem::temp_directory_path() /
             ("zarvek-win32-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder);
    armdataFolder = folder.string() + "\\";
}

Win32WindowTest::~Win32WindowTest() {
    window.reset();
    Pump();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

FrmMain& Win32WindowTest::Start(Language language, NumberLocale locale) {
    window = std::make_unique<FrmMain>(
        dialogs, language, std::move(locale), [this](Dialogs&) { return armdataFolder; },
        [this] { destroyed = true; });
    StartUp(*window, SW_SHOW);
    SetForegroundWindow(window->hwnd());
    Pump();
    return *window;
}

void Win32WindowTest::Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        if (window == nullptr || !window->PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Win32WindowTest::Key(WPARAM virtualKey) {
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001u));
    Pump();
}

void Win32WindowTest::Type(const std::wstring& text) {
    for (const wchar_t character : text) {
        PostMessageW(GetFocus(), WM_CHAR, character, 1);
        Pump();
    }
}

void Win32WindowTest::Command(int id) {
    SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

std::string Win32WindowTest::Text(HWND control) const {
    return WindowText(control);
}

std::string Win32WindowTest::FocusName() const {
    const HWND focus = GetFocus();
    for (const zarvek::win32::Control& control : window->controls().controlOrder) {
        if (control.hwnd == focus) {
            return control.name;
        }
    }
    return "(none)";
}

bool Win32WindowTest::Shown(HWND control) const {
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32WindowTest::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string Win32WindowTest::ReadFile(const std::string& path) const {
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())),
                     std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace zarvek::win32
