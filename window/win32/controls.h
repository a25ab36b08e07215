#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "form/fields.h"

namespace zarvek::win32 {

// Command ids of the menu, the accelerator, the toolbar and the buttons. All above IDOK and
// IDCANCEL: Escape runs no command, and Enter runs the default button the window names
// (DM_GETDEFID), Check Pattern.
enum CommandId : int {
    kIdFileNew = 100,
    kIdFileOpen,
    kIdOpenExisting,
    kIdAddToGridFile,
    kIdFileClose,
    kIdFileExit,
    kIdRestorePrevious,
    kIdToolbarFirst = 110,  // one per toolbar button, in the order of kToolbarKeys
    kIdCheckPattern = 120,
    kIdMakeGridFile,
    kIdAddButton,
    kIdRemovePart,        // the parts page's button and the parts list's context menu
    kIdFirstField = 200,  // + IndexOf(field)
    kIdToolbar = 300,
    kIdTabOpenExist,
    kIdViewerText,
    kIdPartsList,
    kIdOtherControl = 400,
};

// The toolbar's buttons by key, as the menu handlers compare them.
inline constexpr std::array<const char*, 4> kToolbarKeys = {"New", "Open", "T", "T+"};

// How LoadCaptions treats a control.
enum class ControlKind { Label, TextBox, Button, Viewer, Other };

// One child window of the main window, named and tagged as in the design.
struct Control {
    HWND hwnd = nullptr;
    std::string name;
    std::string tag;  // a string-table id as decimal text, "Input", "OpenExist" or empty
    ControlKind kind = ControlKind::Other;
};

// One item of the File menu: its command id, its name, its design caption (an id as text, or
// "-" for the separator) and the string id of its accelerator's key name (0: none).
struct MenuItem {
    UINT id = 0;
    std::string name;
    std::string designCaption;
    int shortcut = 0;
};

// The main window's controls. The window owns every handle (they are its children, destroyed with
// it); the fonts, the menu, the image lists and the accelerators are owned by FrmMain.
struct Win32Controls {
    std::vector<Control> controlOrder;  // creation order, which is also the Tab order
    std::array<HWND, kFieldCount> fields{};
    HWND cmdCheckPattern = nullptr;
    HWND cmdMakeGridFile = nullptr;
    HWND cmdAddToGridFile = nullptr;
    HWND lblPatternIsGood = nullptr;
    HWND picPattern = nullptr;
    HWND Toolbar1 = nullptr;
    HWND tabOpenExist = nullptr;
    HWND rtbOpenExist = nullptr;
    HWND lblOpenExist = nullptr;
    HWND lblShownFile = nullptr;  // the viewer's top line: the file it shows (ViewerFileLabel)
    // The parts tab: header values, legend, the virtual list of parts and Remove Part (enabled
    // while a part is selected). No Tag: shown only in view mode with the parts tab selected.
    HWND lblPartsHeader = nullptr;
    HWND lblPartsLegend = nullptr;
    HWND tblParts = nullptr;
    HWND cmdRemovePart = nullptr;
    // The status bar at the window's foot: what the last write wrote. Not in the control order:
    // no Tag, no Tab stop, shown in every mode.
    HWND sbrStatus = nullptr;
    HMENU menuBar = nullptr;
    HMENU mnuFile = nullptr;
    std::vector<MenuItem> menuItems;

    HWND field(Field f) const { return fields[static_cast<std::size_t>(IndexOf(f))]; }
    // The control named `name`, or nullptr.
    HWND Find(const std::string& name) const {
        for (const Control& control : controlOrder) {
            if (control.name == name) {
                return control.hwnd;
            }
        }
        return nullptr;
    }
};

}  // namespace zarvek::win32
