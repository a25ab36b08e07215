#include "window/qt/file_menu.h"

#include <QKeySequence>
#include <QMenuBar>

#include "window/qt/input_form.h"

namespace zarvek {
namespace {

QAction* AddItem(QMenu& menu, const char* name, const char* designCaption) {
    QAction* item = menu.addAction(QString::fromLatin1(designCaption));
    NameControl(*item, name, "");
    return item;
}

}  // namespace

void BuildFileMenu(QMainWindow& window, MainControls& controls) {
    controls.mnuFile = window.menuBar()->addMenu(QStringLiteral("1000"));
    NameControl(*controls.mnuFile, "mnuFile", "");
    QMenu& menu = *controls.mnuFile;
    controls.mnuFileNew = AddItem(menu, "mnuFileNew", "1001");
    controls.mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    controls.mnuFileOpen = AddItem(menu, "mnuFileOpen", "1002");
    controls.mnuOpenExisting = AddItem(menu, "mnuOpenExisting", "1032");
    controls.mnuAddToGridFile = AddItem(menu, "mnuAddToGridFile", "1036");
    controls.mnuRestorePrevious = AddItem(menu, "mnuRestorePrevious", "1124");
    controls.mnuFileClose = AddItem(menu, "mnuFileClose", "1003");
    controls.mnuFileBar0 = menu.addSeparator();
    // No text: styles draw a separator's text beside its line.
    NameControl(*controls.mnuFileBar0, "mnuFileBar0", "");
    controls.mnuFileExit = AddItem(menu, "mnuFileExit", "1006");
    controls.controlOrder.insert(
        controls.controlOrder.end(),
        {controls.mnuFile, controls.mnuFileNew, controls.mnuFileOpen, controls.mnuOpenExisting,
         controls.mnuAddToGridFile, controls.mnuRestorePrevious, controls.mnuFileClose,
         controls.mnuFileBar0, controls.mnuFileExit});
}

}  // namespace zarvek
