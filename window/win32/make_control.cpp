#include "platform/wide_text_win32.h"
#include "window/win32/build_controls.h"
#include "window/win32/dpi.h"

namespace zarvek::win32 {

HWND MakeControl(HWND window, Win32Controls& controls, const wchar_t* className,
                 const std::string& name, const std::string& tag, ControlKind kind, DWORD style,
                 int id, const TwipsBox& box, HFONT font) {
    // The design caption is the control's name; LoadCaptions replaces it from the Tag. Text
    // boxes start empty.
    const std::wstring caption = kind == ControlKind::TextBox ? L"" : Widen(name);
    const HWND control = CreateWindowExW(
        kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0, className, caption.c_str(),
        WS_CHILD | WS_VISIBLE | style, Pixels(window, box.left), Pixels(window, box.top),
        Pixels(window, box.width), Pixels(window, box.height), window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    controls.controlOrder.push_back(Control{control, name, tag, kind});
    return control;
}

}  // namespace zarvek::win32
