#pragma once

#include <windows.h>

namespace zarvek::win32 {

// The window's fonts, from the system's message font (SPI_GETNONCLIENTMETRICS), not the 1995
// DEFAULT_GUI_FONT: normal, bold (the unit warning and "Pattern is Good!") and fixed-width of the
// same height (the viewer). Owns the three fonts.
class Fonts {
  public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    HFONT normal() const { return normal_; }
    HFONT bold() const { return bold_; }
    HFONT fixed() const { return fixed_; }

  private:
    HFONT normal_ = nullptr;
    HFONT bold_ = nullptr;
    HFONT fixed_ = nullptr;
};

}  // namespace zarvek::win32
