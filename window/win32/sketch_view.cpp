#include "window/win32/sketch_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "platform/wide_text_win32.h"
#include "strings/drawing_string_ids.h"

namespace zarvek::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZarvekSketchView";
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kWarning = RGB(200, 30, 30);
constexpr COLORREF kPass = RGB(0, 100, 0);
constexpr int kPadding = 8;

// Sides are 0 = 1-2, 1 = 2-3, 2 = 3-1.
constexpr std::array<std::size_t, 3> kSideStart = {0, 1, 2};
constexpr std::array<std::size_t, 3> kSideEnd = {1, 2, 0};

void RegisterClassOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

void DrawText(HDC dc, const std::string& text, RECT area, UINT format, COLORREF colour) {
    std::wstring wide = Widen(text);
    SetTextColor(dc, colour);
    ::DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &area, format | DT_NOPREFIX);
}

}  // namespace

SketchView::SketchView(HWND parent, HFONT font, Language language, NumberLocale locale)
    : font_(font), language_(language), locale_(std::move(locale)) {
    RegisterClassOnce();
    sketch_.hint = kSketchHintTypeSeats;
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"", WS_CHILD, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SketchView::WindowProc));
}

void SketchView::ShowSketch(PatternSketch sketch) {
    sketch_ = std::move(sketch);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK SketchView::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<SketchView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_PAINT && view != nullptr) {
        PAINTSTRUCT paint{};
        const HDC dc = BeginPaint(hwnd, &paint);
        RECT area{};
        GetClientRect(hwnd, &area);
        view->Paint(dc, area);
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void SketchView::Paint(HDC dc, const RECT& area) const {
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    RECT inner{area.left + kPadding, area.top + kPadding, area.right - kPadding,
               area.bottom - kPadding};
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int line = metrics.tmHeight + metrics.tmExternalLeading;

    DrawText(dc, LookupString(kSketchViewCaption, language_), inner, DT_CENTER | DT_WORDBREAK,
             kInk);
    if (sketch_.hint) {
        DrawText(dc, LookupString(*sketch_.hint, language_), inner,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, kInk);
        SelectObject(dc, oldFont);
        return;
    }
    const bool passes = !sketch_.firstFailure;
    RECT verdict{inner.left, inner.bottom - 2 * line, inner.right, inner.bottom};
    DrawText(dc,
             LookupString(passes ? static_cast<int>(kSketchSeatsPass)
                                 : static_cast<int>(*sketch_.firstFailure),
                          language_),
             verdict, DT_CENTER | DT_WORDBREAK, passes ? kPass : kWarning);

    // The triangle, scaled to the room between caption and verdict with a margin for labels.
    const RECT room{inner.left + 4 * line, inner.top + 3 * line, inner.right - 4 * line,
                    verdict.top - 2 * line};
    if (room.right <= room.left || room.bottom <= room.top) {
        SelectObject(dc, oldFont);
        return;
    }
    double left = sketch_.seats[0].x, right = left, bottom = sketch_.seats[0].y, top = bottom;
    for (const SketchPoint& p : sketch_.seats) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double width = std::max(right - left, 1e-9);
    const double height = std::max(top - bottom, 1e-9);
    const double scale =
        std::min((room.right - room.left) / width, (room.bottom - room.top) / height);
    const double centreX = (room.left + room.right) / 2.0;
    const double centreY = (room.top + room.bottom) / 2.0;
    std::array<POINT, 3> seats{};
    for (std::size_t k = 0; k < 3; ++k) {
        seats[k] =
            POINT{static_cast<LONG>(
                      std::lround(centreX + (sketch_.seats[k].x - (left + right) / 2) * scale)),
                  static_cast<LONG>(
                      std::lround(centreY - (sketch_.seats[k].y - (bottom + top) / 2) * scale))};
    }
    // Labels stand outside the triangle: pushed away from its centre.
    const double middleX = (seats[0].x + seats[1].x + seats[2].x) / 3.0;
    const double middleY = (seats[0].y + seats[1].y + seats[2].y) / 3.0;
    const auto outward = [&](double x, double y, double reach) {
        const double dx = x - middleX;
        const double dy = y - middleY;
        const double length = std::hypot(dx, dy);
        return length > 0 ? POINT{static_cast<LONG>(std::lround(x + dx / length * reach)),
                                  static_cast<LONG>(std::lround(y + dy / length * reach))}
                          : POINT{static_cast<LONG>(x), static_cast<LONG>(y - reach)};
    };
    for (std::size_t s = 0; s < 3; ++s) {
        const bool alike = sketch_.sideTooAlike[s];
        const HPEN pen = CreatePen(PS_SOLID, alike ? 3 : 2, alike ? kWarning : kInk);
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        const POINT a = seats[kSideStart[s]];
        const POINT b = seats[kSideEnd[s]];
        MoveToEx(dc, a.x, a.y, nullptr);
        LineTo(dc, b.x, b.y);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        const std::string length = FormatPattern(sketch_.sideLengths[s], 3, locale_) + " " +
                                   LookupString(kSketchMillimetres, language_);
        const POINT at = outward((a.x + b.x) / 2.0, (a.y + b.y) / 2.0, 1.2 * line);
        DrawText(dc, length, RECT{at.x - 6 * line, at.y - line, at.x + 6 * line, at.y + line},
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, alike ? kWarning : kInk);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        const COLORREF colour = sketch_.seatTooClose[k] ? kWarning : kInk;
        const POINT p = seats[k];
        const HBRUSH brush = CreateSolidBrush(colour);
        const RECT dot{p.x - 4, p.y - 4, p.x + 5, p.y + 5};
        FillRect(dc, &dot, brush);
        DeleteObject(brush);
        const POINT at = outward(p.x, p.y, line);
        DrawText(dc, std::to_string(k + 1),
                 RECT{at.x - line, at.y - line, at.x + line, at.y + line},
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE, colour);
    }
    SelectObject(dc, oldFont);
}

}  // namespace zarvek::win32
