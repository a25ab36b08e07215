#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "common/dialogs.h"
#include "common/number_text.h"
#include "form/command_context.h"
#include "form/form_model.h"
#include "form/main_window_commands.h"
#include "strings/string_table.h"
#include "window/qt/main_controls.h"

namespace zarvek {

class FieldBinding;

// The wizard's one window: menu, toolbar, the seat-entry form bound to a FormModel, and the file
// viewer; its commands are the shared MainWindowCommands, which it shows on screen. The window
// shows and asks everything through `dialogs`, which it does not own and which must outlive it;
// captions and messages are in `language`, numbers in `locale`.
class FrmMain : public QMainWindow, private MainWindowView {
  public:
    using ArmdataFolderQuery = MainWindowCommands::ArmdataFolderQuery;

    FrmMain(Dialogs& dialogs, Language language, NumberLocale locale, ArmdataFolderQuery query);
    ~FrmMain() override;

    // The load handler, run once before the window is first shown: captions, the Armdata folder
    // and the installed grid-file path, start-up mode (nothing but menu and toolbar), every seat
    // field zero (SetStartupSeatTexts), the write gate closed. A failing step is skipped and the
    // next one runs.
    void Load();

    const MainControls& controls() const { return controls_; }
    FormModel& form() { return *form_; }
    QWidget& innerArea() { return *centralWidget(); }
    Language language() const { return language_; }
    const std::string& armdataFolder() const { return commands_.ArmdataFolder(); }
    const std::string& gridFilePath() const { return commands_.GridFilePath(); }
    void setGridFilePath(std::string path) { commands_.SetGridFilePath(std::move(path)); }

    // The window's commands, as the menu, the toolbar and the buttons run them.
    void FileNew();
    void FileOpen();
    void OpenInstalledFile();
    void AddToGridFile();
    void RestorePreviousGridFile();
    void FileClose();
    void FileExit();
    void ToolbarButtonClick(const QString& key);
    void CheckPatternClick();
    void MakeGridFileClick();
    // Enter in an entry field presses Check Pattern, the default button (never Make or Add): the
    // focus moves to the button first, so the field is left as on Tab before the check reads it.
    void EnterInField();

  private:
    void BuildControls();
    void BuildStatusBar();
    void ConnectCommands();
    void RemovePart(std::size_t position, const Part& part);

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
    MainControls controls_;
    WindowMode mode_ = WindowMode::StartUp;
    std::unique_ptr<FormModel> form_;
    MainWindowCommands commands_;
    std::unique_ptr<FieldBinding> binding_;
};

}  // namespace zarvek
