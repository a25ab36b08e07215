#include "pattern/pattern_sketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zarvek {
namespace {

const NumberLocale kPoint{".", ","};

SeatTexts Texts(std::array<std::array<double, 6>, 3> values) {
    SeatTexts texts;
    for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t f = 0; f < 6; ++f) {
            texts[k][f] = FormatPattern(values[k][f], 6, kPoint);
        }
    }
    return texts;
}

// Twice the signed area of the drawn triangle: positive when 1 -> 2 -> 3 turns counter-clockwise
// on screen.
double SignedArea(const PatternSketch& sketch) {
    const auto& [a, b, c] = sketch.seats;
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

TEST(PatternSketch, VerdictsAgreeWithTheChecksInCheckPatternOrder) {
    const struct {
        const char* what;
        std::array<std::array<double, 6>, 3> seats;
        std::optional<StringId> firstFailure;
        std::optional<int> hint;
    } cases[] = {
        {"passing pattern",
         {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}},
         std::nullopt,
         std::nullopt},
        {"lengths 1-2 and 2-3 alike",
         {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {50, 86.6025, 0, 0, 0, 1}}},
         kLengths12And23,
         std::nullopt},
        {"lengths 1-2 and 3-1 alike",
         {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {0, 101, 0, 0, 0, 1}}},
         kLengths12And13,
         std::nullopt},
        {"lengths 2-3 and 3-1 alike",
         {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {50, 120, 0, 0, 0, 1}}},
         kLengths13And23,
         std::nullopt},
        {"clockwise seen along the directions",
         {{{0, 0, 0, 0, 0, -1}, {100, 0, 0, 0, 0, -1}, {30, 80, 0, 0, 0, -1}}},
         kMustBeRightHand,
         std::nullopt},
        {"looks counter-clockwise but the cross-product rule fails it",
         {{{0, 0, 0, -0.9, 0, 0.1}, {100, 0, 0, -0.9, 0, 0.1}, {30, 80, 0, -0.9, 0, 0.1}}},
         kMustBeRightHand,
         std::nullopt},
        {"seat 3 too close",
         {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {0, 50, 0, 0, 0, 1}}},
         kSpreadPoint3,
         std::nullopt},
        {"seat 1 too close",
         {{{45, 20, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {100, -10, 0, 0, 0, 1}}},
         kSpreadPoint1,
         std::nullopt},
        {"seat 2 too close",
         {{{0, 0, 0, 0, 0, 1}, {45, -20, 0, 0, 0, 1}, {100, 10, 0, 0, 0, 1}}},
         kSpreadPoint2,
         std::nullopt},
        {"second direction zero",
         {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 0}, {30, 80, 0, 0, 0, 1}}},
         kVectorTwoNotAVector,
         kSketchHintZeroDirection},
        {"coincident seats",
         {{{0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}},
         kLengths13And23,
         kSketchHintCoincidentSeats},
    };
    for (const auto& c : cases) {
        const PatternSketch sketch = SketchPattern(Texts(c.seats), kPoint);
        EXPECT_EQ(sketch.firstFailure, c.firstFailure) << c.what;
        EXPECT_EQ(sketch.hint, c.hint) << c.what;
    }
}

TEST(PatternSketch, MarksTheSidesAndSeatThatFail) {
    const PatternSketch alike = SketchPattern(
        Texts({{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {0, 101, 0, 0, 0, 1}}}), kPoint);
    EXPECT_EQ(alike.sideTooAlike, (std::array<bool, 3>{true, false, true}));
    EXPECT_FALSE(alike.spreadVerdict.has_value());

    const PatternSketch close = SketchPattern(
        Texts({{{45, 20, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {100, -10, 0, 0, 0, 1}}}), kPoint);
    EXPECT_EQ(close.seatTooClose, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(close.sideTooAlike, (std::array<bool, 3>{false, false, false}));
}

TEST(PatternSketch, RightHandPatternsTurnCounterClockwiseOnScreen) {
    // The same seats seen from +Z and from -Z, and tilted out of every coordinate plane.
    const PatternSketch fromAbove = SketchPattern(
        Texts({{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}}), kPoint);
    EXPECT_GT(SignedArea(fromAbove), 0);
    EXPECT_NEAR(fromAbove.seats[1].y, 0, 1e-9);
    EXPECT_NEAR(fromAbove.seats[1].x, 100, 1e-9);

    const PatternSketch fromBelow = SketchPattern(
        Texts({{{0, 0, 0, 0, 0, -1}, {100, 0, 0, 0, 0, -1}, {30, 80, 0, 0, 0, -1}}}), kPoint);
    EXPECT_LT(SignedArea(fromBelow), 0);

    const PatternSketch tilted = SketchPattern(
        Texts({{{0, 0, 0, 1, 1, 1}, {60, -60, 0, 1, 1, 1}, {40, 20, -60, 1, 1, 1}}}), kPoint);
    ASSERT_FALSE(tilted.hint.has_value());
    EXPECT_EQ(SignedArea(tilted) > 0, tilted.rightHand.value_or(false));
}

TEST(PatternSketch, TextsThatAreNotNumbersGiveAHintAndNoVerdict) {
    SeatTexts texts = Texts({{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}});
    for (const char* bad : {"", "-", "1-2", "--1..2"}) {
        SeatTexts broken = texts;
        broken[2][1] = bad;
        const PatternSketch sketch = SketchPattern(broken, kPoint);
        EXPECT_EQ(sketch.hint, kSketchHintTypeSeats) << bad;
        EXPECT_FALSE(sketch.firstFailure.has_value()) << bad;
    }
}

TEST(PatternSketch, ASideTooShortToSquareDoesNotBreakTheDrawing) {
    const std::string tiny = "0." + std::string(161, '0') + "15";
    SeatTexts texts;
    const std::array<std::string, 6> seat1 = {"0", "0", "0", "0.6", "0.8", "0"};
    const std::array<std::string, 6> seat2 = {tiny, "-" + tiny, "0", "0.6", "0.8", "0"};
    const std::array<std::string, 6> seat3 = {"30", "80", "5", "0.6", "0.8", "0"};
    texts = {seat1, seat2, seat3};
    const PatternSketch sketch = SketchPattern(texts, kPoint);
    EXPECT_TRUE(sketch.firstFailure.has_value());
    EXPECT_TRUE(std::isfinite(sketch.seats[2].x) && std::isfinite(sketch.seats[2].y));
}

}  // namespace
}  // namespace zarvek
