#include "window/win32/window_procedures.h"

#include <windows.h>

#include <commctrl.h>

#include "form/control_tags.h"
#include "form/window_captions.h"
#include "platform/wide_text_win32.h"
#include "window/win32/build_controls.h"
#include "window/win32/window_text.h"

namespace zarvek::win32 {
namespace {

void LoadCaption(const Control& control, Language language) {
    std::optional<std::string> caption;
    if (control.kind == ControlKind::Label) {
        caption = CaptionOfWholeId(control.tag, language);
    } else if (control.kind == ControlKind::Button) {
        caption = CaptionOfLeadingId(control.tag, language);
    }
    // Text boxes, the viewer and the picture have no caption: their step is skipped.
    if (caption) {
        SetText(control.hwnd, *caption);
    }
}

void LoadMenuCaptions(const Win32Controls& c, Language language) {
    if (const auto title = CaptionOfWholeId("1000", language)) {
        ModifyMenuW(c.menuBar, 0, MF_BYPOSITION | MF_POPUP | MF_STRING,
                    reinterpret_cast<UINT_PTR>(c.mnuFile), Widen(*title).c_str());
    }
    for (const MenuItem& item : c.menuItems) {
        if (const auto text = CaptionOfWholeId(item.designCaption, language)) {
            // The accelerator's key stands right-aligned after a tab, as Windows menus show it.
            const std::string shown =
                item.shortcut != 0 ? *text + "\t" + LookupString(item.shortcut, language) : *text;
            ModifyMenuW(c.mnuFile, item.id, MF_BYCOMMAND | MF_STRING, item.id,
                        Widen(shown).c_str());
        }
    }
}

}  // namespace

void LoadCaptions(FrmMain& form, Language language) {
    if (const auto title = CaptionOfWholeId("1022", language)) {
        SetText(form.hwnd(), *title);
    }
    for (const Control& control : form.controls().controlOrder) {
        LoadCaption(control, language);
    }
    LoadMenuCaptions(form.controls(), language);
    DrawMenuBar(form.hwnd());
}

void SetWindowMode(FrmMain& form, WindowMode mode) {
    for (const Control& control : form.controls().controlOrder) {
        const std::optional<ControlGroup> group = ClassifyTag(control.tag, mode);
        if (!group) {
            continue;
        }
        const bool shown = ShownInMode(*group, mode);
        ShowWindow(control.hwnd, shown ? SW_SHOW : SW_HIDE);
        EnableWindow(control.hwnd, shown ? TRUE : FALSE);
    }
    ShowWindow(form.controls().lblPatternIsGood,
               PatternIsGoodShown(form.form().WriteGateOpen(), mode) ? SW_SHOW : SW_HIDE);
    if (mode == WindowMode::View) {
        LayOutViewer(form.hwnd(), form.controls(), form.gridFilePath());
    }
}

void ShowWriteGate(const Win32Controls& c, bool open, WindowMode mode) {
    EnableWindow(c.cmdMakeGridFile, open ? TRUE : FALSE);
    EnableWindow(c.cmdAddToGridFile, open ? TRUE : FALSE);
    SendMessageW(c.Toolbar1, TB_ENABLEBUTTON, kIdToolbarFirst + 3,
                 MAKELPARAM(open ? TRUE : FALSE, 0));
    EnableMenuItem(c.mnuFile, kIdAddToGridFile, MF_BYCOMMAND | (open ? MF_ENABLED : MF_GRAYED));
    ShowWindow(c.lblPatternIsGood, PatternIsGoodShown(open, mode) ? SW_SHOW : SW_HIDE);
}

void ShowInputLock(const Win32Controls& c, bool locked) {
    for (const Control& control : c.controlOrder) {
        if (control.kind == ControlKind::TextBox && control.tag == "Input") {
            SendMessageW(control.hwnd, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
        }
    }
}

}  // namespace zarvek::win32
