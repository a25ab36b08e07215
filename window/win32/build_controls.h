#pragma once

#include <windows.h>

#include <string>

#include "strings/string_table.h"
#include "window/win32/controls.h"
#include "window/win32/fonts.h"
#include "window/win32/toolbar_pictures.h"

namespace zarvek::win32 {

// Where a control goes, in twips from the top left of the window's inner area.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Creates a child control of `window` (class `className`, visible unless the mode hides it),
// named and tagged as in the design, at `box`, with `font`; appends it to the control order,
// which is also the Tab order. Returns its handle.
HWND MakeControl(HWND window, Win32Controls& controls, const wchar_t* className,
                 const std::string& name, const std::string& tag, ControlKind kind, DWORD style,
                 int id, const TwipsBox& box, HFONT font);

// The seat-entry form: the unit warning, part name and probe diameter with their prompts, the
// grid of three seats by six components with their headings, "Pattern is Good!", the three
// buttons and the drawing's place (picPattern, created by the caller). The focus order is that
// of creation: part name, probe diameter, seat by seat X to K, then Make, Add, Check Pattern.
// `top` is the inner area's first pixel below the toolbar.
void BuildInputForm(HWND window, Win32Controls& controls, const Fonts& fonts, int top);

// The viewer area: the tab control tabOpenExist with the file's text rtbOpenExist (read-only,
// fixed-width) on its first tab and the parts (header, legend, the virtual list tblParts and the
// button cmdRemovePart) on its second, the label lblOpenExist above, and lblShownFile, the line
// above the tabs naming the file shown. View mode places it.
void BuildViewer(HWND window, Win32Controls& controls, const Fonts& fonts, Language language);

// Lays the viewer out from the window's inner area in twips (ComputeViewLayout; the area ends
// above the status bar) and names the installed grid file in the label above it.
void LayOutViewer(HWND window, const Win32Controls& controls, const std::string& gridFilePath);

// The File menu, with the design captions that LoadCaptions replaces: New, Open..., Open Installed
// File, Add to Zarvek File, Restore Previous Grid File, Close, a separator and Exit.
void BuildFileMenu(HWND window, Win32Controls& controls);

// Ctrl+N runs File > New. The caller owns the table (DestroyAcceleratorTable).
HACCEL CreateAccelerators();

// The toolbar with its four picture buttons, no captions and no tool tips.
void BuildToolbar(HWND window, Win32Controls& controls, const ToolbarImageLists& images);

// The status bar (sbrStatus), one part, empty. The window passes WM_SIZE on to it.
void BuildStatusBar(HWND window, Win32Controls& controls, const Fonts& fonts);

}  // namespace zarvek::win32
