#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "support/recording_dialogs.h"
#include "window/qt/frm_main.h"

namespace zarvek {

// A started window (load handler run, shown offscreen and active) answering through scripted
// dialogs, with its Armdata folder in a fresh temporary folder that is removed afterwards.
class WindowTest : public testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // Starts a window; each test may start one.
    FrmMain& Start(Language language = Language::English,
                   NumberLocale locale = NumberLocale{".", ","});

    QWidget* Control(const char* name) const;
    QLineEdit* Box(Field field) const;

    // Types a pattern that passes Check Pattern: P1 (0, 0, 0), P2 (100, 0, 0), P3 (30, 80, 0), all
    // directions up, probe diameter 6, part "Bracket".
    void FillPassingPattern() const;

    std::string Path(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;

    testing_support::RecordingDialogs dialogs;
    std::filesystem::path folder;
    std::string armdataFolder;  // the folder with its trailing separator
    std::unique_ptr<FrmMain> window;
};

}  // namespace zarvek
