#include "window/win32/startup.h"

#include "storage/installation_folder.h"

namespace zarvek::win32 {

void StartUp(FrmMain& window, int show) {
    window.Load();
    ShowWindow(window.hwnd(), show);
    UpdateWindow(window.hwnd());
    window.commands().SetGridFilePath(GridFilePathIn(window.commands().ArmdataFolder()));
}

int RunMessageLoop(FrmMain& window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace zarvek::win32
