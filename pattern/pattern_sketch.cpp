#include "pattern/pattern_sketch.h"

#include <cmath>
#include <utility>

#include "common/dialogs.h"
#include "common/errors.h"
#include "geometry/operations.h"
#include "pattern/checks.h"

namespace zarvek {
namespace {

struct Seats {
    std::array<Point, 3> positions;
    std::array<Vector, 3> directions;
};

std::optional<Seats> ReadSeats(const SeatTexts& texts, const NumberLocale& locale) {
    Seats seats;
    try {
        for (std::size_t k = 0; k < 3; ++k) {
            const auto& t = texts[k];
            seats.positions[k] =
                Point{ParseLocaleNumber(t[0], locale), ParseLocaleNumber(t[1], locale),
                      ParseLocaleNumber(t[2], locale)};
            seats.directions[k] =
                Vector{ParseLocaleNumber(t[3], locale), ParseLocaleNumber(t[4], locale),
                       ParseLocaleNumber(t[5], locale)};
        }
    } catch (const NumberFormatError&) {
        return std::nullopt;
    }
    return seats;
}

Vector Minus(const Point& a, const Point& b) {
    return {a.XValue - b.XValue, a.YValue - b.YValue, a.ZValue - b.ZValue};
}

double Dot(const Vector& a, const Vector& b) {
    return a.iValue * b.iValue + a.jValue * b.jValue + a.kValue * b.kValue;
}

Vector Cross(const Vector& a, const Vector& b) {
    return {a.jValue * b.kValue - a.kValue * b.jValue, a.kValue * b.iValue - a.iValue * b.kValue,
            a.iValue * b.jValue - a.jValue * b.iValue};
}

// The part of `v` perpendicular to the unit vector `n`.
Vector Flatten(const Vector& v, const Vector& n) {
    const double along = Dot(v, n);
    return {v.iValue - along * n.iValue, v.jValue - along * n.jValue, v.kValue - along * n.kValue};
}

// Axes of the drawing plane for the unit view direction `n`: x x y = n, so a turn that is
// counter-clockwise on screen is right-handed about n. x follows seat 1 -> seat 2 when that side
// is not parallel to n.
std::pair<Vector, Vector> PlaneAxes(const Vector& n, const Vector& side12) {
    std::optional<Vector> x = Unitize(Flatten(side12, n));
    const std::optional<Vector> unitSide = Unitize(side12);
    if (!x || !unitSide || std::fabs(Dot(*unitSide, n)) > 1 - 1e-12) {
        const Vector helper = std::fabs(n.iValue) < 0.9 ? Vector{1, 0, 0} : Vector{0, 1, 0};
        x = Unitize(Flatten(helper, n));
    }
    return {*x, Cross(n, *x)};
}

void MarkTooAlikeSides(PatternSketch& sketch) {
    // Sides are indexed 0 = 1-2, 1 = 2-3, 2 = 3-1.
    switch (sketch.lengthVerdict) {
        case kLengths12And23:
            sketch.sideTooAlike = {true, true, false};
            break;
        case kLengths12And13:
            sketch.sideTooAlike = {true, false, true};
            break;
        case kLengths13And23:
            sketch.sideTooAlike = {false, true, true};
            break;
        default:
            break;
    }
}

void MarkTooCloseSeat(PatternSketch& sketch) {
    switch (*sketch.spreadVerdict) {
        case kSpreadPoint1:
            sketch.seatTooClose[0] = true;
            break;
        case kSpreadPoint2:
            sketch.seatTooClose[1] = true;
            break;
        case kSpreadPoint3:
            sketch.seatTooClose[2] = true;
            break;
        default:
            break;
    }
}

// Check Pattern's order: the directions, then the lengths, then rotation and spread.
void Judge(PatternSketch& sketch, const std::array<Point, 3>& p,
           const std::array<Vector, 3>& unit) {
    SilentDialogs silent;
    sketch.lengthVerdict = CheckLengths(p[0], p[1], p[2]);
    MarkTooAlikeSides(sketch);
    if (sketch.lengthVerdict != kLengthsAreGood) {
        sketch.firstFailure = sketch.lengthVerdict;
        return;
    }
    sketch.rightHand = CheckRotation(p[0], p[1], p[2], unit[0], unit[1], unit[2], silent);
    sketch.spreadVerdict = CheckSpread(p[0], p[1], p[2], silent);
    MarkTooCloseSeat(sketch);
    if (!*sketch.rightHand) {
        sketch.firstFailure = kMustBeRightHand;
    } else if (*sketch.spreadVerdict != kSpreadIsOk) {
        sketch.firstFailure = *sketch.spreadVerdict;
    }
}

}  // namespace

PatternSketch SketchPattern(const SeatTexts& texts, const NumberLocale& locale) {
    PatternSketch sketch;
    const std::optional<Seats> read = ReadSeats(texts, locale);
    if (!read) {
        sketch.hint = kSketchHintTypeSeats;
        return sketch;
    }
    const auto& [p, v] = *read;
    constexpr std::array<StringId, 3> kNotAVector = {kVectorOneNotAVector, kVectorTwoNotAVector,
                                                     kVectorThreeNotAVector};
    std::array<Vector, 3> unit;
    for (std::size_t k = 0; k < 3; ++k) {
        const std::optional<Vector> u = Unitize(v[k]);
        if (!u) {
            sketch.hint = kSketchHintZeroDirection;
            sketch.firstFailure = kNotAVector[k];
            return sketch;
        }
        unit[k] = *u;
    }
    sketch.sideLengths = {LthPointToPoint(p[0], p[1]), LthPointToPoint(p[1], p[2]),
                          LthPointToPoint(p[2], p[0])};
    for (std::size_t s = 0; s < 3; ++s) {
        sketch.spreadBand[s] = sketch.sideLengths[s] * 0.5;
    }
    Judge(sketch, p, unit);

    if (p[0] == p[1] || p[1] == p[2] || p[2] == p[0]) {
        sketch.hint = kSketchHintCoincidentSeats;
        return sketch;
    }
    const std::optional<Vector> view = Unitize(AverageVector(unit));
    if (!view) {
        sketch.hint = kSketchHintDirectionsCancel;
        return sketch;
    }
    const auto [xAxis, yAxis] = PlaneAxes(*view, Minus(p[1], p[0]));
    bool finite = true;
    for (std::size_t k = 0; k < 3; ++k) {
        const Vector offset = Minus(p[k], p[0]);
        sketch.seats[k] = SketchPoint{Dot(offset, xAxis), Dot(offset, yAxis)};
        finite = finite && std::isfinite(sketch.seats[k].x) && std::isfinite(sketch.seats[k].y) &&
                 std::isfinite(sketch.sideLengths[k]);
    }
    if (!finite) {
        // Seats around 1e154 mm and beyond: the lengths overflow, so there is nothing to scale.
        sketch.hint = kSketchHintTooLarge;
        sketch.seats = {};
    }
    return sketch;
}

}  // namespace zarvek
