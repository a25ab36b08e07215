#pragma once

#include <QWidget>

#include "window/qt/main_controls.h"

namespace zarvek {

// Creates the seat-entry form on `inner` (the window's inner area): the unit warning, the part
// name and probe diameter with their prompts, the grid of three points by six components with
// their headings, and below it "Pattern is Good!", Check Pattern, Make and Add; to the right of
// these the pattern drawing picPattern (tagged "Input", so it shows with the form; it takes no
// focus). Sets every control's objectName, Tag and design caption, and the focus order: part
// name, probe diameter, Point 1 X .. K, Point 2, Point 3, Make, Add, Check Pattern. Appends the
// controls to `controls.controlOrder`.
void BuildInputForm(QWidget& inner, MainControls& controls);

// Sets a control's objectName and its Tag property ("" for none).
void NameControl(QObject& control, const char* name, const char* tag);

}  // namespace zarvek
