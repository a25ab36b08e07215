#pragma once

#include "form/window_mode.h"
#include "strings/string_table.h"
#include "window/qt/frm_main.h"
#include "window/qt/main_controls.h"

namespace zarvek {

// The procedures the window's handlers share.

// Replaces the design captions by the string table's texts in `language`: the window title from
// the window's Tag; a label from its Tag taken whole; a menu or menu item from its own design
// caption taken whole; each toolbar button's tool tip from its tool tip taken whole; any other
// control's caption and tool tip from the number its Tag and tool tip start with. A step whose
// text is no id of the table, or whose control has no caption, is skipped without a message.
void LoadCaptions(FrmMain& form, Language language);

// Shows one of the modes. Every control is classified by its Tag alone (ClassifyTag); controls of
// neither group are left alone. Entering View lays the viewer area (tabOpenExist, whose first tab
// is the viewer rtbOpenExist) out from the window's inner area (below the menu bar) in twips and
// names the installed grid file in the label above it. "Pattern is Good!" follows the mode
// (PatternIsGoodShown).
void SetWindowMode(FrmMain& form, WindowMode mode);

// Closes (true) or opens (false) the write gate of the form model; the window follows through
// ShowWriteGate.
void DisableWriteCommands(FrmMain& form, bool disable);

// Locks or unlocks the entry fields through the form model; the window follows through
// ShowInputLock.
void LockInputFields(FrmMain& form, bool lock);

// The write gate on screen: Make, Add, toolbar button "T+" and the menu entry Add enabled exactly
// while `open`, "Pattern is Good!" shown as PatternIsGoodShown says for `open` in `mode`.
// Visibility of the buttons is not touched.
void ShowWriteGate(const MainControls& controls, bool open, WindowMode mode);

// Every text box tagged "Input" read-only exactly while `locked`.
void ShowInputLock(const MainControls& controls, bool locked);

}  // namespace zarvek
