#include <windows.h>

#include <commctrl.h>

#include <array>

#include "platform/wide_text_win32.h"
#include "window/win32/build_controls.h"
#include "window/win32/dpi.h"

namespace zarvek::win32 {
namespace {

constexpr std::array<const char*, 6> kAxisTags = {"1026", "1027", "1028", "1029", "1030", "1031"};
constexpr std::array<const char*, 3> kPointTags = {"1023", "1024", "1025"};

// The grid of seats, in twips: a column per component, a row per seat.
constexpr int kGridLeft = 1400;
constexpr int kColumnStep = 1300;
constexpr int kFieldWidth = 1200;
constexpr int kFieldHeight = 330;
constexpr int kHeadingsTop = 1600;
constexpr int kFirstRowTop = 1950;
constexpr int kRowStep = 450;
constexpr int kButtonsTop = 3450;

const DWORD kLabelStyle = SS_LEFT | SS_NOPREFIX;
const DWORD kEditStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
const DWORD kButtonStyle = WS_TABSTOP;

HWND MakeLabel(HWND window, Win32Controls& c, const std::string& name, const char* tag,
               const TwipsBox& box, HFONT font, DWORD align = SS_LEFT) {
    return MakeControl(window, c, WC_STATICW, name, tag, ControlKind::Label,
                       (kLabelStyle & ~SS_LEFT) | align, kIdOtherControl, box, font);
}

void MakeField(HWND window, Win32Controls& c, Field field, const TwipsBox& box, HFONT font) {
    const HWND edit =
        MakeControl(window, c, WC_EDITW, ControlName(field), "Input", ControlKind::TextBox,
                    kEditStyle, kIdFirstField + IndexOf(field), box, font);
    // The fields take text of any length, as the operator pastes it.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    c.fields[static_cast<std::size_t>(IndexOf(field))] = edit;
}

HWND MakeButton(HWND window, Win32Controls& c, const char* name, const char* tag, int id,
                const TwipsBox& box, HFONT font, DWORD kind = BS_PUSHBUTTON) {
    return MakeControl(window, c, WC_BUTTONW, name, tag, ControlKind::Button, kButtonStyle | kind,
                       id, box, font);
}

TwipsBox Below(int top, TwipsBox box) {
    box.top += top;
    return box;
}

}  // namespace

void BuildInputForm(HWND window, Win32Controls& c, const Fonts& fonts, int top) {
    // Twips from here on are counted from the toolbar's lower edge.
    const int topTwips = PixelsToTwipsOf(window, top);
    const auto at = [topTwips](int left, int y, int width, int height) {
        return Below(topTwips, TwipsBox{left, y, width, height});
    };
    MakeLabel(window, c, "Label13", "1068", at(250, 150, 9000, 300), fonts.bold());
    MakeLabel(window, c, "Label11", "1034", at(250, 630, 4600, 300), fonts.normal());
    MakeField(window, c, Field::PartName, at(5000, 600, 4000, kFieldHeight), fonts.normal());
    MakeLabel(window, c, "Label10", "1033", at(250, 1080, 4600, 300), fonts.normal());
    MakeField(window, c, Field::ProbeDiameter, at(5000, 1050, 1400, kFieldHeight), fonts.normal());
    MakeLabel(window, c, "Label12", "1035", at(6500, 1080, 600, 300), fonts.normal());
    for (int a = 0; a < 6; ++a) {
        MakeLabel(window, c, "Label" + std::to_string(4 + a),
                  kAxisTags[static_cast<std::size_t>(a)],
                  at(kGridLeft + a * kColumnStep, kHeadingsTop, kFieldWidth, 300), fonts.normal(),
                  SS_CENTER);
    }
    for (int seat = 0; seat < 3; ++seat) {
        MakeLabel(window, c, "Label" + std::to_string(1 + seat),
                  kPointTags[static_cast<std::size_t>(seat)],
                  at(250, kFirstRowTop + seat * kRowStep + 30, 1100, 300), fonts.normal());
    }
    // Created seat by seat, X to K: creation order is the Tab order.
    for (int seat = 0; seat < 3; ++seat) {
        for (int a = 0; a < 6; ++a) {
            MakeField(window, c, SeatField(static_cast<Axis>(a), seat),
                      at(kGridLeft + a * kColumnStep, kFirstRowTop + seat * kRowStep, kFieldWidth,
                         kFieldHeight),
                      fonts.normal());
        }
    }
    c.lblPatternIsGood = MakeLabel(window, c, "lblPatternIsGood", "1065",
                                   at(250, kButtonsTop + 60, 2300, 300), fonts.bold());
    c.cmdMakeGridFile = MakeButton(window, c, "cmdMakeGridFile", "1038", kIdMakeGridFile,
                                   at(4700, kButtonsTop, 2000, 420), fonts.normal());
    c.cmdAddToGridFile = MakeButton(window, c, "cmdAddToGridFile", "1036", kIdAddButton,
                                    at(6800, kButtonsTop, 2400, 420), fonts.normal());
    // The default button: Enter in a field runs it (the window answers DM_GETDEFID).
    c.cmdCheckPattern =
        MakeButton(window, c, "cmdCheckPattern", "1039", kIdCheckPattern,
                   at(2600, kButtonsTop, 2000, 420), fonts.normal(), BS_DEFPUSHBUTTON);
}

}  // namespace zarvek::win32
