#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "pattern/pattern_sketch.h"
#include "pattern/sketch_scene.h"

namespace zarvek {

// The geometry of the drawing plane (millimetres, y up) and of its fit into the scene's box
// (pixels, y down), for LayOutSketch.

// Sides are 0 = 1-2, 1 = 2-3, 2 = 3-1; the seat opposite side s is the one not on it.
inline constexpr std::array<std::size_t, 3> kSideStart = {0, 1, 2};
inline constexpr std::array<std::size_t, 3> kSideEnd = {1, 2, 0};
inline constexpr std::array<std::size_t, 3> kOppositeSeat = {2, 0, 1};

// The band of side `s`: the side's start and end seat, then the far corners `spreadBand[s]` away
// from them toward the opposite seat (end first). None when the side has no length in the plane
// (it runs along the viewing direction).
std::optional<std::array<SketchPoint, 4>> SideBand(const PatternSketch& sketch, std::size_t s);

// Everything of the plane that is drawn: the seats, then the corners of each band.
std::vector<SketchPoint> DrawnPoints(const PatternSketch& sketch);

// The plane on the box, one scale for both axes.
struct PlaneToBox {
    double scale = 1.0;
    ScenePoint origin;  // where the plane's origin lies on the box
    ScenePoint operator()(const SketchPoint& p) const {
        return {origin.x + p.x * scale, origin.y - p.y * scale};
    }
};

// The largest scale at which `points` (at least one) fit into `target`, centred in it; where they
// spread along one axis only, that axis fills the target; points all at one place keep scale 1.
PlaneToBox FitPoints(const std::vector<SketchPoint>& points, const SceneRect& target);

// The smallest rectangle of the box holding `points` (at least one) as `mapping` places them.
SceneRect BoundsOnBox(const std::vector<SketchPoint>& points, const PlaneToBox& mapping);

// The smallest rectangle holding `a` and `b`.
SceneRect United(const SceneRect& a, const SceneRect& b);

}  // namespace zarvek
