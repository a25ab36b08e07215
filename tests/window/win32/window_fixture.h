#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "support/recording_dialogs.h"
#include "window/win32/frm_main.h"

namespace zarvek::win32 {

// A started window (load handler run, shown) answering through scripted dialogs, with its Armdata
// folder in a fresh temporary folder that is removed afterwards. Messages are posted and then run
// through the wizard's own loop step (PreTranslateMessage: accelerator and dialog keys first), so
// typing goes the way the operator's does.
class Win32WindowTest : public testing::Test {
  protected:
    Win32WindowTest();
    ~Win32WindowTest() override;

    FrmMain& Start(Language language = Language::English,
                   NumberLocale locale = NumberLocale{".", ","});

    // Runs every message waiting for this thread.
    void Pump();
    // A key pressed and released in the control holding the focus.
    void Key(WPARAM virtualKey);
    // Characters typed into the control holding the focus.
    void Type(const std::wstring& text);
    // The menu, toolbar or button command `id`, as the window receives it.
    void Command(int id);

    HWND Control(const char* name) const { return window->controls().Find(name); }
    HWND Box(Field field) const { return window->controls().field(field); }
    std::string Text(HWND control) const;
    std::string FocusName() const;
    bool Shown(HWND control) const;
    bool Enabled(HWND control) const { return IsWindowEnabled(control) != FALSE; }

    std::string Path(const std::string& name) const { return armdataFolder + name; }
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& path) const;

    testing_support::RecordingDialogs dialogs;
    std::filesystem::path folder;
    std::string armdataFolder;  // the folder with its trailing separator
    std::unique_ptr<FrmMain> window;
    bool destroyed = false;
};

}  // namespace zarvek::win32
