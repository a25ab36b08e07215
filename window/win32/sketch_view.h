#pragma once

#include <windows.h>

#include "common/number_text.h"
#include "pattern/pattern_sketch.h"
#include "pattern/sketch_scene.h"
#include "strings/string_table.h"
#include "window/win32/fonts.h"

namespace zarvek::win32 {

// The live drawing of the typed seats beside the seat grid (picPattern): lays out the
// PatternSketch it is given as a scene of its own size, fonts and the system's colours
// (pattern/sketch_layout.h), as the Qt window does, and paints that with GDI through an off-screen
// bitmap, so it never flickers. It only shows what it is given and never takes the focus. Owns
// nothing but its sketch; `fonts` must outlive it; the window handle is a child of the main window,
// destroyed with it.
class SketchView {
  public:
    SketchView(HWND parent, const Fonts& fonts, Language language, NumberLocale locale);
    SketchView(const SketchView&) = delete;
    SketchView& operator=(const SketchView&) = delete;

    HWND hwnd() const { return hwnd_; }
    // Replaces the drawing; repainted at the next paint.
    void ShowSketch(PatternSketch sketch);
    const PatternSketch& sketch() const { return sketch_; }

    // What it paints now, in pixels of 96 dots an inch (the screen's pixels scaled by its DPI).
    SketchScene Scene() const;

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;
    double Scale() const;

    HWND hwnd_ = nullptr;
    const Fonts& fonts_;
    Language language_;
    NumberLocale locale_;
    PatternSketch sketch_;
};

}  // namespace zarvek::win32
