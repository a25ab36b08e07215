#pragma once

#include <cstdint>

#include "strings/string_table.h"
#include "window/win32/controls.h"
#include "window/win32/frm_main.h"

namespace zarvek::win32 {

// The procedures the window's handlers share.

// Replaces the design captions by the string table's texts in `language`: the window title from
// its Tag; a label from its Tag taken whole; each menu and menu item from its own design caption
// taken whole, New followed by a tab and its key ("Ctrl+N"); a button from the number its Tag
// starts with. Text boxes and the viewer have no caption; the toolbar's buttons have no tool tips.
// A step whose text is no id of the table is skipped without a message.
void LoadCaptions(FrmMain& form, Language language);

// Shows one of the modes: 0 nothing but menu and toolbar, 1 the seat-entry form, 2 the viewer.
// Every control is classified by its Tag alone (ClassifyTag); controls of neither group are left
// alone. Entering mode 2 lays the viewer out from the inner area and names the installed file
// above it. Any other mode changes nothing. "Pattern is Good!" follows the mode
// (PatternIsGoodShown).
void SetWindowMode(FrmMain& form, WindowMode mode);

// The write gate on screen: Make, Add, toolbar button "T+" and the menu entry Add enabled exactly
// while `open`, "Pattern is Good!" shown as PatternIsGoodShown says for `open` in `mode`.
// Visibility of the buttons is not touched.
void ShowWriteGate(const Win32Controls& controls, bool open, WindowMode mode);

// Every text box tagged "Input" read-only exactly while `locked`.
void ShowInputLock(const Win32Controls& controls, bool locked);

}  // namespace zarvek::win32
