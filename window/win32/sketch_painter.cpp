#include "window/win32/sketch_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/wide_text_win32.h"
#include "window/win32/offscreen.h"

namespace zarvek::win32 {
namespace {

COLORREF Opaque(const SceneColour& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

// Selects a pen or brush into a DC for a scope, then deletes it (deleting a stock object is
// harmless).
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
    ~Selection() {
        SelectObject(dc_, old_);
        DeleteObject(object_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ object_;
    HGDIOBJ old_;
};

HGDIOBJ MakePen(const std::optional<ScenePen>& pen, double scale) {
    if (!pen) {
        return GetStockObject(NULL_PEN);
    }
    const double width = std::max(1.0, pen->width * scale);
    const LOGBRUSH brush{BS_SOLID, Opaque(pen->colour), 0};
    const DWORD style = PS_GEOMETRIC | PS_JOIN_ROUND |
                        (pen->cap == SceneCap::Round ? PS_ENDCAP_ROUND : PS_ENDCAP_SQUARE);
    const auto whole = static_cast<DWORD>(std::lround(width));
    if (pen->dash == SceneDash::Solid) {
        return ExtCreatePen(style | PS_SOLID, whole, &brush, 0, nullptr);
    }
    const DWORD dashes[] = {static_cast<DWORD>(std::lround(4 * width)),
                            static_cast<DWORD>(std::lround(2 * width))};
    return ExtCreatePen(style | PS_USERSTYLE, whole, &brush, 2, dashes);
}

HGDIOBJ MakeBrush(const std::optional<SceneColour>& fill) {
    return fill ? CreateSolidBrush(Opaque(*fill)) : GetStockObject(NULL_BRUSH);
}

// The size in device pixels of `text` in the font selected into `dc`: one line when `wrapWidth` is
// 0, else broken at spaces into lines that width.
SIZE TextBlock(HDC dc, const std::wstring& text, LONG wrapWidth) {
    RECT block{0, 0, wrapWidth, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &block,
              DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    return {block.right - block.left, block.bottom - block.top};
}

// Where an item paints (scene pixels, pens included) and its opacity: the least of its colours'.
struct Cover {
    SceneRect bounds;
    std::uint8_t opacity = 255;
};

Cover Around(ScenePoint centre, double reach, std::uint8_t opacity) {
    return {{centre.x - reach, centre.y - reach, 2 * reach, 2 * reach}, opacity};
}

Cover Spanning(std::span<const ScenePoint> points, double reach, std::uint8_t opacity) {
    if (points.empty()) {
        return {{}, opacity};
    }
    double left = points[0].x;
    double right = left;
    double top = points[0].y;
    double bottom = top;
    for (const ScenePoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {{left - reach, top - reach, right - left + 2 * reach, bottom - top + 2 * reach},
            opacity};
}

// The device pixels that hold all of `rect`.
RECT Holding(const SceneRect& rect, double scale) {
    return {static_cast<LONG>(std::floor(rect.left * scale)),
            static_cast<LONG>(std::floor(rect.top * scale)),
            static_cast<LONG>(std::ceil(rect.right() * scale)),
            static_cast<LONG>(std::ceil(rect.bottom() * scale))};
}

struct CoverOf {
    static double Width(const std::optional<ScenePen>& pen) { return pen ? pen->width : 0.0; }
    static std::uint8_t Least(const std::optional<ScenePen>& pen,
                              const std::optional<SceneColour>& fill) {
        return std::min(pen ? pen->colour.alpha : 255, fill ? fill->alpha : 255);
    }

    Cover operator()(const SceneLine& line) const {
        const std::array<ScenePoint, 2> ends{line.from, line.to};
        return Spanning(ends, line.pen.width, line.pen.colour.alpha);
    }
    Cover operator()(const SceneArc& arc) const {
        return Around(arc.centre, arc.radius + arc.pen.width, arc.pen.colour.alpha);
    }
    Cover operator()(const ScenePolygon& polygon) const {
        return Spanning(polygon.corners, 0.0, polygon.fill.alpha);
    }
    Cover operator()(const SceneCircle& circle) const {
        return Around(circle.centre, circle.radius + Width(circle.outline),
                      Least(circle.outline, circle.fill));
    }
    Cover operator()(const SceneRoundedRect& rounded) const {
        const SceneRect& r = rounded.rect;
        const std::array<ScenePoint, 2> corners{ScenePoint{r.left, r.top},
                                                ScenePoint{r.right(), r.bottom()}};
        return Spanning(corners, Width(rounded.outline), Least(rounded.outline, rounded.fill));
    }
    Cover operator()(const SceneText& text) const { return {text.box, text.colour.alpha}; }
};

// Draws one item opaque into `dc`.
struct ItemPainter {
    HDC dc;
    const SceneStyle& style;

    LONG Px(double value) const { return static_cast<LONG>(std::lround(value * style.scale)); }
    POINT Px(const ScenePoint& p) const { return {Px(p.x), Px(p.y)}; }

    void operator()(const SceneLine& line) const {
        const Selection pen(dc, MakePen(line.pen, style.scale));
        const POINT from = Px(line.from);
        const POINT to = Px(line.to);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    }
    void operator()(const SceneArc& arc) const {
        const Selection pen(dc, MakePen(arc.pen, style.scale));
        // AngleArc joins the current position to the arc's start: start there.
        const double start = arc.startDegrees * std::numbers::pi / 180.0;
        const POINT from = Px(ScenePoint{arc.centre.x + arc.radius * std::cos(start),
                                         arc.centre.y - arc.radius * std::sin(start)});
        const POINT centre = Px(arc.centre);
        MoveToEx(dc, from.x, from.y, nullptr);
        AngleArc(dc, centre.x, centre.y, static_cast<DWORD>(Px(arc.radius)),
                 static_cast<FLOAT>(arc.startDegrees), static_cast<FLOAT>(arc.sweepDegrees));
    }
    void operator()(const ScenePolygon& polygon) const {
        std::vector<POINT> corners;
        for (const ScenePoint& corner : polygon.corners) {
            corners.push_back(Px(corner));
        }
        const Selection pen(dc, GetStockObject(NULL_PEN));
        const Selection brush(dc, MakeBrush(polygon.fill));
        Polygon(dc, corners.data(), static_cast<int>(corners.size()));
    }
    void operator()(const SceneCircle& circle) const {
        const Selection pen(dc, MakePen(circle.outline, style.scale));
        const Selection brush(dc, MakeBrush(circle.fill));
        const ScenePoint& c = circle.centre;
        // GDI leaves out the bounding box's right and bottom edge.
        Ellipse(dc, Px(c.x - circle.radius), Px(c.y - circle.radius), Px(c.x + circle.radius) + 1,
                Px(c.y + circle.radius) + 1);
    }
    void operator()(const SceneRoundedRect& rounded) const {
        const Selection pen(dc, MakePen(rounded.outline, style.scale));
        const Selection brush(dc, MakeBrush(rounded.fill));
        const RECT box = Holding(rounded.rect, style.scale);
        const int corner = 2 * static_cast<int>(Px(rounded.cornerRadius));
        RoundRect(dc, box.left, box.top, box.right, box.bottom, corner, corner);
    }
    void operator()(const SceneText& text) const {
        SelectObject(dc, text.weight == SceneWeight::Bold ? style.bold : style.normal);
        SetTextColor(dc, Opaque(text.colour));
        const std::wstring wide = Widen(text.text);
        const LONG width = Px(text.box.width);
        const SIZE block = TextBlock(dc, wide, text.wrap ? width : 0);
        const double room = text.box.height * style.scale - block.cy;
        const double top =
            text.box.top * style.scale + (text.down == SceneDown::Bottom ? room : room / 2);
        RECT area{Px(text.box.left), static_cast<LONG>(std::lround(top)), 0, 0};
        area.right = area.left + width;
        area.bottom = area.top + block.cy;
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area,
                  DT_NOPREFIX | (text.wrap ? DT_WORDBREAK : DT_SINGLELINE) |
                      (text.across == SceneAcross::Left ? DT_LEFT : DT_CENTER));
    }
};

}  // namespace

void PaintScene(HDC dc, const SketchScene& scene, const SceneStyle& style) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    const SIZE size{static_cast<LONG>(std::ceil(scene.box.width * style.scale)),
                    static_cast<LONG>(std::ceil(scene.box.height * style.scale))};
    // What lies below a translucent item, copied before it is drawn opaque over the copy.
    std::optional<Offscreen> below;
    for (const SceneItem& item : scene.items) {
        const Cover cover = std::visit(CoverOf{}, item.shape);
        if (cover.opacity == 255) {
            std::visit(ItemPainter{dc, style}, item.shape);
            continue;
        }
        if (!below) {
            below.emplace(dc, size);
            SetBkMode(below->dc(), TRANSPARENT);
        }
        RECT area = Holding(cover.bounds, style.scale);
        InflateRect(&area, 1, 1);
        const RECT whole{0, 0, size.cx, size.cy};
        if (!IntersectRect(&area, &area, &whole)) {
            continue;
        }
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        BitBlt(below->dc(), area.left, area.top, width, height, dc, area.left, area.top, SRCCOPY);
        std::visit(ItemPainter{below->dc(), style}, item.shape);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, cover.opacity, 0};
        GdiAlphaBlend(dc, area.left, area.top, width, height, below->dc(), area.left, area.top,
                      width, height, blend);
    }
    RestoreDC(dc, saved);
}

MeasureText MeasureWith(const SceneStyle& style) {
    const std::shared_ptr<std::remove_pointer_t<HDC>> dc(CreateCompatibleDC(nullptr), DeleteDC);
    return [dc, style](const std::string& text, SceneWeight weight, double wrapWidth) {
        SelectObject(dc.get(), weight == SceneWeight::Bold ? style.bold : style.normal);
        const SIZE block = TextBlock(dc.get(), Widen(text),
                                     static_cast<LONG>(std::lround(wrapWidth * style.scale)));
        return SceneSize{block.cx / style.scale, block.cy / style.scale};
    };
}

ScenePalette SystemScenePalette() {
    const auto system = [](int index) {
        const COLORREF colour = GetSysColor(index);
        return SceneColour{GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
    };
    return {system(COLOR_WINDOWTEXT), system(COLOR_GRAYTEXT), system(COLOR_BTNSHADOW),
            system(COLOR_WINDOW)};
}

}  // namespace zarvek::win32
