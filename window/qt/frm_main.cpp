#include "window/qt/frm_main.h"

#include <exception>

#include "form/check_pattern.h"
#include "form/command_messages.h"
#include "form/control_tags.h"
#include "form/existing_file.h"
#include "form/form_sketch.h"
#include "form/placeholders.h"
#include "form/view_layout.h"
#include "form/write_commands.h"
#include "storage/installation_folder.h"
#include "strings/window_string_ids.h"
#include "window/qt/field_binding.h"
#include "window/qt/file_menu.h"
#include "window/qt/input_form.h"
#include "window/qt/make_child.h"
#include "window/qt/parts_view.h"
#include "window/qt/pattern_drawing.h"
#include "window/qt/toolbar.h"
#include "window/qt/viewer.h"
#include "window/qt/window_procedures.h"

namespace zarvek {
namespace {

// The starting size of the window, in twips: room for the seat grid and the drawing beside it.
constexpr int kStartWidthTwips = 16200;
constexpr int kStartHeightTwips = 8400;

}  // namespace

FrmMain::FrmMain(Dialogs& dialogs, Language language, NumberLocale locale, ArmdataFolderQuery query)
    : dialogs_(dialogs),
      language_(language),
      locale_(std::move(locale)),
      queryArmdataFolder_(std::move(query)),
      form_(std::make_unique<FormModel>(dialogs)) {
    NameControl(*this, "frmMain", "1022");
    setWindowTitle(QStringLiteral("frmMain"));
    BuildControls();
    binding_ = std::make_unique<FieldBinding>(
        *form_, controls_.fields, locale_, [this](bool open) { ShowWriteGate(controls_, open); },
        [this](bool locked) { ShowInputLock(controls_, locked); },
        [this](Field field) {
            if (ChangesTheSketch(field)) {
                controls_.picPattern->ShowSketch(SketchForm(*form_, locale_));
            }
        });
    ConnectCommands();
    resize(TwipsToPixels(kStartWidthTwips, logicalDpiX()),
           TwipsToPixels(kStartHeightTwips, logicalDpiY()));
}

FrmMain::~FrmMain() = default;

void FrmMain::BuildControls() {
    auto* inner = MakeChild<QWidget>(this);
    inner->setObjectName(QStringLiteral("innerArea"));
    setCentralWidget(inner);
    BuildInputForm(*inner, controls_);
    controls_.picPattern->SetTextStyle(language_, locale_);
    BuildViewer(*inner, controls_, language_, locale_);
    BuildToolbar(*this, controls_);
    BuildFileMenu(*this, controls_);
    setWindowIcon(QIcon(controls_.ImageList1->pictures[2]));
    // No menu for hiding the toolbar.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void FrmMain::ConnectCommands() {
    const MainControls& c = controls_;
    connect(c.mnuFileNew, &QAction::triggered, this, &FrmMain::FileNew);
    connect(c.mnuFileOpen, &QAction::triggered, this, &FrmMain::FileOpen);
    connect(c.mnuOpenExisting, &QAction::triggered, this, &FrmMain::OpenInstalledFile);
    connect(c.mnuAddToGridFile, &QAction::triggered, this, &FrmMain::AddToGridFile);
    connect(c.mnuFileClose, &QAction::triggered, this, &FrmMain::FileClose);
    connect(c.mnuFileExit, &QAction::triggered, this, &FrmMain::FileExit);
    for (QAction* button : c.toolbarButtons) {
        connect(button, &QAction::triggered, this,
                [this, button] { ToolbarButtonClick(button->property("Key").toString()); });
    }
    connect(c.cmdCheckPattern, &QPushButton::clicked, this, &FrmMain::CheckPatternClick);
    connect(c.cmdMakeGridFile, &QPushButton::clicked, this, &FrmMain::MakeGridFileClick);
    connect(c.cmdAddToGridFile, &QPushButton::clicked, this, &FrmMain::AddToGridFile);
}

void FrmMain::Load() {
    LoadCaptions(*this, language_);
    try {
        sArmdataFolder_ = queryArmdataFolder_(dialogs_);
    } catch (const std::exception&) {
        sArmdataFolder_.clear();  // as a failed lookup: the installed file is in the current folder
    }
    sGridFilePath_ = GridFilePathIn(sArmdataFolder_);
    SetWindowMode(*this, WindowMode::StartUp);
    SetStartupSeatTexts(*form_);
    DisableWriteCommands(*this, true);
}

CommandContext FrmMain::Context() {
    return CommandContext{dialogs_, language_, locale_, sGridFilePath_};
}

void FrmMain::FileNew() {
    SetWindowMode(*this, WindowMode::Input);
    DisableWriteCommands(*this, true);
    // The operator can start typing the part name at once; the field left keeps its text.
    binding_->MoveFocusForNew(Field::PartName);
}

void FrmMain::FileOpen() {
    SetWindowMode(*this, WindowMode::View);
    const std::optional<std::string> path =
        dialogs_.OpenFile(".dat  Files (*.dat)", "*.dat", sArmdataFolder_);
    if (!path) {
        return;  // cancelled: the viewer keeps what it showed
    }
    const QString file = QString::fromStdString(*path);
    if (const auto failure = LoadFileIntoViewer(*controls_.rtbOpenExist, *controls_.partsOpenExist,
                                                file, language_)) {
        ShowFileError(file, *failure);
    }
}

void FrmMain::OpenInstalledFile() {
    SetWindowMode(*this, WindowMode::View);
    if (!IsExistingFile(sGridFilePath_)) {
        ShowNoInstalledFile(Context());
        return;
    }
    const QString file = QString::fromStdString(sGridFilePath_);
    if (const auto failure = LoadFileIntoViewer(*controls_.rtbOpenExist, *controls_.partsOpenExist,
                                                file, language_)) {
        ShowFileError(file, *failure);
    }
}

void FrmMain::ShowFileError(const QString& path, const QString& reason) {
    const std::string prompt = FillPlaceholders(LookupString(kFileCannotBeShown, language_),
                                                {path.toStdString(), reason.toStdString()});
    ShowOkMessage(Context(), prompt, LookupString(kCannotOpenFileTitle, language_), Icon::Critical);
}

void FrmMain::AddToGridFile() {
    // The button, the menu entry and toolbar button "T+" are enabled only while the gate is open.
    if (form_->WriteGateOpen()) {
        zarvek::AddToGridFile(*form_, Context());
    }
}

void FrmMain::MakeGridFileClick() {
    if (form_->WriteGateOpen()) {
        MakeGridFile(*form_, Context());
    }
}

void FrmMain::CheckPatternClick() {
    CheckPattern(*form_, Context());
}

void FrmMain::FileClose() {
    if (!controls_.rtbOpenExist->isHidden()) {
        controls_.rtbOpenExist->clear();
        controls_.partsOpenExist->Clear();
    }
}

void FrmMain::FileExit() {
    close();
}

void FrmMain::ToolbarButtonClick(const QString& key) {
    if (key == QLatin1String("New")) {
        FileNew();
    } else if (key == QLatin1String("Open")) {
        FileOpen();
    } else if (key == QLatin1String("T")) {
        OpenInstalledFile();
    } else if (key == QLatin1String("T+")) {
        AddToGridFile();
    }
}

}  // namespace zarvek
