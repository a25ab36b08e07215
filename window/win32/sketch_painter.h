#pragma once

#include <windows.h>

#include "pattern/sketch_layout.h"
#include "pattern/sketch_scene.h"

namespace zarvek::win32 {

// How a scene is drawn on a device: its texts in `normal` or `bold` (the caller owns both fonts),
// and `scale` device pixels to one pixel of the scene (the DPI / 96), so that the drawing's pens,
// dots and margins keep their size on a high-DPI screen as the fonts do.
struct SceneStyle {
    HFONT normal = nullptr;
    HFONT bold = nullptr;
    double scale = 1.0;
};

// Paints `scene` (pattern/sketch_scene.h) into `dc` with GDI, in the order of its items. A
// translucent item is drawn opaque on a copy of what lies below and blended back with its opacity
// (source-over), as the scene asks. GDI draws without antialiasing: positions are rounded to
// device pixels. Leaves the DC's selected objects as it found them; never throws.
void PaintScene(HDC dc, const SketchScene& scene, const SceneStyle& style);

// Measures texts as PaintScene draws them with `style`, in scene pixels. The fonts must outlive
// the returned function.
MeasureText MeasureWith(const SceneStyle& style);

// The system's colours the drawing takes from the window: window text, grey text, the shadow of
// buttons for the frame, and the window background.
ScenePalette SystemScenePalette();

}  // namespace zarvek::win32
