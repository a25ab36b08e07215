#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <array>
#include <vector>

#include "form/fields.h"
#include "window/qt/text_view.h"

namespace zarvek {

class PartsView;
class PatternDrawing;

// A list of pictures without a look of its own: the toolbar's normal pictures (ImageList1) and
// the greyed ones shown for a disabled button (ImageList2).
class ImageList : public QObject {
  public:
    using QObject::QObject;
    std::vector<QPixmap> pictures;
};

// The controls of the main window. Every pointer is owned by the window (Qt parent ownership) and
// lives as long as it. Each control carries its name as objectName and its Tag as the dynamic
// property "Tag" (a string-table id as decimal text, "Input", "OpenExist", or none).
struct MainControls {
    // Seat-entry form (input group).
    QLabel* Label13 = nullptr;                     // unit warning across the top
    QLabel* Label11 = nullptr;                     // part-name prompt
    QLabel* Label10 = nullptr;                     // probe-diameter prompt
    QLabel* Label12 = nullptr;                     // "MM"
    std::array<QLabel*, 6> columnHeadings{};       // Label4 .. Label9: X, Y, Z, I, J, K
    std::array<QLabel*, 3> rowHeadings{};          // Label1 .. Label3: Point 1 .. Point 3
    std::array<QLineEdit*, kFieldCount> fields{};  // by Field: txtPartName .. txtK(2)
    QPushButton* cmdCheckPattern = nullptr;
    QPushButton* cmdMakeGridFile = nullptr;
    QPushButton* cmdAddToGridFile = nullptr;
    QLabel* lblPatternIsGood = nullptr;    // no group: shown while the write gate is open
    PatternDrawing* picPattern = nullptr;  // the live drawing of the typed seats (input group)

    // Viewer (view group): the viewer area tabOpenExist holds the file's text rtbOpenExist on its
    // first tab and the parts table partsOpenExist on its second.
    QTabWidget* tabOpenExist = nullptr;
    TextView* rtbOpenExist = nullptr;
    PartsView* partsOpenExist = nullptr;
    QLabel* lblOpenExist = nullptr;
    QLabel* lblShownFile = nullptr;  // the viewer's top line: the file it shows (ViewerFileLabel)

    // The status bar's line: what the last write wrote (no group: shown in every mode).
    QLabel* lblStatusLine = nullptr;

    // Toolbar and menu (no group).
    QToolBar* Toolbar1 = nullptr;
    std::array<QAction*, 4> toolbarButtons{};  // keys "New", "Open", "T", "T+"
    ImageList* ImageList1 = nullptr;
    ImageList* ImageList2 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuOpenExisting = nullptr;
    QAction* mnuAddToGridFile = nullptr;
    QAction* mnuRestorePrevious = nullptr;  // enabled when the File menu opens over a backup
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileBar0 = nullptr;
    QAction* mnuFileExit = nullptr;

    QLineEdit* field(Field f) const { return fields[static_cast<std::size_t>(IndexOf(f))]; }

    // Every control in the window's control order, as LoadCaptions and SetWindowMode visit them.
    std::vector<QObject*> controlOrder;
};

}  // namespace zarvek
