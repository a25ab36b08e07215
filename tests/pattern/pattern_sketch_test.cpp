#include "pattern/pattern_sketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "form/check_pattern.h"
#include "strings/string_table.h"
#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

const NumberLocale kPoint{".", ","};

// The texts as the form holds them: the part name and probe diameter filled in, so that Check
// Pattern gets past its blank test.
void Fill(FormModel& form, const SeatTexts& texts) {
    form.SetText(Field::PartName, "Bracket");
    form.SetText(Field::ProbeDiameter, "6");
    for (int seat = 0; seat < 3; ++seat) {
        for (int axis = 0; axis < 6; ++axis) {
            form.SetText(SeatField(static_cast<Axis>(axis), seat),
                         texts[static_cast<std::size_t>(seat)][static_cast<std::size_t>(axis)]);
        }
    }
}

// The verdict the real Check Pattern shows for `texts`: the id of the one message it shows (a
// spread verdict runs on into "Continue Anyway?", answered No), or none when it passes.
std::optional<StringId> CheckPatternVerdict(const SeatTexts& texts) {
    testing_support::RecordingDialogs dialogs;
    dialogs.answers = {Answer::No};
    FormModel form(dialogs);
    Fill(form, texts);
    CheckPattern(form, CommandContext{dialogs, Language::English, kPoint, ""});
    if (dialogs.messages.empty()) {
        return std::nullopt;
    }
    EXPECT_EQ(dialogs.messages.size(), 1u);
    const std::string& prompt = dialogs.messages[0].prompt;
    const std::string continueAnyway = LookupString(kContinueAnyway, Language::English);
    for (const StringId id : {kVectorOneNotAVector, kVectorTwoNotAVector, kVectorThreeNotAVector,
                              kLengths12And23, kLengths12And13, kLengths13And23, kMustBeRightHand,
                              kSpreadPoint3, kSpreadPoint1, kSpreadPoint2}) {
        const std::string text = LookupString(id, Language::English);
        if (prompt == text || prompt == text + continueAnyway) {
            return id;
        }
    }
    ADD_FAILURE() << "Check Pattern showed a message that is no verdict: " << prompt;
    return std::nullopt;
}

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

TEST(PatternSketch, VerdictsAgreeWithCheckPatternOnATableOfPatterns) {
    const double huge = 1e308;  // side 1-2 overflows: nothing to draw
    const std::nullopt_t none = std::nullopt;
    const struct {
        const char* what;
        std::array<std::array<double, 6>, 3> seats;
        std::optional<StringId> firstFailure;
        std::optional<int> hint;
    } cases[] = {
        // clang-format off
        {"passing pattern", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}}, none, none},
        {"lengths 1-2 and 2-3 alike", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {50, 86.6025, 0, 0, 0, 1}}}, kLengths12And23, none},
        {"lengths 1-2 and 3-1 alike", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {0, 101, 0, 0, 0, 1}}}, kLengths12And13, none},
        {"lengths 2-3 and 3-1 alike", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {50, 120, 0, 0, 0, 1}}}, kLengths13And23, none},
        {"clockwise seen along the directions", {{{0, 0, 0, 0, 0, -1}, {100, 0, 0, 0, 0, -1}, {30, 80, 0, 0, 0, -1}}}, kMustBeRightHand, none},
        {"looks counter-clockwise but the cross-product rule fails it", {{{0, 0, 0, -0.9, 0, 0.1}, {100, 0, 0, -0.9, 0, 0.1}, {30, 80, 0, -0.9, 0, 0.1}}}, kMustBeRightHand, none},
        {"seat 3 too close", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {0, 50, 0, 0, 0, 1}}}, kSpreadPoint3, none},
        {"seat 1 too close", {{{45, 20, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {100, -10, 0, 0, 0, 1}}}, kSpreadPoint1, none},
        {"seat 2 too close", {{{0, 0, 0, 0, 0, 1}, {45, -20, 0, 0, 0, 1}, {100, 10, 0, 0, 0, 1}}}, kSpreadPoint2, none},
        {"second direction zero", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 0}, {30, 80, 0, 0, 0, 1}}}, kVectorTwoNotAVector, kSketchHintZeroDirection},
        {"coincident seats", {{{0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}}, kLengths13And23, kSketchHintCoincidentSeats},
        {"all three seats at one place", {{{5, 5, 5, 0, 0, 1}, {5, 5, 5, 0, 0, 1}, {5, 5, 5, 0, 0, 1}}}, kLengths12And23, kSketchHintCoincidentSeats},
        {"every direction zero: seat one is named", {{{0, 0, 0, 0, 0, 0}, {100, 0, 0, 0, 0, 0}, {30, 80, 0, 0, 0, 0}}}, kVectorOneNotAVector, kSketchHintZeroDirection},
        {"third direction zero", {{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 0}}}, kVectorThreeNotAVector, kSketchHintZeroDirection},
        {"seats in a line along the view pass the turn by the cross-product rule", {{{0, 0, 0, 0, 0, 1}, {0, 0, 10, 0, 0, 1}, {0, 0, 30, 0, 0, 1}}}, kSpreadPoint3, none},
        {"seats in a line across the view fail the turn", {{{0, 0, 0, 0, 0, 1}, {10, 0, 0, 0, 0, 1}, {30, 0, 0, 0, 0, 1}}}, kMustBeRightHand, none},
        {"seats too far apart to draw", {{{-huge, 0, 0, 0, 0, 1}, {huge, 0, 0, 0, 0, 1}, {0, huge, 0, 0, 0, 1}}}, kLengths13And23, kSketchHintTooLarge},
        // clang-format on
    };
    for (const auto& c : cases) {
        const SeatTexts texts = Texts(c.seats);
        const PatternSketch sketch = SketchPattern(texts, kPoint);
        EXPECT_EQ(sketch.firstFailure, c.firstFailure) << c.what;
        EXPECT_EQ(sketch.hint, c.hint) << c.what;
        EXPECT_EQ(CheckPatternVerdict(texts), sketch.firstFailure) << c.what;
    }
}

TEST(PatternSketch, DirectionsThatCancelExactlyGiveAHintAndFailTheTurn) {
    // Three unit directions 120 degrees apart whose sum is exactly zero in double precision.
    const SeatTexts texts = {{{"0", "0", "0", "1", "0", "0"},
                              {"100", "0", "0", "-0.5", "0.8660254037844387", "0"},
                              {"30", "80", "0", "-0.5", "-0.8660254037844387", "0"}}};
    const PatternSketch sketch = SketchPattern(texts, kPoint);
    EXPECT_EQ(sketch.hint, kSketchHintDirectionsCancel);
    EXPECT_EQ(sketch.firstFailure, kMustBeRightHand);
    EXPECT_EQ(CheckPatternVerdict(texts), kMustBeRightHand);
}

// Seats on a coarse grid, so that alike lengths, narrow spreads, both turns and tilted, opposed
// and zero directions all occur: whatever Check Pattern shows, the drawing shows too.
TEST(PatternSketch, NeverDisagreesWithCheckPatternOnRandomPatterns) {
    std::mt19937 random(8);
    std::uniform_int_distribution<int> coordinate(-6, 6);
    std::uniform_int_distribution<int> component(-2, 2);
    int failures = 0;
    for (int pattern = 0; pattern < 1500; ++pattern) {
        SeatTexts texts;
        for (auto& seat : texts) {
            for (std::size_t f = 0; f < 3; ++f) {
                seat[f] = std::to_string(15 * coordinate(random));
                seat[3 + f] = std::to_string(component(random));
            }
        }
        const PatternSketch sketch = SketchPattern(texts, kPoint);
        ASSERT_EQ(CheckPatternVerdict(texts), sketch.firstFailure) << "pattern " << pattern;
        failures += sketch.firstFailure.has_value() ? 1 : 0;
    }
    // Both passing and failing patterns were compared.
    EXPECT_GT(failures, 100);
    EXPECT_LT(failures, 1400);
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

TEST(PatternSketch, SideLengthsAreOneTwoTwoThreeThreeOne) {
    const PatternSketch sketch = SketchPattern(
        Texts({{{0, 0, 0, 0, 0, 1}, {100, 0, 0, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}}), kPoint);
    const std::array<double, 3> expected{100, std::hypot(70, 80), std::hypot(30, 80)};
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_NEAR(sketch.sideLengths[s], expected[s], 1e-9) << s;
    }
}

// The drawing's x axis follows seat 1 -> seat 2, or world x when that side runs along the view.
TEST(PatternSketch, PlaneAxesFollowSideOneTwoOrWorldX) {
    const struct {
        std::array<std::array<double, 6>, 3> seats;
        SketchPoint seat2, seat3;
    } cases[] = {
        {{{{0, 0, 0, 0, 0, 1}, {0, 100, 0, 0, 0, 1}, {-80, 30, 0, 0, 0, 1}}}, {100, 0}, {30, 80}},
        {{{{0, 0, 0, 0, 0, 1}, {0, 0, 50, 0, 0, 1}, {30, 80, 0, 0, 0, 1}}}, {0, 0}, {30, 80}},
    };
    for (const auto& c : cases) {
        const PatternSketch sketch = SketchPattern(Texts(c.seats), kPoint);
        EXPECT_NEAR(sketch.seats[1].x, c.seat2.x, 1e-9);
        EXPECT_NEAR(sketch.seats[1].y, c.seat2.y, 1e-9);
        EXPECT_NEAR(sketch.seats[2].x, c.seat3.x, 1e-9);
        EXPECT_NEAR(sketch.seats[2].y, c.seat3.y, 1e-9);
    }
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
