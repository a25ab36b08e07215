#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zarvek {

// The pattern drawing as plain shapes and texts, ready to render: every position, size, colour
// and emphasis is decided before a window sees it (LayOutSketch in pattern/sketch_layout.h builds
// it). A renderer draws the items in order and needs nothing else; it knows nothing of seats or
// checks.
//
// Coordinates: pixels of the box the window asked for (its logical pixels, the unit in which it
// measures text), origin at the box's top-left corner, x to the right, y DOWN. Radii, pen widths
// and text boxes are in the same pixels; fractions are meant (draw antialiased, do not round to
// whole pixels). Angles are in degrees, 0 along +x, positive turning counter-clockwise as the
// viewer sees it (from +x towards -y).
//
// Order: items are drawn in the order of `SketchScene::items`, each over those before it. Every
// number in a scene is finite, and no box has a negative size.
//
// Colours are final: the window's own colours were passed in (ScenePalette) and used here. An
// alpha below 255 lets what lies below show through (source-over); a renderer that cannot blend
// may mix the colour with the palette's background instead (overlapping bands then lose their
// darker overlap).
//
// Emphasis is how the drawing shows what a check fails, and it is already in the items: sides too
// alike are drawn in the warning colour (kSceneWarning) 3 pixels wide instead of 2, their lengths
// bold in the warning colour; a seat too close is a warning-coloured dot with a ring, its name in
// the warning colour, and the band it lies in is warning-coloured and denser with a wider edge; a
// turn that is not right-handed is a warning-coloured arrow; a failing verdict is in the warning
// colour. `SceneItem::emphasised` names these items; a renderer draws exactly what they say.
//
// Texts: UTF-8, drawn in the window's ordinary interface font, bold where `weight` says so. The
// one thing a renderer must do itself is measure text: LayOutSketch asks it (MeasureText) for the
// size of each text in the font and weight it will draw it with, and sizes the text boxes by
// those measures, so a text drawn that way fits its box and is never cut off. Seat names are
// always bold; the verdict is bold and wraps within the box's width.

// 8-bit sRGB with opacity: alpha 255 covers, alpha 0 leaves what lies below.
struct SceneColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
    friend bool operator==(const SceneColour&, const SceneColour&) = default;
};

// The drawing's own colours; the others come from the window (ScenePalette).
inline constexpr SceneColour kSceneWarning{200, 30, 30};  // what fails a check
inline constexpr SceneColour kScenePass{0, 100, 0};       // the verdict when every check passes
inline constexpr SceneColour kSceneBand{70, 130, 180};    // a spread band no seat is in

struct ScenePoint {
    double x = 0.0;
    double y = 0.0;
};

struct SceneSize {
    double width = 0.0;
    double height = 0.0;
};

struct SceneRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Dashed: dashes 4 pen widths long with gaps of 2 pen widths, starting with a dash.
enum class SceneDash { Solid, Dashed };
// Square: a line's ends reach half the pen width past its end points; Round: a half disc there.
enum class SceneCap { Square, Round };

// A pen strokes centred on the outline it draws.
struct ScenePen {
    SceneColour colour;
    double width = 1.0;
    SceneDash dash = SceneDash::Solid;
    SceneCap cap = SceneCap::Square;
};

struct SceneLine {
    ScenePoint from;
    ScenePoint to;
    ScenePen pen;
};

// Part of the circle around `centre`: from the angle `startDegrees`, turning `sweepDegrees`
// (negative: clockwise). Stroked, never filled.
struct SceneArc {
    ScenePoint centre;
    double radius = 0.0;
    double startDegrees = 0.0;
    double sweepDegrees = 0.0;
    ScenePen pen;
};

// A filled polygon without outline; the corners in order, the last joined to the first. All
// polygons of the drawing are convex.
struct ScenePolygon {
    std::vector<ScenePoint> corners;
    SceneColour fill;
};

// A circle, filled and/or outlined (no value: not drawn).
struct SceneCircle {
    ScenePoint centre;
    double radius = 0.0;
    std::optional<ScenePen> outline;
    std::optional<SceneColour> fill;
};

// A rectangle with corners rounded by quarter circles of `cornerRadius`, filled and/or outlined.
struct SceneRoundedRect {
    SceneRect rect;
    double cornerRadius = 0.0;
    std::optional<ScenePen> outline;
    std::optional<SceneColour> fill;
};

enum class SceneWeight { Normal, Bold };
enum class SceneAcross { Left, Centre };  // where the text's lines stand across `box`
enum class SceneDown { Centre, Bottom };  // where the block of lines stands down `box`

// A text inside `box`, aligned as told. Without `wrap` it is one line; with it, lines break at
// spaces so that none is wider than the box. A renderer may clip the text to its box.
struct SceneText {
    std::string text;
    SceneRect box;
    SceneAcross across = SceneAcross::Centre;
    SceneDown down = SceneDown::Centre;
    bool wrap = false;
    SceneWeight weight = SceneWeight::Normal;
    SceneColour colour;
};

// What an item shows. Renderers ignore it; tests and tools find items by it.
enum class ScenePart {
    Frame,       // the box's rounded outline and background
    Caption,     // the view's name, top left
    Hint,        // why there is no triangle, in the middle of the box
    Band,        // the area near a side where its opposite seat would be too close
    BandEdge,    // the band's far edge, dashed
    Side,        // the line between two seats
    Turn,        // the arc turning 1 -> 2 -> 3 around the middle of the triangle
    TurnHead,    // the arrow head at the arc's end
    SeatRing,    // the ring around a seat too close to the line of the other two
    Seat,        // the dot of a seat
    LabelPatch,  // the background under a label, so that band edges do not cross its text
    SideLength,  // a side's length, "118.160 mm"
    SeatName,    // "1", "2", "3"
    Verdict,     // the first message Check Pattern would show, or that the seats pass
};

struct SceneItem {
    ScenePart part = ScenePart::Frame;
    // Bands, band edges, sides and side lengths: the side, 0 = 1-2, 1 = 2-3, 2 = 3-1. Seats,
    // rings and seat names: the seat, 0 = seat 1. A label patch: that of the label drawn right
    // after it. Otherwise -1.
    int index = -1;
    bool emphasised = false;  // shows a failing check (see Emphasis above)
    std::variant<SceneLine, SceneArc, ScenePolygon, SceneCircle, SceneRoundedRect, SceneText> shape;
};

struct SketchScene {
    SceneSize box;
    std::vector<SceneItem> items;
};

}  // namespace zarvek
