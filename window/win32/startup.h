#pragma once

#include "window/win32/frm_main.h"

namespace zarvek::win32 {

// The start-up sequence: the window's load handler (captions, the Armdata folder with its
// registry warning shown before the window, start-up mode, seat fields, write gate closed), then
// the window shown, then the installed grid-file path set once more from the folder.
void StartUp(FrmMain& window, int show);

// Runs the message loop until the window is gone, giving the window each message first (its
// accelerator and dialog keys). Returns the exit code of WM_QUIT.
int RunMessageLoop(FrmMain& window);

}  // namespace zarvek::win32
