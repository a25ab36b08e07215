#include "pattern/sketch_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "pattern/sketch_labels.h"
#include "pattern/sketch_plane.h"

namespace zarvek {
namespace {

constexpr double kPadding = 8.0;

SceneColour WithAlpha(SceneColour colour, std::uint8_t alpha) {
    colour.alpha = alpha;
    return colour;
}

// `rect` with its edges moved in by the given amounts; never less than empty.
SceneRect Inset(const SceneRect& rect, double left, double top, double right, double bottom) {
    return {rect.left + left, rect.top + top, std::max(0.0, rect.width - left - right),
            std::max(0.0, rect.height - top - bottom)};
}

// Appends items to a scene.
struct Items {
    static constexpr std::size_t kNone = 3;  // no side, no seat

    std::vector<SceneItem>& items;
    template <typename Shape>
    void Add(ScenePart part, Shape shape, std::size_t index = kNone, bool emphasised = false) {
        const int number = index == kNone ? -1 : static_cast<int>(index);
        items.push_back(SceneItem{part, number, emphasised, std::move(shape)});
    }
};

void AddBands(Items out, const PatternSketch& sketch, const PlaneToBox& mapping) {
    for (std::size_t s = 0; s < 3; ++s) {
        const auto band = SideBand(sketch, s);
        if (!band) {
            continue;
        }
        const bool failing = sketch.seatTooClose[kOppositeSeat[s]];
        const SceneColour colour = failing ? kSceneWarning : kSceneBand;
        ScenePolygon area{{}, WithAlpha(colour, failing ? 50 : 26)};
        for (const SketchPoint& corner : *band) {
            area.corners.push_back(mapping(corner));
        }
        out.Add(ScenePart::Band, std::move(area), s, failing);
        const ScenePen pen{WithAlpha(colour, failing ? 220 : 130), failing ? 1.5 : 1.0,
                           SceneDash::Dashed};
        out.Add(ScenePart::BandEdge, SceneLine{mapping((*band)[2]), mapping((*band)[3]), pen}, s,
                failing);
    }
}

void AddSides(Items out, const PatternSketch& sketch, const std::array<ScenePoint, 3>& seats,
              const SceneColour& ink) {
    for (std::size_t s = 0; s < 3; ++s) {
        const bool alike = sketch.sideTooAlike[s];
        const ScenePen pen{alike ? kSceneWarning : ink, alike ? 3.0 : 2.0, SceneDash::Solid,
                           SceneCap::Round};
        out.Add(ScenePart::Side, SceneLine{seats[kSideStart[s]], seats[kSideEnd[s]], pen}, s,
                alike);
    }
}

// An arc around the middle of the triangle from seat 1 past seat 2 towards seat 3, with its head
// at the end: the turn as it looks from the viewer's side. None when the seats lie on one line in
// the picture.
void AddTurn(Items out, const PatternSketch& sketch, const std::array<ScenePoint, 3>& seats,
             const ScenePalette& palette) {
    const ScenePoint ab{seats[1].x - seats[0].x, seats[1].y - seats[0].y};
    const ScenePoint ac{seats[2].x - seats[0].x, seats[2].y - seats[0].y};
    // Twice the area on the box, positive for a turn that looks counter-clockwise.
    const double twiceArea = ac.x * ab.y - ab.x * ac.y;
    const double perimeter = std::hypot(ab.x, ab.y) + std::hypot(ac.x, ac.y) +
                             std::hypot(seats[2].x - seats[1].x, seats[2].y - seats[1].y);
    if (!(std::fabs(twiceArea) > 1.0) || !(perimeter > 0)) {
        return;
    }
    const double radius = std::clamp(0.5 * std::fabs(twiceArea) / perimeter, 8.0, 34.0);
    const ScenePoint centre{(seats[0].x + seats[1].x + seats[2].x) / 3.0,
                            (seats[0].y + seats[1].y + seats[2].y) / 3.0};
    const auto angleOf = [&](const ScenePoint& p) {
        return std::atan2(-(p.y - centre.y), p.x - centre.x) * 180.0 / std::numbers::pi;
    };
    const double first = angleOf(seats[0]);
    const double direction = twiceArea > 0 ? 1.0 : -1.0;
    double sweep = std::fmod(direction * (angleOf(seats[2]) - first) + 720.0, 360.0);
    const double trim = std::min(18.0, sweep / 4);
    const double start = first + direction * trim;
    sweep = direction * (sweep - 2 * trim);

    const bool fails = sketch.rightHand == false;
    const SceneColour colour =
        !sketch.rightHand.has_value() ? palette.frame : (fails ? kSceneWarning : palette.ink);
    out.Add(ScenePart::Turn,
            SceneArc{centre, radius, start, sweep,
                     ScenePen{colour, 2.0, SceneDash::Solid, SceneCap::Round}},
            Items::kNone, fails);

    const double end = (start + sweep) * std::numbers::pi / 180.0;
    const ScenePoint tip{centre.x + std::cos(end) * radius, centre.y - std::sin(end) * radius};
    // The direction of travel at the end of the arc, on the box, and across it.
    const ScenePoint along{-std::sin(end) * direction, -std::cos(end) * direction};
    const ScenePoint across{-along.y, along.x};
    const auto at = [&](double forward, double aside) {
        return ScenePoint{tip.x + along.x * forward + across.x * aside,
                          tip.y + along.y * forward + across.y * aside};
    };
    out.Add(ScenePart::TurnHead, ScenePolygon{{at(4.0, 0), at(-6.0, 4.5), at(-6.0, -4.5)}, colour},
            Items::kNone, fails);
}

void AddSeats(Items out, const PatternSketch& sketch, const std::array<ScenePoint, 3>& seats,
              const SceneColour& ink) {
    for (std::size_t k = 0; k < 3; ++k) {
        const bool close = sketch.seatTooClose[k];
        if (close) {
            out.Add(ScenePart::SeatRing,
                    SceneCircle{seats[k], 9.0, ScenePen{kSceneWarning, 2.0}, {}}, k, true);
        }
        out.Add(ScenePart::Seat, SceneCircle{seats[k], 4.5, {}, close ? kSceneWarning : ink}, k,
                close);
    }
}

// Labels stand on a patch of the background, so that band edges under them do not cross the text.
void AddLabels(Items out, std::vector<PlacedLabel> labels, const ScenePalette& palette) {
    for (PlacedLabel& label : labels) {
        const std::size_t index = static_cast<std::size_t>(label.index);
        const SceneRect patch = Inset(label.box, -2, 0, -2, 0);
        out.Add(ScenePart::LabelPatch,
                SceneRoundedRect{patch, 3, {}, WithAlpha(palette.background, 215)}, index,
                label.emphasised);
        out.Add(label.part,
                SceneText{std::move(label.text), label.box, SceneAcross::Centre, SceneDown::Centre,
                          false, label.weight, label.emphasised ? kSceneWarning : palette.ink},
                index, label.emphasised);
    }
}

// The triangle with its bands and labels, fitted into `area`; false, adding nothing, when it
// cannot be scaled to finite numbers there.
bool AddTriangle(Items out, const PatternSketch& sketch, const SketchTexts& texts,
                 const SceneRect& area, const ScenePalette& palette, const MeasureText& measure) {
    const std::vector<SketchPoint> points = DrawnPoints(sketch);
    const PlaneToBox mapping = FitWithLabels(sketch, points, area, texts, measure);
    const bool finite = std::isfinite(mapping.scale) &&
                        std::all_of(points.begin(), points.end(), [&](const SketchPoint& p) {
                            const ScenePoint q = mapping(p);
                            return std::isfinite(q.x) && std::isfinite(q.y);
                        });
    if (!finite) {
        return false;
    }
    std::array<ScenePoint, 3> seats;
    for (std::size_t k = 0; k < 3; ++k) {
        seats[k] = mapping(sketch.seats[k]);
    }
    AddBands(out, sketch, mapping);
    AddSides(out, sketch, seats, palette.ink);
    AddTurn(out, sketch, seats, palette);
    AddSeats(out, sketch, seats, palette.ink);
    AddLabels(out, PlaceLabels(sketch, mapping, texts, measure), palette);
    return true;
}

SceneText MiddleText(const std::string& text, const SceneRect& area, const SceneColour& colour) {
    return {text,
            Inset(area, kPadding, kPadding, kPadding, kPadding),
            SceneAcross::Centre,
            SceneDown::Centre,
            true,
            SceneWeight::Normal,
            colour};
}

}  // namespace

SketchScene LayOutSketch(const PatternSketch& sketch, const SketchTexts& texts, SceneSize box,
                         const ScenePalette& palette, const MeasureText& measure) {
    SketchScene scene{box, {}};
    Items out{scene.items};
    const SceneRect area{0, 0, box.width, box.height};
    out.Add(ScenePart::Frame, SceneRoundedRect{Inset(area, 0.5, 0.5, 0.5, 0.5), 4,
                                               ScenePen{palette.frame, 1.0}, palette.background});
    if (sketch.hint) {
        out.Add(ScenePart::Hint, MiddleText(texts.hint, area, palette.quiet));
        return scene;
    }

    const SceneRect inner = Inset(area, kPadding, kPadding / 2, kPadding, kPadding / 2);
    const SceneRect caption{inner.left, inner.top, inner.width,
                            measure(texts.caption, SceneWeight::Normal, 0).height + 4};
    out.Add(ScenePart::Caption,
            SceneText{texts.caption, caption, SceneAcross::Left, SceneDown::Centre, false,
                      SceneWeight::Normal, palette.quiet});

    const double verdictHeight = measure(texts.verdict, SceneWeight::Bold, inner.width).height + 2;
    const SceneRect verdict{inner.left, inner.bottom() - verdictHeight, inner.width, verdictHeight};
    const SceneRect drawing{inner.left + kPadding, caption.bottom() + kPadding,
                            inner.width - 2 * kPadding,
                            verdict.top - caption.bottom() - 2 * kPadding};
    // A box too small for the triangle still shows the verdict.
    if (drawing.width >= 8 && drawing.height >= 8 &&
        !AddTriangle(out, sketch, texts, drawing, palette, measure)) {
        out.Add(ScenePart::Hint, MiddleText(texts.tooLarge, area, palette.quiet));
        return scene;
    }
    const bool fails = sketch.firstFailure.has_value();
    out.Add(ScenePart::Verdict,
            SceneText{texts.verdict, verdict, SceneAcross::Centre, SceneDown::Bottom, true,
                      SceneWeight::Bold, fails ? kSceneWarning : kScenePass},
            Items::kNone, fails);
    return scene;
}

}  // namespace zarvek
