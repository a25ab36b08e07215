#include "window/qt/frm_main.h"

#include <QStatusBar>

#include "form/form_sketch.h"
#include "form/view_layout.h"
#include "form/viewer_file.h"
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
    : language_(language),
      locale_(std::move(locale)),
      queryArmdataFolder_(std::move(query)),
      form_(std::make_unique<FormModel>(dialogs)),
      commands_(*form_, dialogs, language_, locale_, *this) {
    NameControl(*this, "frmMain", "1022");
    setWindowTitle(QStringLiteral("frmMain"));
    BuildControls();
    binding_ = std::make_unique<FieldBinding>(
        *form_, controls_.fields, locale_,
        [this](bool open) { ShowWriteGate(controls_, open, mode_); },
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
    BuildStatusBar();
    setWindowIcon(QIcon(controls_.ImageList1->pictures[2]));
    // No menu for hiding the toolbar.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void FrmMain::BuildStatusBar() {
    controls_.lblStatusLine = MakeChild<QLabel>();
    controls_.lblStatusLine->setObjectName(QStringLiteral("lblStatusLine"));
    controls_.lblStatusLine->setTextFormat(Qt::PlainText);
    controls_.lblStatusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long line is cut at the window's edge rather than widening the window; its tool tip
    // holds all of it.
    controls_.lblStatusLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(controls_.lblStatusLine, 1);
}

void FrmMain::ConnectCommands() {
    const MainControls& c = controls_;
    connect(c.mnuFileNew, &QAction::triggered, this, &FrmMain::FileNew);
    connect(c.mnuFileOpen, &QAction::triggered, this, &FrmMain::FileOpen);
    connect(c.mnuOpenExisting, &QAction::triggered, this, &FrmMain::OpenInstalledFile);
    connect(c.mnuAddToGridFile, &QAction::triggered, this, &FrmMain::AddToGridFile);
    connect(c.mnuRestorePrevious, &QAction::triggered, this, &FrmMain::RestorePreviousGridFile);
    connect(c.mnuFile, &QMenu::aboutToShow, this, [this] {
        controls_.mnuRestorePrevious->setEnabled(commands_.CanRestorePreviousGridFile());
    });
    c.partsOpenExist->SetRemoveHandler(
        [this](std::size_t position, const Part& part) { RemovePart(position, part); });
    connect(c.mnuFileClose, &QAction::triggered, this, &FrmMain::FileClose);
    connect(c.mnuFileExit, &QAction::triggered, this, &FrmMain::FileExit);
    for (QAction* button : c.toolbarButtons) {
        connect(button, &QAction::triggered, this,
                [this, button] { ToolbarButtonClick(button->property("Key").toString()); });
    }
    connect(c.cmdCheckPattern, &QPushButton::clicked, this, &FrmMain::CheckPatternClick);
    connect(c.cmdMakeGridFile, &QPushButton::clicked, this, &FrmMain::MakeGridFileClick);
    connect(c.cmdAddToGridFile, &QPushButton::clicked, this, &FrmMain::AddToGridFile);
    // Shown as the default button; Enter on it, or in a field, runs it.
    c.cmdCheckPattern->setDefault(true);
    for (QLineEdit* box : c.fields) {
        connect(box, &QLineEdit::returnPressed, this, &FrmMain::EnterInField);
    }
}

void FrmMain::Load() {
    LoadCaptions(*this, language_);
    commands_.Load(queryArmdataFolder_);
}

void FrmMain::FileNew() {
    commands_.FileNew();
}

void FrmMain::FileOpen() {
    commands_.FileOpen();
}

void FrmMain::OpenInstalledFile() {
    commands_.OpenInstalledFile();
}

void FrmMain::AddToGridFile() {
    commands_.AddToGridFile();
}

void FrmMain::RestorePreviousGridFile() {
    commands_.RestorePreviousGridFile();
}

void FrmMain::RemovePart(std::size_t position, const Part& part) {
    commands_.RemovePart(position, part);
    // The operator goes on from the same place: the part that took the removed one's row.
    controls_.partsOpenExist->SelectRow(position - 1);
}

void FrmMain::MakeGridFileClick() {
    commands_.MakeGridFile();
}

void FrmMain::CheckPatternClick() {
    commands_.CheckPattern();
}

void FrmMain::EnterInField() {
    controls_.cmdCheckPattern->setFocus(Qt::OtherFocusReason);
    CheckPatternClick();
}

void FrmMain::FileClose() {
    commands_.FileClose();
}

void FrmMain::FileExit() {
    commands_.FileExit();
}

void FrmMain::ToolbarButtonClick(const QString& key) {
    commands_.ToolbarButtonClick(key.toStdString());
}

void FrmMain::ShowMode(WindowMode mode, const std::string& /*gridFilePath*/) {
    mode_ = mode;
    SetWindowMode(*this, mode);
}

void FrmMain::FocusPartName() {
    binding_->MoveFocusForNew(Field::PartName);
}

void FrmMain::ShowFileText(const std::string& text, const std::string& path) {
    ShowTextInViewer(*controls_.rtbOpenExist, *controls_.partsOpenExist, text, path);
    const QString label = QString::fromStdString(ViewerFileLabel(path, language_));
    controls_.lblShownFile->setText(label);
    controls_.lblShownFile->setToolTip(label);
}

void FrmMain::ShowStatusLine(const std::string& line) {
    controls_.lblStatusLine->setText(QString::fromStdString(line));
    controls_.lblStatusLine->setToolTip(controls_.lblStatusLine->text());
}

bool FrmMain::ViewerShown() const {
    return !controls_.rtbOpenExist->isHidden();
}

void FrmMain::ClearViewer() {
    controls_.rtbOpenExist->clear();
    controls_.partsOpenExist->Clear();
    controls_.lblShownFile->clear();
    controls_.lblShownFile->setToolTip({});
}

void FrmMain::CloseWindow() {
    close();
}

}  // namespace zarvek
