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
#include "form/placeholders.h"
#include "form/viewer_file.h"
#include "storage/grid_file_io.h"
#include "support/form_typing.h"
#include "support/recording_dialogs.h"

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
    void ShowStatusLine(const std::string& line) override { status = line; }
    bool ViewerShown() const override { return viewing; }
    void ClearViewer() override { shown.clear(); }
    void CloseWindow() override { closed = true; }

    std::vector<WindowMode> modes;
    bool viewing = false;
    std::string shown;
    std::string status;
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

// A window's commands on a grid file in a fresh folder, with a part typed and checked.
class WritesTest : public testing::Test {
  protected:
    WritesTest() { commands.SetGridFilePath(path); }
    ~WritesTest() override { std::filesystem::remove_all(folder); }

    // "Bracket" or "Flange": two parts whose lengths match none of the other's.
    void Enter(const std::string& name) {
        testing_support::TypePart(
            form, name == "Bracket" ? testing_support::kPassingSeats : testing_support::kOtherSeats,
            "6", name.c_str());
        commands.CheckPattern();
        ASSERT_TRUE(form.WriteGateOpen());
    }

    testing_support::RecordingDialogs dialogs;
    FormModel form{dialogs};
    RecordingView view;
    MainWindowCommands commands{form, dialogs, Language::English, NumberLocale{".", ","}, view};
    std::filesystem::path folder = FreshFolder();
    std::string path = (folder / "Gridfile.dat").string();
};

enum class Step { Make, Add, RemoveFirst, Restore, RestoreMissing };

// One write and the status line after it ("%1": the grid file's path; "": none). Each row works
// on the file the rows above it left.
struct WriteRow {
    Step step;
    const char* part;  // Make, Add: the part typed
    Answer answer;     // to the question, when one is asked
    const char* line;
};

// clang-format off
const WriteRow kWriteRows[] = {
    {Step::Make, "Bracket", Answer::Yes, "\"Bracket\" was written as the only part of the new Zarvek file %1; there was no previous file to keep."},
    {Step::Make, "Bracket", Answer::No, ""},
    {Step::Make, "Bracket", Answer::Yes, "\"Bracket\" was written as the only part of the Zarvek file %1; the previous file is kept as Gridfile.dat.bak."},
    {Step::Add, "Flange", Answer::No, ""},
    {Step::Add, "Flange", Answer::Yes, "\"Flange\" was added as part 2 of the Zarvek file %1; the previous file is kept as Gridfile.dat.bak."},
    {Step::Add, "Flange", Answer::Yes, ""},  // refused: its lengths are in the file
    {Step::RemoveFirst, "", Answer::No, ""},
    {Step::RemoveFirst, "", Answer::Yes, "Part 1 \"Bracket\" was removed from the Zarvek file %1; the previous file is kept as Gridfile.dat.bak."},
    {Step::Restore, "", Answer::No, ""},
    {Step::Restore, "", Answer::Yes, "The Zarvek file %1 was restored from its backup (number of parts: 2); the file it replaced is now the backup Gridfile.dat.bak."},
    {Step::RestoreMissing, "", Answer::Yes, "The Zarvek file %1 was restored from its backup Gridfile.dat.bak (number of parts: 1), which stays as it was."},
};
// clang-format on

TEST_F(WritesTest, StatusLineSaysWhatWasWrittenAndNothingAfterNoOrARefusal) {
    for (const WriteRow& row : kWriteRows) {
        SCOPED_TRACE(row.line);
        view.status = "the line of an earlier write";
        if (row.step == Step::Make || row.step == Step::Add) {
            Enter(row.part);
        }
        dialogs.answers = {row.answer};
        switch (row.step) {
            case Step::Make:
                commands.MakeGridFile();
                break;
            case Step::Add:
                commands.AddToGridFile();
                break;
            case Step::RemoveFirst:
                commands.OpenInstalledFile();
                commands.RemovePart(1, MakeGridFileObj(path)->Parts.Item(1));
                break;
            case Step::RestoreMissing:
                std::filesystem::remove(path);
                [[fallthrough]];
            case Step::Restore:
                commands.RestorePreviousGridFile();
                break;
        }
        EXPECT_EQ(view.status, FillPlaceholders(row.line, {path}));
    }
}

TEST_F(WritesTest, WriteIntoTheFileTheViewerShowsShowsItAgain) {
    Enter("Bracket");
    commands.MakeGridFile();
    commands.OpenInstalledFile();
    commands.FileNew();
    Enter("Flange");
    dialogs.answers = {Answer::Yes};
    commands.AddToGridFile();
    EXPECT_EQ(view.shown.substr(0, 9), "$$\r\n2 3 1");
    EXPECT_NE(view.shown.find("Part Flange"), std::string::npos);
}

TEST_F(WritesTest, WriteAfterTheViewerWasClosedDoesNotShowTheFileAgain) {
    Enter("Bracket");
    commands.MakeGridFile();
    commands.OpenInstalledFile();
    commands.FileClose();
    commands.FileNew();
    Enter("Flange");
    dialogs.answers = {Answer::Yes};
    commands.AddToGridFile();
    EXPECT_EQ(view.shown, "");
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
