#include "window/qt/startup.h"

#include "storage/installation_folder.h"

namespace zarvek {

void StartUp(FrmMain& window) {
    window.Load();
    window.show();
    window.setGridFilePath(GridFilePathIn(window.armdataFolder()));
}

}  // namespace zarvek
