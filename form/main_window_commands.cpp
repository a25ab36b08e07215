#include "form/main_window_commands.h"

#include <exception>
#include <optional>
#include <utility>

#include "form/check_pattern.h"
#include "form/command_messages.h"
#include "form/control_tags.h"
#include "form/correction_commands.h"
#include "form/existing_file.h"
#include "form/placeholders.h"
#include "form/viewer_file.h"
#include "form/write_commands.h"
#include "storage/installation_folder.h"
#include "strings/window_string_ids.h"

namespace zarvek {

MainWindowCommands::MainWindowCommands(FormModel& form, Dialogs& dialogs, Language language,
                                       NumberLocale locale, MainWindowView& view)
    : form_(form),
      dialogs_(dialogs),
      language_(language),
      locale_(std::move(locale)),
      view_(view) {}

void MainWindowCommands::Load(const ArmdataFolderQuery& query) {
    try {
        armdataFolder_ = query(dialogs_);
    } catch (const std::exception&) {
        armdataFolder_.clear();  // as a failed lookup: the installed file is in the current folder
    }
    gridFilePath_ = GridFilePathIn(armdataFolder_);
    view_.ShowMode(WindowMode::StartUp, gridFilePath_);
    SetStartupSeatTexts(form_, locale_);
    form_.DisableWriteCommands(true);
}

CommandContext MainWindowCommands::Context() {
    return CommandContext{dialogs_, language_, locale_, gridFilePath_};
}

void MainWindowCommands::Run(const std::function<void()>& command) {
    if (running_) {
        return;
    }
    running_ = true;
    try {
        command();
    } catch (...) {
        running_ = false;
        throw;
    }
    running_ = false;
}

void MainWindowCommands::FileNew() {
    Run([this] {
        view_.ShowMode(WindowMode::Input, gridFilePath_);
        form_.DisableWriteCommands(true);
        // The operator can start typing the part name at once.
        view_.FocusPartName();
    });
}

void MainWindowCommands::FileOpen() {
    Run([this] {
        view_.ShowMode(WindowMode::View, gridFilePath_);
        const std::optional<std::string> path =
            dialogs_.OpenFile(std::string(kGridFileFilterDescription),
                              std::string(kGridFileFilterPattern), armdataFolder_);
        if (path) {
            ShowFile(*path);  // cancelled: the viewer keeps what it showed
        }
    });
}

void MainWindowCommands::OpenInstalledFile() {
    Run([this] {
        view_.ShowMode(WindowMode::View, gridFilePath_);
        if (!IsExistingFile(gridFilePath_)) {
            ShowNoInstalledFile(Context());
            return;
        }
        ShowFile(gridFilePath_);
    });
}

void MainWindowCommands::ShowFile(const std::string& path) {
    const ViewerFile file = ReadFileForViewer(path, language_);
    if (file.text) {
        view_.ShowFileText(*file.text, path);
        shownPath_ = path;
        return;
    }
    ShowOkMessage(
        Context(),
        FillPlaceholders(LookupString(kFileCannotBeShown, language_), {path, file.failure}),
        LookupString(kCannotOpenFileTitle, language_), Icon::Critical);
}

void MainWindowCommands::FileClose() {
    Run([this] {
        if (view_.ViewerShown()) {
            view_.ClearViewer();
            shownPath_.clear();
        }
    });
}

void MainWindowCommands::FileExit() {
    Run([this] { view_.CloseWindow(); });
}

std::optional<WrittenGridFile> MainWindowCommands::Write(
    CommandContext context, const std::function<void(const CommandContext&)>& write) {
    std::optional<WrittenGridFile> written;
    context.written = [&written](const WrittenGridFile& file) { written = file; };
    write(context);
    // An empty line after No or a failure: the line of an earlier write must not pass for this one.
    view_.ShowStatusLine(written ? StatusLineAfterWrite(*written, language_) : std::string());
    return written;
}

void MainWindowCommands::ShowAgainIfShown(const std::optional<WrittenGridFile>& written) {
    if (written && !shownPath_.empty() && written->path == shownPath_) {
        ShowFile(shownPath_);
    }
}

void MainWindowCommands::AddToGridFile() {
    Run([this] {
        if (form_.WriteGateOpen()) {
            ShowAgainIfShown(Write(Context(), [this](const CommandContext& context) {
                zarvek::AddToGridFile(form_, context);
            }));
        }
    });
}

void MainWindowCommands::MakeGridFile() {
    Run([this] {
        if (form_.WriteGateOpen()) {
            ShowAgainIfShown(Write(Context(), [this](const CommandContext& context) {
                zarvek::MakeGridFile(form_, context);
            }));
        }
    });
}

void MainWindowCommands::CheckPattern() {
    Run([this] { zarvek::CheckPattern(form_, Context()); });
}

void MainWindowCommands::RemovePart(std::size_t position, Part shown) {
    Run([this, position, &shown] {
        if (shownPath_.empty()) {
            return;
        }
        CommandContext context = Context();
        context.gridFilePath = shownPath_;
        CorrectionOutcome outcome = CorrectionOutcome::Declined;
        Write(context, [&](const CommandContext& withReport) {
            outcome = RemovePartAfterAsking(withReport, position, shown);
        });
        switch (outcome) {
            case CorrectionOutcome::Done:
            case CorrectionOutcome::PartNotThere:
            case CorrectionOutcome::NotAGridFile:
                ShowFile(context.gridFilePath);
                break;
            default:
                break;
        }
    });
}

void MainWindowCommands::RestorePreviousGridFile() {
    Run([this] {
        const auto written = Write(Context(), [](const CommandContext& context) {
            zarvek::RestorePreviousGridFile(context);
        });
        if (written) {
            view_.ShowMode(WindowMode::View, gridFilePath_);
            ShowFile(gridFilePath_);
        }
    });
}

bool MainWindowCommands::CanRestorePreviousGridFile() const {
    return zarvek::CanRestorePreviousGridFile(gridFilePath_);
}

void MainWindowCommands::ToolbarButtonClick(std::string_view key) {
    if (key == "New") {
        FileNew();
    } else if (key == "Open") {
        FileOpen();
    } else if (key == "T") {
        OpenInstalledFile();
    } else if (key == "T+") {
        AddToGridFile();
    }
}

}  // namespace zarvek
