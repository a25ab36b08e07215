#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "form/command_context.h"
#include "form/form_model.h"
#include "form/window_mode.h"
#include "form/write_report.h"
#include "model/part.h"
#include "strings/string_table.h"

namespace zarvek {

// What the main window's commands do on screen; one implementation per toolkit. Calls arrive
// synchronously, inside the command that causes them.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // SetWindowMode on screen: every control whose Tag puts it in a group
    // (ClassifyTag) is shown and enabled exactly when ShownInMode; entering view mode lays the
    // viewer out from the window's inner area (ComputeViewLayout) and names `gridFilePath` in the
    // label above it.
    virtual void ShowMode(WindowMode mode, const std::string& gridFilePath) = 0;

    // Puts the keyboard focus in the part name (File > New). The field it leaves keeps its text:
    // this is no leave that reformats (FormModel::LeaveField with FocusLoss::ByNew).
    virtual void FocusPartName() = 0;

    // Replaces what the viewer shows by a file's text (UTF-8, the file's own line ends) and its
    // parts; `path` names the file in the parts table's messages.
    virtual void ShowFileText(const std::string& text, const std::string& path) = 0;

    // Shows `line` in the window's status bar in place of what it showed; "" empties it.
    virtual void ShowStatusLine(const std::string& line) = 0;

    // Whether the viewer is shown; File > Close empties it only then.
    virtual bool ViewerShown() const = 0;
    virtual void ClearViewer() = 0;

    // File > Exit: closes the window, which ends the program without asking anything.
    virtual void CloseWindow() = 0;
};

// The main window's commands without a toolkit, shared by every window: start-up, the File menu,
// the toolbar and the three buttons. Holds the Armdata folder and the installed grid-file path.
//
// A command that arrives while another is still running (a modal message box dispatches the
// window's messages) is ignored: the first command's state stays consistent and the write gate
// cannot change under an open box.
//
// `form`, `dialogs` and `view` are not owned and must outlive the commands.
class MainWindowCommands {
  public:
    // Finds the host's Armdata folder (empty on failure); it may show the registry warning
    // through the Dialogs it is given.
    using ArmdataFolderQuery = std::function<std::string(Dialogs&)>;

    MainWindowCommands(FormModel& form, Dialogs& dialogs, Language language, NumberLocale locale,
                       MainWindowView& view);

    // The load handler after the captions: the Armdata folder and the installed grid-file path,
    // start-up mode, every seat field "0.0000" (SetStartupSeatTexts), the write gate closed. A
    // failing step is skipped.
    void Load(const ArmdataFolderQuery& query);

    const std::string& ArmdataFolder() const { return armdataFolder_; }
    const std::string& GridFilePath() const { return gridFilePath_; }
    void SetGridFilePath(std::string path) { gridFilePath_ = std::move(path); }
    Language language() const { return language_; }
    const NumberLocale& locale() const { return locale_; }
    CommandContext Context();

    void FileNew();
    void FileOpen();
    void OpenInstalledFile();
    void FileClose();
    void FileExit();
    // Add (button, menu entry, toolbar "T+") and Make run only while the write gate is open.
    //
    // After each of the four writes (Make, Add, Remove Part, Restore Previous Grid File) the
    // status line says what was written and names the backup (StatusLineAfterWrite); after No, a
    // refusal or a failure it is empty. A write into the file the viewer shows shows it again.
    void AddToGridFile();
    void MakeGridFile();
    void CheckPattern();
    // Remove Part (the parts tab's button, Delete key and context menu): `shown` is the part the
    // parts tab shows at `position` (from 1) of the file the viewer shows. Runs only while the
    // viewer shows a file; asks and removes as RemovePartAfterAsking does, then shows that file
    // again (also when the part was no longer there or the file is no grid file any more).
    void RemovePart(std::size_t position, Part shown);
    // File > Restore Previous Grid File: restores the installed grid file's backup as
    // RestorePreviousGridFile does, then shows the restored file in view mode.
    void RestorePreviousGridFile();
    // Whether File > Restore Previous Grid File is enabled: the installed grid file has a backup.
    bool CanRestorePreviousGridFile() const;
    // The toolbar button with `key`, compared exactly: "New", "Open", "T", "T+"; others do nothing.
    void ToolbarButtonClick(std::string_view key);

  private:
    void ShowFile(const std::string& path);
    void Run(const std::function<void()>& command);
    // Runs `write` with the context it is given, then shows the status line for what it wrote,
    // or none, and returns what it wrote.
    std::optional<WrittenGridFile> Write(CommandContext context,
                                         const std::function<void(const CommandContext&)>& write);
    // Shows the file the viewer shows again when `written` is it.
    void ShowAgainIfShown(const std::optional<WrittenGridFile>& written);

    FormModel& form_;
    Dialogs& dialogs_;
    Language language_;
    NumberLocale locale_;
    MainWindowView& view_;
    std::string armdataFolder_;
    std::string gridFilePath_;
    std::string shownPath_;  // the file the viewer shows; empty when it shows none
    bool running_ = false;
};

// The file-open dialog's one filter entry: ".dat  Files (*.dat)" (two blanks) for "*.dat".
inline constexpr std::string_view kGridFileFilterDescription = ".dat  Files (*.dat)";
inline constexpr std::string_view kGridFileFilterPattern = "*.dat";

}  // namespace zarvek
