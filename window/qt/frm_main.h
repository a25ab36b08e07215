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
#include "strings/string_table.h"
#include "window/qt/main_controls.h"

namespace zarvek {

class FieldBinding;

// The wizard's one window: menu, toolbar, the seat-entry form bound to a FormModel, and the file
// viewer. The window shows and asks everything through `dialogs`, which it does not own and which
// must outlive it; captions and messages are in `language`, numbers in `locale`.
class FrmMain : public QMainWindow {
  public:
    // Finds the host's Armdata folder at load time (empty on failure; it may show a warning
    // through the Dialogs it is given).
    using ArmdataFolderQuery = std::function<std::string(Dialogs&)>;

    FrmMain(Dialogs& dialogs, Language language, NumberLocale locale, ArmdataFolderQuery query);
    ~FrmMain() override;

    // The load handler, run once before the window is first shown: captions, the Armdata folder
    // and the installed grid-file path, start-up mode (nothing but menu and toolbar), every seat
    // field "0.0000", the write gate closed. A failing step is skipped and the next one runs.
    void Load();

    const MainControls& controls() const { return controls_; }
    FormModel& form() { return *form_; }
    QWidget& innerArea() { return *centralWidget(); }
    Language language() const { return language_; }
    const std::string& armdataFolder() const { return sArmdataFolder_; }
    const std::string& gridFilePath() const { return sGridFilePath_; }
    void setGridFilePath(std::string path) { sGridFilePath_ = std::move(path); }

    // The window's commands, as the menu, the toolbar and the buttons run them.
    void FileNew();
    void FileOpen();
    void OpenInstalledFile();
    void AddToGridFile();
    void FileClose();
    void FileExit();
    void ToolbarButtonClick(const QString& key);
    void CheckPatternClick();
    void MakeGridFileClick();

  private:
    void BuildControls();
    void ConnectCommands();
    CommandContext Context();
    void ShowFileError(const QString& path, const QString& reason);

    Dialogs& dialogs_;
    Language language_;
    NumberLocale locale_;
    ArmdataFolderQuery queryArmdataFolder_;
    std::string sArmdataFolder_;
    std::string sGridFilePath_;
    MainControls controls_;
    std::unique_ptr<FormModel> form_;
    std::unique_ptr<FieldBinding> binding_;
};

}  // namespace zarvek
