#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "form/control_tags.h"
#include "form/main_window_commands.h"
#include "form/viewer_file.h"
#include "recording_dialogs.h"

namespace zarvek {
namespace {

// Records what the commands ask of the window.
class RecordingView final : public MainWindowView {
  public:
    void ShowMode(WindowMode mode, const std::string&) override {
        modes.push_back(mode);
        viewing = mode == WindowMode::View;
    }
    void FocusPartName() override {}
    void ShowFileText(const std::string& text, const std::string&) override { shown = text; }
    bool ViewerShown() const override { return viewing; }
    void ClearViewer() override { shown.clear(); }
    void CloseWindow() override { closed = true; }

    std::vector<WindowMode> modes;
    bool viewing = false;
    std::string shown;
    bool closed = false;
};

// Dialogs whose boxes run `whileOpen` while they are up, as a modal loop dispatches the window's
// messages.
class ReenteringDialogs final : public testing_support::RecordingDialogs {
  public:
    Answer Ask(const Message& message) override {
        if (whileOpen) {
            whileOpen();
        }
        return RecordingDialogs::Ask(message);
    }
    std::function<void()> whileOpen;
};

std::filesystem::path FreshFolder() {
    std::random_device random;
    auto folder = std::filesystem::temp_directory_path() /
                  ("zarvek-commands-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(MainWindowCommands, CommandArrivingWhileABoxIsUpIsIgnored) {
    ReenteringDialogs dialogs;
    FormModel form(dialogs);
    RecordingView view;
    MainWindowCommands commands(form, dialogs, Language::English, NumberLocale{".", ","}, view);
    commands.SetGridFilePath((FreshFolder() / "Gridfile.dat").string());
    dialogs.whileOpen = [&] {
        commands.FileNew();
        commands.FileExit();
    };
    commands.OpenInstalledFile();  // no file: its box is up while the others arrive
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(view.modes, (std::vector<WindowMode>{WindowMode::View}));
    EXPECT_FALSE(view.closed);
    dialogs.whileOpen = nullptr;
    commands.FileNew();  // once the box is gone, commands run again
    EXPECT_EQ(view.modes.back(), WindowMode::Input);
}

TEST(MainWindowCommands, ToolbarKeysCompareExactly) {
    testing_support::RecordingDialogs dialogs;
    FormModel form(dialogs);
    RecordingView view;
    MainWindowCommands commands(form, dialogs, Language::English, NumberLocale{}, view);
    commands.ToolbarButtonClick("new");
    commands.ToolbarButtonClick("t");
    EXPECT_TRUE(view.modes.empty());
    commands.ToolbarButtonClick("New");
    EXPECT_EQ(view.modes, (std::vector<WindowMode>{WindowMode::Input}));
}

TEST(ViewerFile, FileIsDecodedFromTheAnsiCodePageAndAMissingOneSaysWhy) {
    const auto folder = FreshFolder();
    const std::string path = (folder / "b.dat").string();
    std::ofstream(path, std::ios::binary) << "Part B\xE4r\r\n";
    EXPECT_EQ(ReadFileForViewer(path, Language::English).text, "Part B\xC3\xA4r\r\n");
    const ViewerFile missing = ReadFileForViewer((folder / "none.dat").string(), Language::English);
    EXPECT_FALSE(missing.text);
    EXPECT_NE(missing.failure.find("cannot be read"), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST(ViewerFile, EveryLineEndBecomesTheControlsOwn) {
    EXPECT_EQ(WithLineEnds("a\r\nb\rc\nd", "\r\n"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(WithLineEnds("a\r\n\r\nb", "\n"), "a\n\nb");
}

}  // namespace
}  // namespace zarvek
