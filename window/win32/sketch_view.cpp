#include "window/win32/sketch_view.h"

#include <utility>

#include "form/form_sketch.h"
#include "window/win32/dpi.h"
#include "window/win32/offscreen.h"
#include "window/win32/sketch_painter.h"

namespace zarvek::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZarvekSketchView";

void RegisterClassOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        // No background: every paint covers the whole view.
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

SketchView::SketchView(HWND parent, const Fonts& fonts, Language language, NumberLocale locale)
    : fonts_(fonts), language_(language), locale_(std::move(locale)) {
    RegisterClassOnce(&SketchView::WindowProc);
    sketch_.hint = kSketchHintTypeSeats;
    hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                            GetModuleHandleW(nullptr), this);
}

void SketchView::ShowSketch(PatternSketch sketch) {
    sketch_ = std::move(sketch);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

double SketchView::Scale() const {
    return DpiOf(hwnd_) / 96.0;
}

SketchScene SketchView::Scene() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SceneStyle style{fonts_.normal(), fonts_.bold(), Scale()};
    return LayOutSketch(sketch_, SketchTextsOf(sketch_, language_, locale_),
                        SceneSize{client.right / style.scale, client.bottom / style.scale},
                        SystemScenePalette(), MeasureWith(style));
}

LRESULT CALLBACK SketchView::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    const auto* view = reinterpret_cast<const SketchView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            const HDC dc = BeginPaint(hwnd, &paint);
            if (view != nullptr) {
                view->Paint(dc);
            }
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            if (view != nullptr) {
                view->Paint(reinterpret_cast<HDC>(wParam));
            }
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void SketchView::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    const Offscreen buffer(dc, SIZE{client.right, client.bottom});
    // The window's own colour shows beyond the frame's rounded corners.
    FillRect(buffer.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    PaintScene(buffer.dc(), Scene(), SceneStyle{fonts_.normal(), fonts_.bold(), Scale()});
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.dc(), 0, 0, SRCCOPY);
}

}  // namespace zarvek::win32
