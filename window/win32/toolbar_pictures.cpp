#include "window/win32/toolbar_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace zarvek::win32 {
namespace {

// Pixels of this colour are transparent (the image lists' mask colour).
constexpr COLORREF kMask = RGB(255, 0, 255);
constexpr COLORREF kOutline = RGB(40, 40, 40);
constexpr COLORREF kRed = RGB(200, 16, 16);
constexpr COLORREF kDarkRed = RGB(120, 0, 0);
constexpr int kDesignSide = 24;

struct DesignPoint {
    double x;
    double y;
};

// Draws in the 24-unit design square, scaled to the bitmap.
class Canvas {
  public:
    Canvas(HDC dc, double scale) : dc_(dc), scale_(scale) {}

    void Polygon(std::initializer_list<DesignPoint> points, COLORREF fill, COLORREF outline,
                 double width = 1.0) const {
        std::vector<POINT> scaled;
        for (const DesignPoint& p : points) {
            scaled.push_back(At(p));
        }
        const HBRUSH brush = CreateSolidBrush(fill);
        const HPEN pen = CreatePen(PS_SOLID, Width(width), outline);
        const HGDIOBJ oldBrush = SelectObject(dc_, brush);
        const HGDIOBJ oldPen = SelectObject(dc_, pen);
        ::Polygon(dc_, scaled.data(), static_cast<int>(scaled.size()));
        SelectObject(dc_, oldBrush);
        SelectObject(dc_, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    }

    void Bezier(const std::array<DesignPoint, 4>& points, COLORREF colour, double width) const {
        std::array<POINT, 4> scaled{};
        for (std::size_t i = 0; i < points.size(); ++i) {
            scaled[i] = At(points[i]);
        }
        LOGBRUSH brush{BS_SOLID, colour, 0};
        const HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND, Width(width),
                                      &brush, 0, nullptr);
        const HGDIOBJ oldPen = SelectObject(dc_, pen);
        PolyBezier(dc_, scaled.data(), 4);
        SelectObject(dc_, oldPen);
        DeleteObject(pen);
    }

  private:
    POINT At(DesignPoint p) const {
        return POINT{static_cast<LONG>(std::lround(p.x * scale_)),
                     static_cast<LONG>(std::lround(p.y * scale_))};
    }
    int Width(double width) const {
        return std::max(1, static_cast<int>(std::lround(width * scale_)));
    }

    HDC dc_;
    double scale_;
};

void DrawPage(const Canvas& c) {
    // A sheet with its top right corner folded over.
    c.Polygon({{5.5, 2.5}, {14.5, 2.5}, {19.5, 7.5}, {19.5, 21.5}, {5.5, 21.5}}, RGB(255, 255, 255),
              kOutline);
    c.Polygon({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}, RGB(215, 215, 215), kOutline);
}

void DrawOpenFolder(const Canvas& c) {
    // The back of the folder with its tab, the open front flap tilted forward, and an arrow
    // curving out of it.
    const COLORREF edge = RGB(120, 90, 10);
    c.Polygon({{1.5, 8.5}, {6.5, 8.5}, {8.5, 10.5}, {16.5, 10.5}, {16.5, 20.5}, {1.5, 20.5}},
              RGB(230, 190, 70), edge);
    c.Polygon({{4.5, 13.5}, {21.5, 13.5}, {17.5, 20.5}, {1.5, 20.5}}, RGB(250, 220, 110), edge);
    const COLORREF green = RGB(20, 110, 30);
    c.Bezier({DesignPoint{10.0, 11.0}, {10.5, 6.0}, {14.0, 3.5}, {18.5, 4.0}}, green, 2.0);
    c.Polygon({{17.0, 0.8}, {22.5, 4.2}, {17.2, 7.4}}, green, green);
}

// A bold T whose bar spans [left, left + width] and whose stem runs to `bottom`.
void DrawLetterT(const Canvas& c, double left, double width, double top, double bottom) {
    const double bar = width * 0.28;
    const double stem = width * 0.32;
    const double stemLeft = left + (width - stem) / 2;
    c.Polygon({{left, top},
               {left + width, top},
               {left + width, top + bar},
               {stemLeft + stem, top + bar},
               {stemLeft + stem, bottom},
               {stemLeft, bottom},
               {stemLeft, top + bar},
               {left, top + bar}},
              kRed, kDarkRed, 0.8);
}

void DrawT(const Canvas& c) {
    DrawLetterT(c, 3.0, 18.0, 2.5, 21.5);
}

void DrawTPlus(const Canvas& c) {
    DrawLetterT(c, 1.0, 14.0, 2.5, 21.5);
    c.Polygon({{16.9, 11.3},
               {20.1, 11.3},
               {20.1, 14.2},
               {23.0, 14.2},
               {23.0, 17.4},
               {20.1, 17.4},
               {20.1, 20.3},
               {16.9, 20.3},
               {16.9, 17.4},
               {14.0, 17.4},
               {14.0, 14.2},
               {16.9, 14.2}},
              kRed, kDarkRed, 0.8);
}

// A top-down 32-bit bitmap whose pixels the caller may read and change.
struct Picture {
    HBITMAP bitmap = nullptr;
    std::uint32_t* pixels = nullptr;
};

Picture NewPicture(HDC dc, int side) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    return Picture{bitmap, static_cast<std::uint32_t*>(bits)};
}

Picture Paint(HDC dc, int side, const std::function<void(const Canvas&)>& draw) {
    const Picture picture = NewPicture(dc, side);
    const HGDIOBJ old = SelectObject(dc, picture.bitmap);
    const RECT all{0, 0, side, side};
    const HBRUSH mask = CreateSolidBrush(kMask);
    FillRect(dc, &all, mask);
    DeleteObject(mask);
    draw(Canvas(dc, static_cast<double>(side) / kDesignSide));
    GdiFlush();
    SelectObject(dc, old);
    return picture;
}

// Lighter grey, its colour gone; the transparent pixels stay transparent.
Picture Greyed(HDC dc, const Picture& picture, int side) {
    const Picture greyed = NewPicture(dc, side);
    const std::uint32_t mask =
        (GetRValue(kMask) << 16) | (GetGValue(kMask) << 8) | GetBValue(kMask);
    for (int i = 0; i < side * side; ++i) {
        const std::uint32_t pixel = picture.pixels[i] & 0xFFFFFFu;
        if (pixel == mask) {
            greyed.pixels[i] = pixel;
            continue;
        }
        const unsigned red = (pixel >> 16) & 0xFF;
        const unsigned green = (pixel >> 8) & 0xFF;
        const unsigned blue = pixel & 0xFF;
        const unsigned grey = 128 + (red * 11 + green * 16 + blue * 5) / 32 / 2;
        greyed.pixels[i] = (grey << 16) | (grey << 8) | grey;
    }
    return greyed;
}

}  // namespace

int ToolbarPictureSide(int dpi) {
    return MulDiv(kDesignSide, dpi, 96);
}

ToolbarImageLists DrawToolbarPictures(int side) {
    ToolbarImageLists lists{ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 4, 0),
                            ImageList_Create(side, side, ILC_COLOR32 | ILC_MASK, 4, 0)};
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const std::array<std::function<void(const Canvas&)>, 4> drawings = {DrawPage, DrawOpenFolder,
                                                                        DrawT, DrawTPlus};
    for (const auto& draw : drawings) {
        const Picture picture = Paint(dc, side, draw);
        const Picture greyed = Greyed(dc, picture, side);
        ImageList_AddMasked(lists.normal, picture.bitmap, kMask);
        ImageList_AddMasked(lists.disabled, greyed.bitmap, kMask);
        DeleteObject(picture.bitmap);
        DeleteObject(greyed.bitmap);
    }
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return lists;
}

}  // namespace zarvek::win32
