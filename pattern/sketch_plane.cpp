#include "pattern/sketch_plane.h"

#include <algorithm>
#include <cmath>

namespace zarvek {

std::optional<std::array<SketchPoint, 4>> SideBand(const PatternSketch& sketch, std::size_t s) {
    const SketchPoint a = sketch.seats[kSideStart[s]];
    const SketchPoint b = sketch.seats[kSideEnd[s]];
    const SketchPoint c = sketch.seats[kOppositeSeat[s]];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length)) {
        return std::nullopt;
    }
    double nx = -dy / length;
    double ny = dx / length;
    if ((c.x - a.x) * nx + (c.y - a.y) * ny < 0) {
        nx = -nx;
        ny = -ny;
    }
    const double depth = sketch.spreadBand[s];
    return std::array<SketchPoint, 4>{a, b, SketchPoint{b.x + nx * depth, b.y + ny * depth},
                                      SketchPoint{a.x + nx * depth, a.y + ny * depth}};
}

std::vector<SketchPoint> DrawnPoints(const PatternSketch& sketch) {
    std::vector<SketchPoint> points(sketch.seats.begin(), sketch.seats.end());
    for (std::size_t s = 0; s < 3; ++s) {
        if (const auto band = SideBand(sketch, s)) {
            points.insert(points.end(), band->begin(), band->end());
        }
    }
    return points;
}

PlaneToBox FitPoints(const std::vector<SketchPoint>& points, const SceneRect& target) {
    double left = points[0].x, right = left, bottom = points[0].y, top = bottom;
    for (const SketchPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double width = right - left;
    const double height = top - bottom;
    PlaneToBox mapping;
    if (width > 0 && height > 0) {
        mapping.scale = std::min(target.width / width, target.height / height);
    } else if (width > 0) {
        mapping.scale = target.width / width;
    } else if (height > 0) {
        mapping.scale = target.height / height;
    }
    mapping.origin = {target.left + target.width / 2 - (left + width / 2) * mapping.scale,
                      target.top + target.height / 2 + (bottom + height / 2) * mapping.scale};
    return mapping;
}

SceneRect BoundsOnBox(const std::vector<SketchPoint>& points, const PlaneToBox& mapping) {
    const ScenePoint first = mapping(points[0]);
    double left = first.x, right = left, top = first.y, bottom = top;
    for (const SketchPoint& p : points) {
        const ScenePoint q = mapping(p);
        left = std::min(left, q.x);
        right = std::max(right, q.x);
        top = std::min(top, q.y);
        bottom = std::max(bottom, q.y);
    }
    return {left, top, right - left, bottom - top};
}

SceneRect United(const SceneRect& a, const SceneRect& b) {
    const double left = std::min(a.left, b.left);
    const double top = std::min(a.top, b.top);
    return {left, top, std::max(a.right(), b.right()) - left,
            std::max(a.bottom(), b.bottom()) - top};
}

}  // namespace zarvek
