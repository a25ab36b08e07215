#pragma once

#include <string>
#include <vector>

#include "pattern/pattern_sketch.h"
#include "pattern/sketch_layout.h"
#include "pattern/sketch_plane.h"
#include "pattern/sketch_scene.h"

namespace zarvek {

// A label of the triangle, placed on the box.
struct PlacedLabel {
    ScenePart part = ScenePart::SideLength;  // SideLength or SeatName
    int index = 0;
    std::string text;
    SceneRect box;
    SceneWeight weight = SceneWeight::Normal;
    bool emphasised = false;
};

// The three side lengths, then the three seat names, on the box as `mapping` places the seats.
// A side's length stands beside the side's middle, on the side away from the triangle's middle
// and 6 pixels clear of the side; a seat's name beyond the seat, away from the middle, 8 pixels
// clear (12 when the seat is too close and wears a ring). Where the direction away from the
// middle has no length, labels go up. Each box is the size `measure` gives its text in the
// label's weight: seat names are bold, and so are the lengths of sides that are too alike.
std::vector<PlacedLabel> PlaceLabels(const PatternSketch& sketch, const PlaneToBox& mapping,
                                     const SketchTexts& texts, const MeasureText& measure);

// Fits `points` and the labels into `target`: the labels keep their size in pixels, so the room
// they need beyond the drawn points is measured and the points fitted again into what is left
// (twice, as the labels move with the points; not at all when less than 4 pixels would be left).
PlaneToBox FitWithLabels(const PatternSketch& sketch, const std::vector<SketchPoint>& points,
                         const SceneRect& target, const SketchTexts& texts,
                         const MeasureText& measure);

}  // namespace zarvek
