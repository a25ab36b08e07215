#pragma once

#include <QMainWindow>

#include "window/qt/main_controls.h"

namespace zarvek {

// Creates the File menu on `window`'s menu bar: New (Ctrl+N), Open..., Open Installed File, Add
// to Zarvek File, Restore Previous Grid File, Close, a separator and Exit, each with its
// string-table id as design caption (LoadCaptions replaces it). Appends the menu and its items to
// `controls.controlOrder`. Connecting the items is the window's business.
void BuildFileMenu(QMainWindow& window, MainControls& controls);

}  // namespace zarvek
