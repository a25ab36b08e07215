#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "form/parts_overview.h"
#include "form/view_layout.h"
#include "platform/wide_text_win32.h"
#include "strings/drawing_string_ids.h"
#include "strings/window_string_ids.h"
#include "window/win32/build_controls.h"
#include "window/win32/dpi.h"
#include "window/win32/window_text.h"

namespace zarvek::win32 {
namespace {

// Column widths of the parts table, in twips, by PartsColumn.
constexpr std::array<int, kPartsColumnCount> kColumnTwips = {700,  2200, 1500, 1500, 1500, 2800,
                                                             2800, 2800, 3600, 3600, 3600};

// Seat lines are tab-separated numbers of up to ten characters: tab stops every 12 characters,
// in dialog units (4 to a character's average width).
constexpr int kTabStopDialogUnits = 12 * 4;

void AddTab(HWND tabs, int index, const std::string& title) {
    std::wstring text = Widen(title);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

void AddColumns(HWND list, Language language) {
    for (int column = 0; column < kPartsColumnCount; ++column) {
        std::wstring title = Widen(PartsColumnTitle(static_cast<PartsColumn>(column), language));
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        item.fmt = column == static_cast<int>(PartsColumn::Name) ? LVCFMT_LEFT : LVCFMT_RIGHT;
        item.cx = Pixels(GetParent(list), kColumnTwips[static_cast<std::size_t>(column)]);
        item.pszText = title.data();
        item.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(&item));
    }
}

RECT PixelRect(HWND window, const TwipsRect& twips) {
    const int left = Pixels(window, twips.left);
    const int top = Pixels(window, twips.top);
    return RECT{left, top, left + Pixels(window, twips.width), top + Pixels(window, twips.height)};
}

void Place(HWND control, const RECT& rect) {
    MoveWindow(control, rect.left, rect.top, std::max(0L, rect.right - rect.left),
               std::max(0L, rect.bottom - rect.top), TRUE);
}

}  // namespace

void BuildViewer(HWND window, Win32Controls& c, const Fonts& fonts, Language language) {
    const TwipsBox nowhere{0, 0, 0, 0};
    c.tabOpenExist =
        MakeControl(window, c, WC_TABCONTROLW, "tabOpenExist", "OpenExist", ControlKind::Viewer,
                    WS_CLIPSIBLINGS | WS_TABSTOP, kIdTabOpenExist, nowhere, fonts.normal());
    SetWindowTextW(c.tabOpenExist, L"");
    AddTab(c.tabOpenExist, 0, LookupString(kViewerTextTab, language));
    AddTab(c.tabOpenExist, 1, LookupString(kViewerPartsTab, language));

    c.rtbOpenExist =
        MakeControl(window, c, WC_EDITW, "rtbOpenExist", "OpenExist", ControlKind::Viewer,
                    WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                        ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                    kIdViewerText, nowhere, fonts.fixed());
    SetWindowTextW(c.rtbOpenExist, L"");
    SetWindowLongPtrW(c.rtbOpenExist, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    const int tabStop = kTabStopDialogUnits;
    SendMessageW(c.rtbOpenExist, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    // The file may be far longer than an edit control takes by default.
    SendMessageW(c.rtbOpenExist, EM_SETLIMITTEXT, 0, 0);

    c.lblOpenExist =
        MakeControl(window, c, WC_STATICW, "lblOpenExist", "OpenExist", ControlKind::Label,
                    SS_LEFTNOWORDWRAP | SS_NOPREFIX, kIdOtherControl, nowhere, fonts.normal());
    SetWindowTextW(c.lblOpenExist, L"");
    c.lblShownFile =
        MakeControl(window, c, WC_STATICW, "lblShownFile", "OpenExist", ControlKind::Label,
                    SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_PATHELLIPSIS, kIdOtherControl, nowhere,
                    fonts.normal());
    SetWindowTextW(c.lblShownFile, L"");

    // The parts page: no Tag, shown with view mode while its tab is selected.
    const auto makePart = [&](const wchar_t* className, const char* name, DWORD style, int id,
                              HFONT font) {
        return MakeControl(window, c, className, name, "", ControlKind::Other, style, id, nowhere,
                           font);
    };
    c.lblPartsHeader = makePart(WC_STATICW, "lblPartsHeader", SS_LEFT | SS_NOPREFIX,
                                kIdOtherControl, fonts.normal());
    c.lblPartsLegend = makePart(WC_STATICW, "lblPartsLegend", SS_LEFT | SS_NOPREFIX,
                                kIdOtherControl, fonts.normal());
    c.tblParts = makePart(
        WC_LISTVIEWW, "tblParts",
        WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
        kIdPartsList, fonts.normal());
    c.cmdRemovePart = makePart(WC_BUTTONW, "cmdRemovePart", WS_TABSTOP | BS_PUSHBUTTON,
                               kIdRemovePart, fonts.normal());
    for (const HWND part : {c.lblPartsHeader, c.lblPartsLegend, c.tblParts}) {
        SetWindowTextW(part, L"");
    }
    SetText(c.cmdRemovePart, LookupString(kRemovePart, language));
    EnableWindow(c.cmdRemovePart, FALSE);
    for (const HWND part : {c.lblPartsHeader, c.lblPartsLegend, c.tblParts, c.cmdRemovePart}) {
        ShowWindow(part, SW_HIDE);
    }
    SendMessageW(c.tblParts, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    AddColumns(c.tblParts, language);
}

void LayOutViewer(HWND window, const Win32Controls& c, const std::string& gridFilePath) {
    RECT client{};
    GetClientRect(window, &client);
    RECT bar{};
    if (IsWindowVisible(c.sbrStatus) != FALSE) {
        GetWindowRect(c.sbrStatus, &bar);
    }
    const ViewLayout layout =
        ComputeViewLayout(PixelsToTwipsOf(window, client.right),
                          PixelsToTwipsOf(window, client.bottom - (bar.bottom - bar.top)));
    Place(c.lblShownFile, PixelRect(window, layout.shownFile));
    const RECT area = PixelRect(window, layout.tabs);
    Place(c.tabOpenExist, area);

    // The pages fill the tab control's display area.
    RECT page = area;
    SendMessageW(c.tabOpenExist, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    Place(c.rtbOpenExist, page);
    const int line = Pixels(window, 300);
    Place(c.lblPartsHeader, RECT{page.left + 4, page.top + 4, page.right - 4, page.top + 4 + line});
    Place(c.lblPartsLegend,
          RECT{page.left + 4, page.top + 8 + line, page.right - 4, page.top + 8 + 2 * line});
    const int button = Pixels(window, 360);
    const int buttonTop = page.bottom - button - 4;
    Place(c.tblParts, RECT{page.left, page.top + 12 + 2 * line, page.right, buttonTop - 4});
    Place(c.cmdRemovePart,
          RECT{page.left + 4, buttonTop, page.left + 4 + Pixels(window, 1800), buttonTop + button});
    for (const HWND control :
         {c.rtbOpenExist, c.lblPartsHeader, c.lblPartsLegend, c.tblParts, c.cmdRemovePart}) {
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    SetText(c.lblOpenExist, gridFilePath);
    const int labelLeft = Pixels(window, layout.labelLeft);
    const int labelTop = Pixels(window, layout.labelTop);
    Place(c.lblOpenExist, RECT{labelLeft, labelTop, std::max<LONG>(area.right, labelLeft + 1),
                               labelTop + Pixels(window, 280)});
}

}  // namespace zarvek::win32
