#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/number_text.h"
#include "strings/string_ids.h"

namespace zarvek {

// What a live drawing of the typed pattern shows: the three seats projected onto the plane
// perpendicular to the mean seat direction, seen from the side into which that direction points,
// and the verdicts of the very checks Check Pattern runs. Computed without any toolkit and
// without ever showing a dialog, so it can be recomputed on every keystroke.

// A point of the drawing plane in millimetres: x to the right, y up, as seen by the viewer.
struct SketchPoint {
    double x = 0.0;
    double y = 0.0;
};

// Texts of the drawing, ids 1250-1299.
enum SketchText : int {
    kSketchHintTypeSeats = 1250,
    kSketchHintCoincidentSeats = 1251,
    kSketchHintZeroDirection = 1252,
    kSketchHintDirectionsCancel = 1253,
    kSketchMillimetres = 1254,
    kSketchViewCaption = 1255,
    kSketchHintTooLarge = 1256,
};

struct PatternSketch {
    // Set when there is nothing to draw; the id of a short hint saying why. The verdicts below are
    // still filled in as far as Check Pattern would get with these seats.
    std::optional<int> hint;

    // Seats 1, 2, 3 in the drawing plane (seat 1 at the origin, seat 2 on the positive x axis
    // whenever the pattern allows it).
    std::array<SketchPoint, 3> seats{};

    // The sides 1-2, 2-3, 3-1 in millimetres, in the order the checks form them.
    std::array<double, 3> sideLengths{};

    // The verdict of CheckLengths, and which of the three sides it found too alike.
    StringId lengthVerdict = kLengthsAreGood;
    std::array<bool, 3> sideTooAlike{};

    // Only when the lengths pass, as in Check Pattern: CheckRotation and CheckSpread.
    std::optional<bool> rightHand;
    std::optional<StringId> spreadVerdict;

    // Per side: half its length, the distance from the side's line within which the opposite
    // seat would be too close; and whether that seat is too close according to CheckSpread.
    std::array<double, 3> spreadBand{};
    std::array<bool, 3> seatTooClose{};  // indexed by seat: 0 = seat 1, ...

    // The first message Check Pattern would show for these seats, if any: a "not a vector"
    // message, a length verdict, kMustBeRightHand, or a spread verdict. Unset when the pattern
    // passes, and when any of the eighteen texts is not a number (the drawing then has nothing to
    // judge, even where Check Pattern would stop at a zero direction before reading that text).
    std::optional<StringId> firstFailure;
};

// The seat texts as typed: for seats 1, 2, 3 the texts of X, Y, Z, I, J, K.
using SeatTexts = std::array<std::array<std::string, 6>, 3>;

// Builds the drawing from the typed texts, read in `locale`. Texts that are blank or not numbers,
// coincident seats, zero directions, directions whose mean is zero and seats so far apart that a
// length or a drawn position is no longer a finite number give an empty drawing with a hint;
// nothing throws and nothing is shown. Whenever `hint` is unset, every seat and side length is a
// finite number.
PatternSketch SketchPattern(const SeatTexts& texts, const NumberLocale& locale);

}  // namespace zarvek
