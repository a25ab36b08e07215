#include <windows.h>

#include <commctrl.h>

#include "form/armdata_folder.h"
#include "platform/interface_language.h"
#include "window/win32/frm_main.h"
#include "window/win32/startup.h"
#include "window/win32/system_locale.h"
#include "window/win32/win32_dialogs.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    const zarvek::Language language = zarvek::InterfaceLanguage();
    zarvek::win32::Win32Dialogs dialogs(language);
    zarvek::win32::FrmMain window(
        dialogs, language, zarvek::win32::SystemNumberLocale(),
        [](zarvek::Dialogs& d) { return zarvek::QueryArmdataFolder(d); },
        [] { PostQuitMessage(0); });
    dialogs.SetOwner(window.hwnd());
    zarvek::win32::StartUp(window, show);
    return zarvek::win32::RunMessageLoop(window);
}
