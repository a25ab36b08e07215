#pragma once

#include <windows.h>

#include "common/number_text.h"
#include "pattern/pattern_sketch.h"
#include "strings/string_table.h"

namespace zarvek::win32 {

// The live drawing of the typed seats beside the seat grid (picPattern), painted with GDI: the
// view's caption on top, the verdict of the checks at the bottom, and between them the triangle
// of the three seats scaled to fit, each seat numbered and each side labelled with its length;
// sides too alike and seats too close in the warning colour. A sketch with a hint shows the hint.
// It only shows what it is given and never takes the focus. Owns nothing but its sketch; the
// window handle is a child of the main window, destroyed with it.
class SketchView {
  public:
    SketchView(HWND parent, HFONT font, Language language, NumberLocale locale);
    SketchView(const SketchView&) = delete;
    SketchView& operator=(const SketchView&) = delete;

    HWND hwnd() const { return hwnd_; }
    void ShowSketch(PatternSketch sketch);
    const PatternSketch& sketch() const { return sketch_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc, const RECT& area) const;

    HWND hwnd_ = nullptr;
    HFONT font_;
    Language language_;
    NumberLocale locale_;
    PatternSketch sketch_;
};

}  // namespace zarvek::win32
