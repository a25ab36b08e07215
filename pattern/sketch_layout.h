#pragma once

#include <array>
#include <functional>
#include <string>

#include "pattern/pattern_sketch.h"
#include "pattern/sketch_scene.h"

namespace zarvek {

// The texts of a drawing, in the user's language and number format (SketchTextsOf in
// form/form_sketch.h fills them in).
struct SketchTexts {
    std::string caption;                     // names the view, top left
    std::string verdict;                     // the first message Check Pattern would show, or pass
    std::string hint;                        // the sketch's hint, when it has one
    std::string tooLarge;                    // when the triangle cannot be scaled to the box
    std::array<std::string, 3> sideLengths;  // "118.160 mm": sides 1-2, 2-3, 3-1
};

// The colours of the window the drawing stands in.
struct ScenePalette {
    SceneColour ink;         // sides, seats, labels, a turn that passes
    SceneColour quiet;       // the caption and hints
    SceneColour frame;       // the box's outline, and the turn while it is not judged
    SceneColour background;  // the box's fill, and the patches under labels
};

// The size of `text` as the renderer draws it in `weight` of its font: one line when `wrapWidth`
// is 0; otherwise broken at spaces into lines at most `wrapWidth` wide (the widest line's width,
// all lines' height).
using MeasureText =
    std::function<SceneSize(const std::string& text, SceneWeight weight, double wrapWidth)>;

// The drawing of `sketch` in a box of `box` pixels, as a renderer draws it
// (pattern/sketch_scene.h).
//
// Always the frame: the box with rounded corners. A sketch with a hint shows the hint in the
// middle, and nothing else. Otherwise the caption at the top left, the verdict at the bottom
// (bold; the warning colour when a check fails, else kScenePass), and between them, where at
// least 8 by 8 pixels are left, the triangle scaled to fit with room for its labels: for each
// side the band on the side of the opposite seat within which that seat would be too close, the
// sides, the turn from seat 1 past seat 2 toward seat 3 around the triangle's middle, the seats,
// then the labels on patches of the background. Sides that are too alike, a turn that fails the
// rotation check and a seat too close, with its band, are drawn emphasised. A triangle that
// cannot be scaled to the box (seats too far apart for finite numbers) shows the caption and
// `texts.tooLarge` in the middle instead of triangle and verdict.
//
// `measure` is asked for the size of each text in the weight it is drawn with. Never throws (but
// what `measure` throws); every number in the scene is finite.
SketchScene LayOutSketch(const PatternSketch& sketch, const SketchTexts& texts, SceneSize box,
                         const ScenePalette& palette, const MeasureText& measure);

}  // namespace zarvek
