#include "window/win32/offscreen.h"

namespace zarvek::win32 {

Offscreen::Offscreen(HDC like, SIZE size)
    : dc_(CreateCompatibleDC(like)),
      bitmap_(CreateCompatibleBitmap(like, size.cx, size.cy)),
      old_(SelectObject(dc_, bitmap_)) {}

Offscreen::~Offscreen() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

}  // namespace zarvek::win32
