#include "window/win32/frm_main.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <utility>

#include "form/control_tags.h"
#include "form/form_sketch.h"
#include "form/viewer_file.h"
#include "platform/wide_text_win32.h"
#include "strings/window_string_ids.h"
#include "window/win32/build_controls.h"
#include "window/win32/dpi.h"
#include "window/win32/field_edits.h"
#include "window/win32/sketch_view.h"
#include "window/win32/window_procedures.h"
#include "window/win32/window_text.h"

namespace zarvek::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZarvekFrmMain";

// The starting size of the window, in twips: room for the seat grid and the drawing beside it.
constexpr int kStartWidthTwips = 16200;
constexpr int kStartHeightTwips = 8400;

// Where the drawing goes, in twips below the toolbar.
constexpr TwipsBox kSketchBox{9600, 600, 6200, 5000};

// The colour of a part whose lengths repeat other parts' (as in the Qt table).
constexpr COLORREF kMarkedRow = RGB(255, 214, 204);
constexpr COLORREF kPatternIsGood = RGB(0, 100, 0);

void RegisterWindowClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        // The icon of the exe's resources (1), if it has one; a test program has none.
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// Whether the control itself is set visible, whatever its parent.
bool Shown(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

FrmMain::FrmMain(Dialogs& dialogs, Language language, NumberLocale locale, ArmdataFolderQuery query,
                 std::function<void()> destroyed)
    : language_(language),
      locale_(std::move(locale)),
      queryArmdataFolder_(std::move(query)),
      destroyed_(std::move(destroyed)),
      dialogs_(dialogs),
      form_(std::make_unique<FormModel>(dialogs)),
      commands_(*form_, dialogs, language_, locale_, *this),
      markedRowBrush_(CreateSolidBrush(kMarkedRow)) {
    RegisterWindowClass(&FrmMain::WindowProc);
    // The window's own caption is its name until LoadCaptions gives it its title.
    hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"frmMain",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
    SetWindowPos(hwnd_, nullptr, 0, 0, Pixels(hwnd_, kStartWidthTwips),
                 Pixels(hwnd_, kStartHeightTwips), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    BuildControls();
    edits_ = std::make_unique<FieldEdits>(
        *form_, controls_.fields, hwnd_, locale_,
        [this](bool open) { ShowWriteGate(controls_, open, mode_); },
        [this](bool locked) { ShowInputLock(controls_, locked); },
        [this](Field field) {
            if (ChangesTheSketch(field)) {
                sketch_->ShowSketch(SketchForm(*form_, locale_));
            }
        });
    accelerators_ = CreateAccelerators();
}

FrmMain::~FrmMain() {
    edits_.reset();
    destroyed_ = nullptr;
    if (IsWindow(hwnd_)) {
        DestroyWindow(hwnd_);
    }
    DestroyAcceleratorTable(accelerators_);
    ImageList_Destroy(images_.normal);
    ImageList_Destroy(images_.disabled);
    DeleteObject(markedRowBrush_);
}

void FrmMain::BuildControls() {
    images_ = DrawToolbarPictures(ToolbarPictureSide(DpiOf(hwnd_)));
    BuildToolbar(hwnd_, controls_, images_);
    BuildFileMenu(hwnd_, controls_);
    RECT toolbar{};
    GetWindowRect(controls_.Toolbar1, &toolbar);
    const int top = toolbar.bottom - toolbar.top;
    BuildInputForm(hwnd_, controls_, fonts_, top);
    // The drawing: shown with the form, so tagged as its text boxes are; it takes no focus.
    sketch_ = std::make_unique<SketchView>(hwnd_, fonts_, language_, locale_);
    controls_.picPattern = sketch_->hwnd();
    const int topTwips = PixelsToTwipsOf(hwnd_, top);
    MoveWindow(controls_.picPattern, Pixels(hwnd_, kSketchBox.left),
               Pixels(hwnd_, topTwips + kSketchBox.top), Pixels(hwnd_, kSketchBox.width),
               Pixels(hwnd_, kSketchBox.height), FALSE);
    ShowWindow(controls_.picPattern, SW_SHOW);
    controls_.controlOrder.push_back(
        Control{controls_.picPattern, "picPattern", "Input", ControlKind::Other});
    BuildViewer(hwnd_, controls_, fonts_, language_);
    BuildStatusBar(hwnd_, controls_, fonts_);
}

void FrmMain::Load() {
    LoadCaptions(*this, language_);
    commands_.Load(queryArmdataFolder_);
}

bool FrmMain::PreTranslateMessage(MSG& message) {
    if (!IsWindow(hwnd_)) {
        return false;
    }
    if (TranslateAcceleratorW(hwnd_, accelerators_, &message) != 0) {
        return true;
    }
    // The dialog manager may make a focused push button the default one: Enter on Make or Add is
    // swallowed here, so that Enter never writes.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
        (message.hwnd == controls_.cmdMakeGridFile || message.hwnd == controls_.cmdAddToGridFile)) {
        return true;
    }
    return IsDialogMessageW(hwnd_, &message) != 0;
}

LRESULT CALLBACK FrmMain::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FrmMain*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (self->hwnd_ == nullptr) {
        self->hwnd_ = hwnd;
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT FrmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam), lParam);
        case WM_CTLCOLORSTATIC:
            return OnColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SIZE:
            SendMessageW(controls_.Toolbar1, TB_AUTOSIZE, 0, 0);
            SendMessageW(controls_.sbrStatus, WM_SIZE, 0, 0);
            return 0;
        case DM_GETDEFID:
            // Enter in a field presses Check Pattern.
            return MAKELRESULT(kIdCheckPattern, DC_HASDEFID);
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == controls_.mnuFile) {
                EnableMenuItem(controls_.mnuFile, kIdRestorePrevious,
                               MF_BYCOMMAND | (commands_.CanRestorePreviousGridFile() ? MF_ENABLED
                                                                                      : MF_GRAYED));
            }
            return 0;
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wParam) == controls_.tblParts) {
                ShowPartsContextMenu(lParam);
                return 0;
            }
            break;
        case WM_DESTROY: {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            edits_.reset();
            if (destroyed_) {
                destroyed_();
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void FrmMain::OnCommand(int id, int code, HWND from) {
    if (id >= kIdFirstField && id < kIdFirstField + kFieldCount) {
        if (code == EN_CHANGE && edits_) {
            edits_->BoxChanged(from);
        }
        return;
    }
    if (id >= kIdToolbarFirst && id < kIdToolbarFirst + static_cast<int>(kToolbarKeys.size())) {
        commands_.ToolbarButtonClick(kToolbarKeys[static_cast<std::size_t>(id - kIdToolbarFirst)]);
        return;
    }
    switch (id) {
        case kIdFileNew:
            commands_.FileNew();
            break;
        case kIdFileOpen:
            commands_.FileOpen();
            break;
        case kIdOpenExisting:
            commands_.OpenInstalledFile();
            break;
        case kIdAddToGridFile:
        case kIdAddButton:
            commands_.AddToGridFile();
            break;
        case kIdFileClose:
            commands_.FileClose();
            break;
        case kIdFileExit:
            commands_.FileExit();
            break;
        case kIdCheckPattern:
            CheckPatternPressed();
            break;
        case kIdMakeGridFile:
            commands_.MakeGridFile();
            break;
        case kIdRestorePrevious:
            commands_.RestorePreviousGridFile();
            break;
        case kIdRemovePart:
            RemoveSelectedPart();
            break;
        default:
            break;
    }
}

LRESULT FrmMain::OnNotify(const NMHDR& header, LPARAM lParam) {
    if (header.hwndFrom == controls_.tabOpenExist && header.code == TCN_SELCHANGE) {
        ShowViewerPage();
        return 0;
    }
    if (header.hwndFrom != controls_.tblParts) {
        return 0;
    }
    if (header.code == LVN_KEYDOWN &&
        reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey == VK_DELETE) {
        RemoveSelectedPart();
        return 0;
    }
    if (header.code == LVN_ITEMCHANGED) {
        EnableWindow(controls_.cmdRemovePart, SelectedPartRow() ? TRUE : FALSE);
        return 0;
    }
    if (header.code == LVN_GETDISPINFOW) {
        auto& info = *reinterpret_cast<NMLVDISPINFOW*>(lParam);
        const auto row = static_cast<std::size_t>(info.item.iItem);
        if ((info.item.mask & LVIF_TEXT) != 0 && row < parts_.PartCount() &&
            info.item.cchTextMax > 0) {
            const std::wstring text = Widen(
                PartsCellText(parts_, row, static_cast<PartsColumn>(info.item.iSubItem), locale_));
            const auto room = static_cast<std::size_t>(info.item.cchTextMax - 1);
            const std::size_t length = std::min(text.size(), room);
            std::wmemcpy(info.item.pszText, text.data(), length);
            info.item.pszText[length] = L'\0';
        }
        return 0;
    }
    if (header.code == NM_CUSTOMDRAW) {
        auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            return CDRF_NOTIFYITEMDRAW;
        }
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
            const auto row = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
            if (row < parts_.PartCount() && IsMarkedPart(parts_, row)) {
                draw.clrTextBk = kMarkedRow;
                draw.clrText = RGB(0, 0, 0);
            }
        }
        return CDRF_DODEFAULT;
    }
    return 0;
}

LRESULT FrmMain::OnColourStatic(HDC dc, HWND control) {
    const LRESULT standard = DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(control));
    if (control == controls_.lblPatternIsGood) {
        SetTextColor(dc, kPatternIsGood);
    } else if (control == controls_.lblPartsLegend && parts_.markedParts > 0) {
        // The legend stands on the colour of the rows it explains.
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, kMarkedRow);
        return reinterpret_cast<LRESULT>(markedRowBrush_);
    } else if (control == controls_.lblPartsHeader && !parts_.gridFile && !parts_.failure.empty()) {
        SetTextColor(dc, RGB(200, 30, 30));
    }
    return standard;
}

void FrmMain::CheckPatternPressed() {
    // Enter names the default button in every mode; it runs only with the form.
    if (IsWindowEnabled(controls_.cmdCheckPattern) == FALSE) {
        return;
    }
    // Pressed by Enter, the focus is still in a field: it moves to the button first, as a click
    // moves it, so that the field is left as on Tab before the check reads it.
    if (GetFocus() != controls_.cmdCheckPattern) {
        SetFocus(controls_.cmdCheckPattern);
    }
    commands_.CheckPattern();
}

void FrmMain::SelectViewerTab(int tab) {
    SendMessageW(controls_.tabOpenExist, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    ShowViewerPage();
}

void FrmMain::ShowViewerPage() {
    const bool viewing = Shown(controls_.tabOpenExist);
    const bool parts = SendMessageW(controls_.tabOpenExist, TCM_GETCURSEL, 0, 0) == 1;
    ShowWindow(controls_.rtbOpenExist, viewing && !parts ? SW_SHOW : SW_HIDE);
    ShowWindow(controls_.lblPartsHeader, viewing && parts ? SW_SHOW : SW_HIDE);
    ShowWindow(controls_.lblPartsLegend,
               viewing && parts && !PartsLegendText(parts_, language_).empty() ? SW_SHOW : SW_HIDE);
    const bool table = viewing && parts && parts_.gridFile;
    ShowWindow(controls_.tblParts, table ? SW_SHOW : SW_HIDE);
    ShowWindow(controls_.cmdRemovePart, table ? SW_SHOW : SW_HIDE);
}

std::optional<std::size_t> FrmMain::SelectedPartRow() const {
    const LRESULT row = SendMessageW(controls_.tblParts, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                     MAKELPARAM(LVNI_SELECTED, 0));
    if (row < 0 || static_cast<std::size_t>(row) >= parts_.PartCount()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(row);
}

void FrmMain::SelectPartRow(std::size_t row) {
    if (parts_.PartCount() == 0) {
        return;
    }
    const auto selected = static_cast<WPARAM>(std::min(row, parts_.PartCount() - 1));
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(controls_.tblParts, LVM_SETITEMSTATE, selected, reinterpret_cast<LPARAM>(&item));
    SendMessageW(controls_.tblParts, LVM_ENSUREVISIBLE, selected, FALSE);
}

void FrmMain::RemoveSelectedPart() {
    const std::optional<std::size_t> row = SelectedPartRow();
    if (!row) {
        return;
    }
    // A copy: showing the file again replaces the overview the part lives in.
    const Part part = parts_.gridFile->Parts.Item(*row + 1);
    commands_.RemovePart(*row + 1, part);
    // The operator goes on from the same place: the part that took the removed one's row.
    SelectPartRow(*row);
}

void FrmMain::ShowPartsContextMenu(LPARAM at) {
    if (!SelectedPartRow()) {
        return;
    }
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        // From the keyboard (Shift+F10, the menu key): at the list's top left corner.
        point = POINT{0, 0};
        ClientToScreen(controls_.tblParts, &point);
    }
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kIdRemovePart,
                Widen(LookupString(kRemovePart, language_)).c_str());
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd_,
                   nullptr);
    DestroyMenu(menu);
}

void FrmMain::ShowPartsOverview(PartsOverview overview) {
    parts_ = std::move(overview);
    SetText(controls_.lblPartsHeader,
            parts_.gridFile ? PartsHeaderText(parts_, language_, locale_) : parts_.failure);
    SetText(controls_.lblPartsLegend, PartsLegendText(parts_, language_));
    // A new file starts without a selection.
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(controls_.tblParts, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&none));
    SendMessageW(controls_.tblParts, LVM_SETITEMCOUNT, parts_.PartCount(), 0);
    EnableWindow(controls_.cmdRemovePart, FALSE);
    SendMessageW(controls_.tblParts, LVM_ENSUREVISIBLE, 0, FALSE);
    InvalidateRect(controls_.tblParts, nullptr, TRUE);
    ShowViewerPage();
}

void FrmMain::ShowMode(WindowMode mode, const std::string& /*gridFilePath*/) {
    mode_ = mode;
    SetWindowMode(*this, mode);
    ShowViewerPage();
    // A control the mode hid leaves the focus with the window itself: the keyboard goes on in
    // the viewer.
    const HWND focus = GetFocus();
    if (mode == WindowMode::View &&
        (focus == hwnd_ ||
         (focus != nullptr && !IsWindowVisible(focus) && GetParent(focus) == hwnd_))) {
        SetFocus(controls_.tabOpenExist);
    }
}

void FrmMain::FocusPartName() {
    edits_->MoveFocusForNew(Field::PartName);
}

void FrmMain::ShowFileText(const std::string& text, const std::string& path) {
    SetText(controls_.rtbOpenExist, WithLineEnds(text, "\r\n"));
    ShowPartsOverview(MakePartsOverview(text, path, language_));
    SetText(controls_.lblShownFile, ViewerFileLabel(path, language_));
}

void FrmMain::ShowStatusLine(const std::string& line) {
    SetText(controls_.sbrStatus, line);
}

bool FrmMain::ViewerShown() const {
    return Shown(controls_.tabOpenExist);
}

void FrmMain::ClearViewer() {
    SetWindowTextW(controls_.rtbOpenExist, L"");
    ShowPartsOverview(PartsOverview{});
    SetWindowTextW(controls_.lblShownFile, L"");
}

void FrmMain::CloseWindow() {
    DestroyWindow(hwnd_);
}

}  // namespace zarvek::win32
