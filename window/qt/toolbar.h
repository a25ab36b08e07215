#pragma once

#include <QMainWindow>

#include "window/qt/main_controls.h"

namespace zarvek {

// The toolbar keys, in button order.
inline constexpr std::array<const char*, 4> kToolbarKeys = {"New", "Open", "T", "T+"};

// Creates the image lists and Toolbar1 on `window`: four picture buttons without captions or tool
// tips, each carrying its key as the property "Key", showing the greyed picture while disabled.
// Appends Toolbar1, ImageList1 and ImageList2 to `controls.controlOrder`. Connecting the buttons
// is the window's business.
void BuildToolbar(QMainWindow& window, MainControls& controls);

}  // namespace zarvek
