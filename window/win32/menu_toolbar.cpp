#include <windows.h>

#include <commctrl.h>

#include <array>

#include "platform/wide_text_win32.h"
#include "strings/window_string_ids.h"
#include "window/win32/build_controls.h"
#include "window/win32/dpi.h"

namespace zarvek::win32 {

void BuildFileMenu(HWND window, Win32Controls& c) {
    c.menuBar = CreateMenu();
    c.mnuFile = CreatePopupMenu();
    c.menuItems = {{kIdFileNew, "mnuFileNew", "1001", kFileNewShortcut},
                   {kIdFileOpen, "mnuFileOpen", "1002"},
                   {kIdOpenExisting, "mnuOpenExisting", "1032"},
                   {kIdAddToGridFile, "mnuAddToGridFile", "1036"},
                   {kIdRestorePrevious, "mnuRestorePrevious", "1124"},
                   {kIdFileClose, "mnuFileClose", "1003"},
                   {0, "mnuFileBar0", "-"},
                   {kIdFileExit, "mnuFileExit", "1006"}};
    for (const MenuItem& item : c.menuItems) {
        if (item.designCaption == "-") {
            AppendMenuW(c.mnuFile, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(c.mnuFile, MF_STRING, item.id, Widen(item.designCaption).c_str());
        }
    }
    AppendMenuW(c.menuBar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(c.mnuFile), L"1000");
    SetMenu(window, c.menuBar);
}

HACCEL CreateAccelerators() {
    std::array<ACCEL, 1> table = {ACCEL{FCONTROL | FVIRTKEY, 'N', kIdFileNew}};
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

void BuildToolbar(HWND window, Win32Controls& c, const ToolbarImageLists& images) {
    c.Toolbar1 = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_TOP | CCS_NODIVIDER,
        0, 0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdToolbar)),
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c.Toolbar1, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(c.Toolbar1, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.normal));
    SendMessageW(c.Toolbar1, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(images.disabled));
    std::array<TBBUTTON, kToolbarKeys.size()> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i].iBitmap = static_cast<int>(i);
        buttons[i].idCommand = kIdToolbarFirst + static_cast<int>(i);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
    }
    SendMessageW(c.Toolbar1, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(c.Toolbar1, TB_AUTOSIZE, 0, 0);
}

void BuildStatusBar(HWND window, Win32Controls& c, const Fonts& fonts) {
    c.sbrStatus =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                        0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdOtherControl)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c.sbrStatus, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.normal()), FALSE);
}

}  // namespace zarvek::win32
