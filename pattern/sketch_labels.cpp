#include "pattern/sketch_labels.h"

#include <cmath>

namespace zarvek {
namespace {

ScenePoint Unit(double x, double y, const ScenePoint& fallback) {
    const double length = std::hypot(x, y);
    return length > 0 && std::isfinite(length) ? ScenePoint{x / length, y / length} : fallback;
}

// A box of `size` beside `anchor`, pushed out along the unit `direction` so that its near edge
// clears the anchor by `gap`.
SceneRect Beside(const ScenePoint& anchor, const ScenePoint& direction, const SceneSize& size,
                 double gap) {
    const double reach =
        gap + 0.5 * (std::fabs(direction.x) * size.width + std::fabs(direction.y) * size.height);
    const ScenePoint centre{anchor.x + direction.x * reach, anchor.y + direction.y * reach};
    return {centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height};
}

PlacedLabel Label(ScenePart part, std::size_t index, std::string text, bool bold, bool emphasised,
                  const MeasureText& measure) {
    PlacedLabel label{part,
                      static_cast<int>(index),
                      std::move(text),
                      {},
                      bold ? SceneWeight::Bold : SceneWeight::Normal,
                      emphasised};
    const SceneSize size = measure(label.text, label.weight, 0);
    label.box.width = size.width;
    label.box.height = size.height;
    return label;
}

}  // namespace

std::vector<PlacedLabel> PlaceLabels(const PatternSketch& sketch, const PlaneToBox& mapping,
                                     const SketchTexts& texts, const MeasureText& measure) {
    std::array<ScenePoint, 3> seats;
    for (std::size_t k = 0; k < 3; ++k) {
        seats[k] = mapping(sketch.seats[k]);
    }
    const ScenePoint centre{(seats[0].x + seats[1].x + seats[2].x) / 3.0,
                            (seats[0].y + seats[1].y + seats[2].y) / 3.0};
    const ScenePoint up{0, -1};
    std::vector<PlacedLabel> labels;
    for (std::size_t s = 0; s < 3; ++s) {
        const ScenePoint a = seats[kSideStart[s]];
        const ScenePoint b = seats[kSideEnd[s]];
        const ScenePoint middle{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
        ScenePoint outward = Unit(-(b.y - a.y), b.x - a.x, up);
        if (outward.x * (middle.x - centre.x) + outward.y * (middle.y - centre.y) < 0) {
            outward = {-outward.x, -outward.y};
        }
        const bool alike = sketch.sideTooAlike[s];
        PlacedLabel label =
            Label(ScenePart::SideLength, s, texts.sideLengths[s], alike, alike, measure);
        label.box = Beside(middle, outward, {label.box.width, label.box.height}, 6);
        labels.push_back(std::move(label));
    }
    for (std::size_t k = 0; k < 3; ++k) {
        const bool close = sketch.seatTooClose[k];
        PlacedLabel label =
            Label(ScenePart::SeatName, k, std::to_string(k + 1), true, close, measure);
        const ScenePoint outward = Unit(seats[k].x - centre.x, seats[k].y - centre.y, up);
        label.box = Beside(seats[k], outward, {label.box.width, label.box.height}, close ? 12 : 8);
        labels.push_back(std::move(label));
    }
    return labels;
}

PlaneToBox FitWithLabels(const PatternSketch& sketch, const std::vector<SketchPoint>& points,
                         const SceneRect& target, const SketchTexts& texts,
                         const MeasureText& measure) {
    PlaneToBox mapping = FitPoints(points, target);
    for (int pass = 0; pass < 2; ++pass) {
        const SceneRect drawing = BoundsOnBox(points, mapping);
        SceneRect all = drawing;
        for (const PlacedLabel& label : PlaceLabels(sketch, mapping, texts, measure)) {
            all = United(all, label.box);
        }
        const double left = drawing.left - all.left;
        const double top = drawing.top - all.top;
        const SceneRect room{target.left + left, target.top + top,
                             target.width + (drawing.right() - all.right()) - left,
                             target.height + (drawing.bottom() - all.bottom()) - top};
        if (room.width < 4 || room.height < 4) {
            break;
        }
        mapping = FitPoints(points, room);
    }
    return mapping;
}

}  // namespace zarvek
