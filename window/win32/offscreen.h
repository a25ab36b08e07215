#pragma once

#include <windows.h>

namespace zarvek::win32 {

// A bitmap of `size` pixels compatible with `like`, selected into a memory DC of its own, for
// drawing off screen. Owns both; the DC's contents are undefined until drawn.
class Offscreen {
  public:
    Offscreen(HDC like, SIZE size);
    ~Offscreen();
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    HDC dc() const { return dc_; }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace zarvek::win32
