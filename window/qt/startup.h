#pragma once

#include "window/qt/frm_main.h"

namespace zarvek {

// The start-up sequence: Qt's own texts in the window's language (UseQtTranslation), the window's
// load handler (captions, the Armdata folder with its registry warning shown before the window,
// start-up mode, seat fields, write gate closed), then the window shown, then the installed
// grid-file path set once more from the folder.
void StartUp(FrmMain& window);

}  // namespace zarvek
