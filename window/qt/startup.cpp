#include "window/qt/startup.h"

#include "storage/installation_folder.h"
#include "window/qt/qt_translation.h"

namespace zarvek {

void StartUp(FrmMain& window) {
    UseQtTranslation(window.language());
    window.Load();
    window.show();
    window.setGridFilePath(GridFilePathIn(window.armdataFolder()));
}

}  // namespace zarvek
