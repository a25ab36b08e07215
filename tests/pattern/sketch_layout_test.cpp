#include "pattern/sketch_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "pattern/pattern_sketch.h"
#include "pattern/sketch_plane.h"

namespace zarvek {
namespace {

const SketchTexts kTexts{"Caption", "Verdict", "Hint", "Too large", {"L12", "L23", "L31"}};
const ScenePalette kPalette{{1, 2, 3}, {4, 5, 6, 128}, {7, 8, 9}, {250, 251, 252}};
constexpr SceneSize kBox{380, 320};

// A font whose bold is wider than its plain, as a real one is: 7 or 8 pixels a character, lines of
// 14 pixels.
SceneSize FakeMeasure(const std::string& text, SceneWeight weight, double wrapWidth) {
    const double width = static_cast<double>(text.size()) * (weight == SceneWeight::Bold ? 8 : 7);
    if (wrapWidth <= 0 || width <= wrapWidth) {
        return {width, 14};
    }
    return {wrapWidth, 14 * std::ceil(width / wrapWidth)};
}

// A sketch with seats 1, 2, 3 at the given points of the plane (mm, y up) that passes every check;
// each side's band half the side's length deep.
PatternSketch Sketch(SketchPoint a, SketchPoint b, SketchPoint c) {
    PatternSketch sketch;
    sketch.seats = {a, b, c};
    for (std::size_t s = 0; s < 3; ++s) {
        const SketchPoint p = sketch.seats[s];
        const SketchPoint q = sketch.seats[(s + 1) % 3];
        sketch.sideLengths[s] = std::hypot(q.x - p.x, q.y - p.y);
        sketch.spreadBand[s] = sketch.sideLengths[s] / 2;
    }
    sketch.rightHand = true;
    sketch.spreadVerdict = kSpreadIsOk;
    return sketch;
}

SceneColour WithAlpha(SceneColour colour, std::uint8_t alpha) {
    colour.alpha = alpha;
    return colour;
}

PatternSketch Passing() {
    return Sketch({0, 0}, {100, 0}, {30, 80});
}

SketchScene LayOut(const PatternSketch& sketch, SceneSize box = kBox) {
    return LayOutSketch(sketch, kTexts, box, kPalette, FakeMeasure);
}

std::vector<const SceneItem*> All(const SketchScene& scene, ScenePart part) {
    std::vector<const SceneItem*> found;
    for (const SceneItem& item : scene.items) {
        if (item.part == part) {
            found.push_back(&item);
        }
    }
    return found;
}

// The one item of `part` and `index`; fails the test when there is none.
template <typename Shape>
const Shape& Get(const SketchScene& scene, ScenePart part, int index = -1) {
    for (const SceneItem& item : scene.items) {
        if (item.part == part && item.index == index) {
            return std::get<Shape>(item.shape);
        }
    }
    ADD_FAILURE() << "no item " << static_cast<int>(part) << " " << index;
    static const Shape none{};
    return none;
}

bool Emphasised(const SketchScene& scene, ScenePart part, int index = -1) {
    for (const SceneItem& item : scene.items) {
        if (item.part == part && item.index == index) {
            return item.emphasised;
        }
    }
    return false;
}

ScenePoint SeatOnBox(const SketchScene& scene, int seat) {
    return Get<SceneCircle>(scene, ScenePart::Seat, seat).centre;
}

// The box of every point an item covers: lines and polygons by their points, circles, arcs,
// rectangles and texts by their boxes (pens not counted).
std::vector<SceneRect> Extents(const SceneItem& item) {
    struct Visitor {
        std::vector<SceneRect> operator()(const SceneLine& l) const {
            return {{l.from.x, l.from.y, 0, 0}, {l.to.x, l.to.y, 0, 0}};
        }
        std::vector<SceneRect> operator()(const SceneArc& a) const {
            return {{a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius, 2 * a.radius}};
        }
        std::vector<SceneRect> operator()(const ScenePolygon& p) const {
            std::vector<SceneRect> rects;
            for (const ScenePoint& c : p.corners) {
                rects.push_back({c.x, c.y, 0, 0});
            }
            return rects;
        }
        std::vector<SceneRect> operator()(const SceneCircle& c) const {
            return {{c.centre.x - c.radius, c.centre.y - c.radius, 2 * c.radius, 2 * c.radius}};
        }
        std::vector<SceneRect> operator()(const SceneRoundedRect& r) const { return {r.rect}; }
        std::vector<SceneRect> operator()(const SceneText& t) const { return {t.box}; }
    };
    return std::visit(Visitor{}, item.shape);
}

bool Inside(const SceneRect& r, const SceneRect& area, double slack) {
    return r.left >= area.left - slack && r.top >= area.top - slack &&
           r.right() <= area.right() + slack && r.bottom() <= area.bottom() + slack;
}

// Where the triangle may go: between caption and verdict, 8 pixels in from the box's padding.
SceneRect DrawingArea(const SketchScene& scene) {
    const SceneRect caption = Get<SceneText>(scene, ScenePart::Caption).box;
    const SceneRect verdict = Get<SceneText>(scene, ScenePart::Verdict).box;
    return {caption.left + 8, caption.bottom() + 8, caption.width - 16,
            verdict.top - caption.bottom() - 16};
}

TEST(SketchLayout, CaptionOnTopAndWrappedBoldVerdictAtTheBottomOfThePaddedBox) {
    PatternSketch sketch = Passing();
    const SketchTexts texts{"Caption", std::string(60, 'v'), "", "", {"a", "b", "c"}};
    const SketchScene scene = LayOutSketch(sketch, texts, kBox, kPalette, FakeMeasure);
    const auto& caption = Get<SceneText>(scene, ScenePart::Caption);
    EXPECT_EQ(caption.box.left, 8);
    EXPECT_EQ(caption.box.top, 4);
    EXPECT_EQ(caption.box.width, 364);
    EXPECT_EQ(caption.box.height, 18);  // a line and 4 pixels
    EXPECT_EQ(caption.across, SceneAcross::Left);
    EXPECT_EQ(caption.colour, kPalette.quiet);
    const auto& verdict = Get<SceneText>(scene, ScenePart::Verdict);
    // 60 bold characters are 480 pixels: two lines within 364.
    EXPECT_EQ(verdict.box.height, 2 * 14 + 2);
    EXPECT_EQ(verdict.box.bottom(), 316);
    EXPECT_EQ(verdict.box.width, 364);
    EXPECT_TRUE(verdict.wrap);
    EXPECT_EQ(verdict.weight, SceneWeight::Bold);
    EXPECT_EQ(verdict.down, SceneDown::Bottom);
    const auto& frame = Get<SceneRoundedRect>(scene, ScenePart::Frame);
    EXPECT_EQ(frame.rect.left, 0.5);
    EXPECT_EQ(frame.rect.width, 379);
    EXPECT_EQ(frame.fill, kPalette.background);
    EXPECT_EQ(scene.items.front().part, ScenePart::Frame);
}

TEST(SketchLayout, TheTriangleAndItsLabelsFillTheRoomBetweenCaptionAndVerdict) {
    const struct {
        const char* what;
        PatternSketch sketch;
        SceneSize box;
    } cases[] = {
        {"passing, usual size", Passing(), kBox},
        {"wide box", Passing(), {900, 200}},
        {"tall box", Passing(), {200, 700}},
        {"thin triangle", Sketch({0, 0}, {1000, 0}, {500, 30}), kBox},
        {"seats in a line", Sketch({0, 0}, {10, 0}, {30, 0}), kBox},
        {"seats in an upright line", Sketch({0, 0}, {0, 10}, {0, 30}), kBox},
        {"tiny and far from the origin", Sketch({1e6, 1e6}, {1e6 + 1e-3, 1e6}, {1e6, 1e6 + 2e-3}),
         kBox},
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(c.sketch, c.box);
        const SceneRect area = DrawingArea(scene);
        double left = area.right(), right = area.left, top = area.bottom(), bottom = area.top;
        for (const ScenePart part :
             {ScenePart::Band, ScenePart::Side, ScenePart::SideLength, ScenePart::SeatName}) {
            for (const SceneItem* item : All(scene, part)) {
                for (const SceneRect& r : Extents(*item)) {
                    // Labels move as the triangle shrinks to make room for them: two rounds of
                    // fitting leave them inside to within a fraction of a pixel.
                    EXPECT_TRUE(Inside(r, area, 0.5))
                        << c.what << ", part " << static_cast<int>(part);
                    left = std::min(left, r.left);
                    right = std::max(right, r.right());
                    top = std::min(top, r.top);
                    bottom = std::max(bottom, r.bottom());
                }
            }
        }
        // Fitted, not merely inside: one direction is filled to within a few pixels.
        EXPECT_TRUE(right - left > area.width - 3 || bottom - top > area.height - 3) << c.what;
    }
}

TEST(SketchLayout, BandsLieAlongTheirSideTowardTheOppositeSeatHalfTheSideDeep) {
    const struct {
        const char* what;
        PatternSketch sketch;
    } cases[] = {
        {"counter-clockwise", Passing()},
        {"clockwise", Sketch({0, 0}, {100, 0}, {30, -80})},
        {"obtuse", Sketch({0, 0}, {100, 0}, {130, 20})},
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(c.sketch);
        const double scale = std::hypot(SeatOnBox(scene, 1).x - SeatOnBox(scene, 0).x,
                                        SeatOnBox(scene, 1).y - SeatOnBox(scene, 0).y) /
                             c.sketch.sideLengths[0];
        for (int s = 0; s < 3; ++s) {
            const auto& band = Get<ScenePolygon>(scene, ScenePart::Band, s);
            ASSERT_EQ(band.corners.size(), 4u) << c.what;
            const ScenePoint a = SeatOnBox(scene, s);
            const ScenePoint b = SeatOnBox(scene, (s + 1) % 3);
            const ScenePoint opposite = SeatOnBox(scene, (s + 2) % 3);
            EXPECT_NEAR(band.corners[0].x, a.x, 1e-9) << c.what;
            EXPECT_NEAR(band.corners[1].y, b.y, 1e-9) << c.what;
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            // Signed distance from the side's line, positive on the opposite seat's side.
            const auto across = [&](const ScenePoint& p) {
                const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
                const double side =
                    (b.x - a.x) * (opposite.y - a.y) - (b.y - a.y) * (opposite.x - a.x);
                return (side > 0 ? cross : -cross) / length;
            };
            const double depth = c.sketch.spreadBand[s] * scale;
            EXPECT_NEAR(across(band.corners[2]), depth, 1e-6) << c.what << " side " << s;
            EXPECT_NEAR(across(band.corners[3]), depth, 1e-6) << c.what << " side " << s;
            const auto& edge = Get<SceneLine>(scene, ScenePart::BandEdge, s);
            EXPECT_NEAR(edge.from.x, band.corners[2].x, 1e-9) << c.what;
            EXPECT_NEAR(edge.to.y, band.corners[3].y, 1e-9) << c.what;
            EXPECT_EQ(edge.pen.dash, SceneDash::Dashed) << c.what;
        }
    }
}

// The side lengths stand beside the middle of their side, the seat names beyond their seat, both
// away from the middle of the triangle, clear by a gap; each box the size of its text in the
// weight it is drawn with (the lengths of alike sides are bold, and must not be cut off).
TEST(SketchLayout, LabelsStandOutsideClearOfWhatTheyNameAndHoldTheirTextInItsWeight) {
    PatternSketch alike = Passing();
    alike.sideTooAlike = {true, false, true};
    PatternSketch close = Passing();
    close.seatTooClose = {false, true, false};
    const struct {
        const char* what;
        const PatternSketch& sketch;
        ScenePart part;
        int index;
        double gap;
        SceneWeight weight;
    } cases[] = {
        {"side 1-2", Passing(), ScenePart::SideLength, 0, 6, SceneWeight::Normal},
        {"side 2-3", Passing(), ScenePart::SideLength, 1, 6, SceneWeight::Normal},
        {"alike side 1-2", alike, ScenePart::SideLength, 0, 6, SceneWeight::Bold},
        {"alike side 3-1", alike, ScenePart::SideLength, 2, 6, SceneWeight::Bold},
        {"seat 1", Passing(), ScenePart::SeatName, 0, 8, SceneWeight::Bold},
        {"seat 3", Passing(), ScenePart::SeatName, 2, 8, SceneWeight::Bold},
        {"seat 2 in its ring", close, ScenePart::SeatName, 1, 12, SceneWeight::Bold},
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(c.sketch);
        const auto& label = Get<SceneText>(scene, c.part, c.index);
        EXPECT_EQ(label.weight, c.weight) << c.what;
        EXPECT_EQ(label.box.width, FakeMeasure(label.text, c.weight, 0).width) << c.what;
        EXPECT_EQ(label.box.height, 14) << c.what;
        EXPECT_FALSE(label.wrap) << c.what;
        // On a patch of the background reaching 2 pixels beyond it either side, drawn just before.
        const auto found = std::find_if(scene.items.begin(), scene.items.end(), [&](const auto& i) {
            return i.part == c.part && i.index == c.index;
        });
        ASSERT_NE(found, scene.items.begin()) << c.what;
        const SceneItem& patchItem = *(found - 1);
        ASSERT_EQ(patchItem.part, ScenePart::LabelPatch) << c.what;
        const auto& patch = std::get<SceneRoundedRect>(patchItem.shape);
        EXPECT_EQ(patch.rect.left, label.box.left - 2) << c.what;
        EXPECT_EQ(patch.rect.width, label.box.width + 4) << c.what;
        EXPECT_EQ(patch.rect.top, label.box.top) << c.what;
        EXPECT_EQ(patch.rect.height, label.box.height) << c.what;
        EXPECT_EQ(patch.cornerRadius, 3) << c.what;
        EXPECT_EQ(patch.fill, WithAlpha(kPalette.background, 215)) << c.what;
        EXPECT_FALSE(patch.outline.has_value()) << c.what;

        std::array<ScenePoint, 3> seats;
        for (int k = 0; k < 3; ++k) {
            seats[static_cast<std::size_t>(k)] = SeatOnBox(scene, k);
        }
        const ScenePoint middle{(seats[0].x + seats[1].x + seats[2].x) / 3,
                                (seats[0].y + seats[1].y + seats[2].y) / 3};
        const std::size_t i = static_cast<std::size_t>(c.index);
        ScenePoint anchor = seats[i];
        if (c.part == ScenePart::SideLength) {
            const ScenePoint end = seats[(i + 1) % 3];
            anchor = {(anchor.x + end.x) / 2, (anchor.y + end.y) / 2};
        }
        const ScenePoint centre{label.box.left + label.box.width / 2,
                                label.box.top + label.box.height / 2};
        const ScenePoint out{centre.x - anchor.x, centre.y - anchor.y};
        const double reach = std::hypot(out.x, out.y);
        const ScenePoint unit{out.x / reach, out.y / reach};
        EXPECT_GT(unit.x * (anchor.x - middle.x) + unit.y * (anchor.y - middle.y), 0) << c.what;
        if (c.part == ScenePart::SideLength) {  // straight out from the side
            const ScenePoint end = seats[(i + 1) % 3];
            EXPECT_NEAR(unit.x * (end.x - anchor.x) + unit.y * (end.y - anchor.y), 0, 1e-9)
                << c.what;
        } else {  // straight out from the middle of the triangle
            EXPECT_NEAR(unit.x * (anchor.y - middle.y) - unit.y * (anchor.x - middle.x), 0, 1e-9)
                << c.what;
        }
        // Along the way out, the box's near edge is `gap` from the anchor.
        const double halfAcross =
            0.5 * (std::fabs(unit.x) * label.box.width + std::fabs(unit.y) * label.box.height);
        EXPECT_NEAR(reach - halfAcross, c.gap, 1e-9) << c.what;
    }
}

// A drawing with no width (seats in an upright line) is scaled to the room's height.
TEST(SketchLayout, UprightLineIsScaledByItsHeight) {
    const PlaneToBox mapping = FitPoints({{0, 0}, {0, 10}}, {0, 0, 100, 50});
    EXPECT_EQ(mapping.scale, 5);
}

TEST(SketchLayout, WhatFailsIsEmphasisedInTheWarningColour) {
    PatternSketch alike = Passing();
    alike.sideTooAlike = {false, true, true};
    alike.rightHand.reset();
    alike.spreadVerdict.reset();
    alike.firstFailure = kLengths13And23;
    PatternSketch close = Passing();
    close.seatTooClose = {true, false, false};
    close.firstFailure = kSpreadPoint1;
    PatternSketch leftHand = Passing();
    leftHand.rightHand = false;
    leftHand.firstFailure = kMustBeRightHand;
    const SceneColour warn = kSceneWarning;
    const SceneColour ink = kPalette.ink;
    const struct {
        const char* what;
        const PatternSketch& sketch;
        std::array<bool, 3> sides;  // emphasised sides and their lengths
        int closeSeat;              // the seat with a ring and the emphasised band opposite it
        SceneColour turn;
        SceneColour verdict;
    } cases[] = {
        // clang-format off
        {"passing", Passing(), {false, false, false}, -1, ink, kScenePass},
        {"lengths 2-3 and 3-1 alike, turn not judged", alike, {false, true, true}, -1, kPalette.frame, warn},
        {"seat 1 too close", close, {false, false, false}, 0, ink, warn},
        {"left-handed", leftHand, {false, false, false}, -1, warn, warn},
        // clang-format on
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(c.sketch);
        for (int s = 0; s < 3; ++s) {
            const bool alikeSide = c.sides[static_cast<std::size_t>(s)];
            const auto& side = Get<SceneLine>(scene, ScenePart::Side, s);
            EXPECT_EQ(side.pen.colour, alikeSide ? warn : ink) << c.what << " side " << s;
            EXPECT_EQ(side.pen.width, alikeSide ? 3.0 : 2.0) << c.what << " side " << s;
            EXPECT_EQ(Emphasised(scene, ScenePart::Side, s), alikeSide) << c.what;
            const auto& length = Get<SceneText>(scene, ScenePart::SideLength, s);
            EXPECT_EQ(length.colour, alikeSide ? warn : ink) << c.what << " side " << s;
            EXPECT_EQ(length.weight, alikeSide ? SceneWeight::Bold : SceneWeight::Normal) << c.what;

            const bool bandFails = (s + 2) % 3 == c.closeSeat;
            const SceneColour bandColour = bandFails ? warn : kSceneBand;
            const auto& band = Get<ScenePolygon>(scene, ScenePart::Band, s);
            EXPECT_EQ(band.fill, WithAlpha(bandColour, bandFails ? 50 : 26)) << c.what << s;
            const auto& edge = Get<SceneLine>(scene, ScenePart::BandEdge, s);
            EXPECT_EQ(edge.pen.colour, WithAlpha(bandColour, bandFails ? 220 : 130)) << c.what;
            EXPECT_EQ(edge.pen.width, bandFails ? 1.5 : 1.0) << c.what;
            EXPECT_EQ(Emphasised(scene, ScenePart::Band, s), bandFails) << c.what;

            const bool seatFails = s == c.closeSeat;
            EXPECT_EQ(All(scene, ScenePart::SeatRing).size(), c.closeSeat < 0 ? 0u : 1u);
            EXPECT_EQ(Get<SceneCircle>(scene, ScenePart::Seat, s).fill, seatFails ? warn : ink)
                << c.what;
            EXPECT_EQ(Get<SceneText>(scene, ScenePart::SeatName, s).colour, seatFails ? warn : ink)
                << c.what;
        }
        if (c.closeSeat >= 0) {
            EXPECT_EQ(Get<SceneCircle>(scene, ScenePart::SeatRing, c.closeSeat).outline->colour,
                      warn)
                << c.what;
        }
        EXPECT_EQ(Get<SceneArc>(scene, ScenePart::Turn).pen.colour, c.turn) << c.what;
        EXPECT_EQ(Get<ScenePolygon>(scene, ScenePart::TurnHead).fill, c.turn) << c.what;
        EXPECT_EQ(Get<SceneText>(scene, ScenePart::Verdict).colour, c.verdict) << c.what;
    }
}

// The arc turns the way 1 -> 2 -> 3 looks on the box, from near seat 1 to near seat 3, and its
// head sits at its end pointing along it.
TEST(SketchLayout, TheTurnRunsFromSeatOneTowardSeatThreeTheWayTheSeatsTurn) {
    const struct {
        const char* what;
        PatternSketch sketch;
        SceneSize box;
        bool drawn;
        bool counterClockwise;
        // Half the radius of the circle inside the triangle on the box, within 8 to 34 pixels: 0
        // where it is within them.
        double radius;
    } cases[] = {
        {"counter-clockwise", Passing(), kBox, true, true, 0},
        {"clockwise", Sketch({0, 0}, {100, 0}, {30, -80}), kBox, true, false, 0},
        {"no side level", Sketch({0, 0}, {80, 40}, {-20, 70}), {300, 280}, true, true, 0},
        {"large: the largest arc", Passing(), {900, 800}, true, true, 34},
        {"thin: the smallest arc", Sketch({0, 0}, {100, 0}, {50, 10}), kBox, true, true, 8},
        {"seats in a line", Sketch({0, 0}, {10, 0}, {30, 0}), kBox, false, false, 0},
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(c.sketch, c.box);
        ASSERT_EQ(All(scene, ScenePart::Turn).size(), c.drawn ? 1u : 0u) << c.what;
        ASSERT_EQ(All(scene, ScenePart::TurnHead).size(), c.drawn ? 1u : 0u) << c.what;
        if (!c.drawn) {
            continue;
        }
        const auto& arc = Get<SceneArc>(scene, ScenePart::Turn);
        EXPECT_EQ(arc.sweepDegrees > 0, c.counterClockwise) << c.what;
        const ScenePoint a = SeatOnBox(scene, 0), b = SeatOnBox(scene, 1), d = SeatOnBox(scene, 2);
        const double perimeter = std::hypot(b.x - a.x, b.y - a.y) +
                                 std::hypot(d.x - b.x, d.y - b.y) +
                                 std::hypot(a.x - d.x, a.y - d.y);
        const double inradius =
            std::fabs((b.x - a.x) * (d.y - a.y) - (b.y - a.y) * (d.x - a.x)) / perimeter;
        if (c.radius > 0) {
            EXPECT_EQ(arc.radius, c.radius) << c.what;
        } else {
            EXPECT_GT(inradius / 2, 8) << c.what;
            EXPECT_LT(inradius / 2, 34) << c.what;
            EXPECT_NEAR(arc.radius, inradius / 2, 1e-9) << c.what;
        }
        const auto angleTo = [&](const ScenePoint& p) {
            return std::atan2(-(p.y - arc.centre.y), p.x - arc.centre.x) * 180 / std::numbers::pi;
        };
        const auto turned = [](double from, double to) {  // counter-clockwise, 0 to 360
            return std::fmod(to - from + 720, 360);
        };
        const double seat1 = angleTo(SeatOnBox(scene, 0));
        const double seat3 = angleTo(SeatOnBox(scene, 2));
        const double end = arc.startDegrees + arc.sweepDegrees;
        // Starts past seat 1 and stops short of seat 3, 18 degrees each.
        const double toStart = turned(seat1, arc.startDegrees);
        const double toEnd = turned(end, seat3);
        EXPECT_NEAR(c.counterClockwise ? toStart : 360 - toStart, 18, 1e-9) << c.what;
        EXPECT_NEAR(c.counterClockwise ? toEnd : 360 - toEnd, 18, 1e-9) << c.what;
        const auto& head = Get<ScenePolygon>(scene, ScenePart::TurnHead);
        ASSERT_EQ(head.corners.size(), 3u);
        const double radians = end * std::numbers::pi / 180;
        const ScenePoint tip{arc.centre.x + std::cos(radians) * arc.radius,
                             arc.centre.y - std::sin(radians) * arc.radius};
        // The point lies ahead of the arc's end, the two barbs behind it.
        const ScenePoint ahead{head.corners[0].x - tip.x, head.corners[0].y - tip.y};
        EXPECT_NEAR(std::hypot(ahead.x, ahead.y), 4, 1e-9) << c.what;
        const double heading = std::atan2(-ahead.y, ahead.x) * 180 / std::numbers::pi;
        EXPECT_NEAR(std::fabs(std::remainder(heading - end, 360)), 90, 1e-6) << c.what;
        EXPECT_EQ(turned(end, heading) < 180, c.counterClockwise) << c.what;
    }
}

TEST(SketchLayout, WhatHasNoTriangleShowsItsTextInTheMiddle) {
    PatternSketch hinted;
    hinted.hint = kSketchHintCoincidentSeats;
    hinted.firstFailure = kLengths12And23;
    const PatternSketch overflowing = Sketch({-1e308, 0}, {1e308, 0}, {0, 1e308});
    const PatternSketch underflowing = Sketch({0, 0}, {1e-320, 0}, {0, 2e-320});
    const std::vector<ScenePart> tooLarge{ScenePart::Frame, ScenePart::Caption, ScenePart::Hint};
    const struct {
        const char* what;
        PatternSketch sketch;
        std::vector<ScenePart> parts;
        std::string text;
    } cases[] = {
        {"a hint", hinted, {ScenePart::Frame, ScenePart::Hint}, "Hint"},
        {"seats too far apart to scale", overflowing, tooLarge, "Too large"},
        {"seats too close together to scale", underflowing, tooLarge, "Too large"},
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(c.sketch);
        std::vector<ScenePart> parts;
        for (const SceneItem& item : scene.items) {
            parts.push_back(item.part);
        }
        EXPECT_EQ(parts, c.parts) << c.what;
        const auto& hint = Get<SceneText>(scene, ScenePart::Hint);
        EXPECT_EQ(hint.text, c.text) << c.what;
        EXPECT_TRUE(hint.wrap) << c.what;
        EXPECT_EQ(hint.across, SceneAcross::Centre) << c.what;
        EXPECT_EQ(hint.down, SceneDown::Centre) << c.what;
        EXPECT_EQ(hint.colour, kPalette.quiet) << c.what;
        EXPECT_EQ(hint.box.left, 8) << c.what;
        EXPECT_EQ(hint.box.bottom(), kBox.height - 8) << c.what;
    }
}

// The room between caption and verdict is the box less 32 pixels across; down, less the caption
// (4 + 18), the verdict (one bold line of 56 pixels: 16 high, 2 + 44 when wrapped three times
// within 24) and 4 + 16 of padding. Below 8 by 8 pixels of room there is no triangle.
TEST(SketchLayout, ABoxTooSmallForTheTriangleStillShowsTheVerdict) {
    const struct {
        SceneSize box;
        bool triangle;
    } cases[] = {
        {{88, 66}, true},
        {{88, 65.9}, false},
        {{40, 400}, true},
        {{39.9, 400}, false},
    };
    for (const auto& c : cases) {
        const SketchScene scene = LayOut(Passing(), c.box);
        const char* what = c.triangle ? "room for the triangle" : "no room";
        EXPECT_EQ(All(scene, ScenePart::Side).size(), c.triangle ? 3u : 0u)
            << what << " " << c.box.width << "x" << c.box.height;
        EXPECT_EQ(All(scene, ScenePart::SideLength).size(), c.triangle ? 3u : 0u) << what;
        EXPECT_EQ(All(scene, ScenePart::Verdict).size(), 1u) << what;
    }
}

bool AllFinite(const SceneItem& item) {
    for (const SceneRect& r : Extents(item)) {
        if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.width) ||
            !std::isfinite(r.height) || r.width < 0 || r.height < 0) {
            return false;
        }
    }
    if (const auto* arc = std::get_if<SceneArc>(&item.shape)) {
        return std::isfinite(arc->startDegrees) && std::isfinite(arc->sweepDegrees);
    }
    return true;
}

// Every kind of entry, laid out at every size down to a single pixel: every number a renderer
// gets is finite and no box is negative.
TEST(SketchLayout, EveryEntryAtEverySizeGivesFiniteShapes) {
    const NumberLocale comma{",", "."};
    const std::string huge = "1" + std::string(308, '0');
    // Eighteen texts each, "''" for an empty one.
    const std::vector<std::string> entries = {
        "0 0 0 0 0 1  100 0 0 0 0 1  30 80 0 0 0 1",
        "0 0 0 0 0 1  100 0 0 0 0 1  30 1 0 0 0 1",
        "0 0 0 0 0 1  100 0 0 0 0 1  50 86 0 0 0 1",
        "0 0 0 0 0 1  0 0 10 0 0 1  0 0 30 0 0 1",
        "0 0 0 0 0 1  10 0 0 0 0 1  30 0 0 0 0 1",
        "-" + huge + " 0 0 0 0 1  " + huge + " 0 0 0 0 1  0 " + huge + " 0 0 0 1",
        "0 0 0 0 0 1  1e5 0 0 0 0 1  - '' 0 0 0 1",
        "0 0 0 0 0 0  100 0 0 0 0 1  30 80 0 0 0 1",
        "0,000001 0 0 1 1 1  0 0,000002 0 1 1 1  0 0 0,000004 1 1 1"};
    for (const SceneSize size :
         {SceneSize{380, 320}, SceneSize{60, 40}, SceneSize{1, 1}, SceneSize{2000, 90}}) {
        for (const auto& entry : entries) {
            std::istringstream words(entry);
            SeatTexts texts;
            for (std::size_t i = 0; i < 18; ++i) {
                words >> texts[i / 6][i % 6];
                texts[i / 6][i % 6] = texts[i / 6][i % 6] == "''" ? "" : texts[i / 6][i % 6];
            }
            const SketchScene scene = LayOut(SketchPattern(texts, comma), size);
            for (const SceneItem& item : scene.items) {
                EXPECT_TRUE(AllFinite(item)) << entry << " at " << size.width << "x" << size.height
                                             << ", part " << static_cast<int>(item.part);
            }
        }
    }
}

}  // namespace
}  // namespace zarvek
