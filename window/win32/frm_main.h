#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "form/form_model.h"
#include "form/main_window_commands.h"
#include "form/parts_overview.h"
#include "strings/string_table.h"
#include "window/win32/controls.h"
#include "window/win32/fonts.h"
#include "window/win32/toolbar_pictures.h"

namespace zarvek::win32 {

class FieldEdits;
class SketchView;

// The wizard's one window on the Win32 API: menu, toolbar, the seat-entry form bound to a
// FormModel, and the file viewer; its commands are the shared MainWindowCommands, which it shows
// on screen. The window shows and asks everything through `dialogs`, which it does not own and
// which must outlive it; captions and messages are in `language`, numbers in `locale`.
class FrmMain final : private MainWindowView {
  public:
    using ArmdataFolderQuery = MainWindowCommands::ArmdataFolderQuery;

    // Creates the window, hidden, with every control. `destroyed` runs when the window is
    // destroyed (File > Exit, the close box); the wizard ends its message loop there.
    FrmMain(Dialogs& dialogs, Language language, NumberLocale locale, ArmdataFolderQuery query,
            std::function<void()> destroyed = {});
    ~FrmMain() override;
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    // The load handler, run once before the window is first shown: captions, the Armdata folder
    // and the installed grid-file path, start-up mode, every seat field zero (SetStartupSeatTexts),
    // the write gate closed.
    void Load();

    // What the message loop does first with each message: the accelerator (Ctrl+N) and the
    // dialog keys (Tab and Shift+Tab in creation order, Enter and Escape). Enter runs Check
    // Pattern, the default button, and never Make or Add: on either of them it does nothing. True
    // when the message was handled and must not be dispatched.
    bool PreTranslateMessage(MSG& message);

    HWND hwnd() const { return hwnd_; }
    const Win32Controls& controls() const { return controls_; }
    FormModel& form() { return *form_; }
    MainWindowCommands& commands() { return commands_; }
    Language language() const { return language_; }
    const NumberLocale& locale() const { return locale_; }
    const Fonts& fonts() const { return fonts_; }
    // The drawing beside the seat grid (picPattern).
    const SketchView& sketchView() const { return *sketch_; }
    const std::string& gridFilePath() const { return commands_.GridFilePath(); }
    // What the viewer's parts table shows.
    const PartsOverview& partsOverview() const { return parts_; }
    // The viewer's selected tab: 0 the file's text, 1 its parts.
    void SelectViewerTab(int tab);
    // Selects the part in row `row` (from 0) of the parts list, or the last one when there are
    // fewer; nothing without parts.
    void SelectPartRow(std::size_t row);

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void BuildControls();
    void OnCommand(int id, int code, HWND from);
    LRESULT OnNotify(const NMHDR& header, LPARAM lParam);
    LRESULT OnColourStatic(HDC dc, HWND control);
    void ShowPartsOverview(PartsOverview overview);
    void ShowViewerPage();
    void CheckPatternPressed();
    std::optional<std::size_t> SelectedPartRow() const;
    void RemoveSelectedPart();
    void ShowPartsContextMenu(LPARAM at);

    // MainWindowView
    void ShowMode(WindowMode mode, const std::string& gridFilePath) override;
    void FocusPartName() override;
    void ShowFileText(const std::string& text, const std::string& path) override;
    void ShowStatusLine(const std::string& line) override;
    bool ViewerShown() const override;
    void ClearViewer() override;
    void CloseWindow() override;

    Language language_;
    NumberLocale locale_;
    ArmdataFolderQuery queryArmdataFolder_;
    std::function<void()> destroyed_;
    Dialogs& dialogs_;
    std::unique_ptr<FormModel> form_;
    MainWindowCommands commands_;
    Fonts fonts_;
    HWND hwnd_ = nullptr;
    Win32Controls controls_;
    WindowMode mode_ = WindowMode::StartUp;
    ToolbarImageLists images_;
    HACCEL accelerators_ = nullptr;
    HBRUSH markedRowBrush_ = nullptr;
    PartsOverview parts_;
    std::unique_ptr<FieldEdits> edits_;
    std::unique_ptr<SketchView> sketch_;
};

}  // namespace zarvek::win32
