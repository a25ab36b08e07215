#include "pattern/checks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pattern/seat_vector.h"
#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

using testing_support::RecordingDialogs;

const Vector kUp{0, 0, 1};

// Three seats in the XY plane with the given seat-to-seat lengths, turning counter-clockwise
// seen from +Z.
struct Seats {
    Point P1, P2, P3;
};

Seats WithLengths(double l12, double l23, double l31) {
    const double x = (l12 * l12 + l31 * l31 - l23 * l23) / (2 * l12);
    return {{0, 0, 0}, {l12, 0, 0}, {x, std::sqrt(l31 * l31 - x * x), 0}};
}

TEST(SeatVector, CoincidentSeatsShowTheFixedEnglishBoxOnceAndGiveZero) {
    RecordingDialogs dialogs;
    EXPECT_EQ(SeatVector({0, 0, 0}, {10, 0, 0}, dialogs), (Vector{1, 0, 0}));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(SeatVector({1, 2, 3}, {1, 2, 3}, dialogs), (Vector{0, 0, 0}));
    const Message box{"Could Not Make Vector From P1 - P2", "MakeVectorFailed", Buttons::Ok,
                      Icon::Exclamation, Answer::Ok};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{box});
}

TEST(CheckLengths, TestsThePairsInOrderAndFailsAtExactlyTheTolerance) {
    const struct {
        const char* what;
        Seats seats;
        StringId expected;
    } cases[] = {
        {"distinct lengths", {{0, 0, 0}, {100, 0, 0}, {30, 80, 0}}, kLengthsAreGood},
        {"equilateral fails on the first pair", WithLengths(100, 100, 100), kLengths12And23},
        {"difference of exactly 1.5 counts as equal", WithLengths(100, 101.5, 150),
         kLengths12And23},
        {"difference just over 1.5 passes", WithLengths(100, 101.6, 150), kLengthsAreGood},
        {"L12 against L31", WithLengths(100, 120, 101), kLengths12And13},
        {"L23 against L31", WithLengths(100, 120, 119), kLengths13And23},
        // Only the rounding of the difference to single precision makes these two equal.
        {"difference a hair over 1.5 rounds to 1.5",
         {{0, 0, 0}, {100, 0, 0}, {100, 101.50000001, 0}},
         kLengths12And23},
        {"seats 1 and 2 coincide", {{1, 1, 1}, {1, 1, 1}, {50, 0, 0}}, kLengths13And23},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckLengths(c.seats.P1, c.seats.P2, c.seats.P3), c.expected) << c.what;
    }
}

TEST(CheckRotation, RightHandMeansCounterClockwiseSeenAlongTheMeanDirection) {
    const Seats good{{0, 0, 0}, {100, 0, 0}, {30, 80, 0}};
    const Seats collinear{{0, 0, 0}, {10, 0, 0}, {30, 0, 0}};
    const Vector tilted{-0.9, 0, 0.1};
    const Vector down{0, 0, -1};
    const struct {
        const char* what;
        Seats seats;
        Vector v1, v2, v3;
        bool expected;
    } cases[] = {
        {"counter-clockwise seen from +Z", good, kUp, kUp, kUp, true},
        {"seen from -Z the same turn is clockwise", good, down, down, down, false},
        // The normal is (1, 0, 0.7526): its zero i component came from the P1->P2 direction.
        {"cross-product quirk turns the normal", good, tilted, tilted, tilted, false},
        {"collinear seats give a dot product of exactly 0", collinear, kUp, kUp, kUp, false},
        {"directions that cancel exactly",
         good,
         {1, 0, 0},
         {-0.5, 0.8660254, 0},
         {-0.5, -0.8660254, 0},
         false},
    };
    for (const auto& c : cases) {
        RecordingDialogs dialogs;
        EXPECT_EQ(CheckRotation(c.seats.P1, c.seats.P2, c.seats.P3, c.v1, c.v2, c.v3, dialogs),
                  c.expected)
            << c.what;
        EXPECT_TRUE(dialogs.messages.empty()) << c.what;
    }
}

TEST(CheckSpread, TestsSeatThreeThenOneThenTwoAndEqualityFails) {
    const struct {
        const char* what;
        Seats seats;
        StringId expected;
    } cases[] = {
        {"wide triangle", {{0, 0, 0}, {100, 0, 0}, {30, 80, 0}}, kSpreadIsOk},
        {"seat 3 exactly half of L12 from its line",
         {{0, 0, 0}, {100, 0, 0}, {0, 50, 0}},
         kSpreadPoint3},
        {"seat 3 a hair beyond half of L12 rounds onto it",
         {{0, 0, 0}, {100, 0, 0}, {0, 50.000001, 0}},
         kSpreadPoint3},
        {"seat 3 close to line 1-2", {{0, 0, 0}, {100, 0, 0}, {50, 30, 0}}, kSpreadPoint3},
        {"seat 1 close to line 2-3", {{50, 30, 0}, {0, 0, 0}, {100, 0, 0}}, kSpreadPoint1},
        {"seat 2 close to line 3-1", {{0, 0, 0}, {50, 30, 0}, {100, 0, 0}}, kSpreadPoint2},
    };
    for (const auto& c : cases) {
        RecordingDialogs dialogs;
        EXPECT_EQ(CheckSpread(c.seats.P1, c.seats.P2, c.seats.P3, dialogs), c.expected) << c.what;
        EXPECT_TRUE(dialogs.messages.empty()) << c.what;
    }
}

GridFile FileWithParts(std::initializer_list<Seats> parts) {
    GridFile gridFile;
    for (const Seats& s : parts) {
        gridFile.Parts.Add(s.P1, s.P2, s.P3, kUp, kUp, kUp, "stored", "");
    }
    return gridFile;
}

TEST(CheckLengthsAgainstGridFile, CountsMatchesBelowTheToleranceAcrossAllNewLengths) {
    const GridFile one = FileWithParts({WithLengths(50, 60, 70)});
    const GridFile twoWith80 = FileWithParts({WithLengths(80, 40, 110), WithLengths(80, 45, 120)});
    const struct {
        const char* what;
        const GridFile& gridFile;
        Seats fresh;
        StringId expected;
    } cases[] = {
        {"two matches are allowed", one, WithLengths(50.5, 60.5, 90), kLengthsAreGood},
        {"a third match refuses", one, WithLengths(50.5, 60.5, 69), kTooManyLengthsMatch},
        {"a difference of exactly 1.5 is no match", one, WithLengths(48.5, 61.5, 71.5),
         kLengthsAreGood},
        {"differences a hair under 1.5 round to 1.5", one,
         WithLengths(48.50000001, 61.49999999, 71.49999999), kLengthsAreGood},
        {"one length matching two stored ones counts twice", twoWith80, WithLengths(80.2, 30, 100),
         kLengthsAreGood},
        {"and a further match makes three", twoWith80, WithLengths(80.2, 40.5, 100),
         kTooManyLengthsMatch},
        {"an empty file never refuses", GridFile{}, WithLengths(50, 60, 70), kLengthsAreGood},
        {"the same part again", one, WithLengths(50, 60, 70), kTooManyLengthsMatch},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckLengthsAgainstGridFile(c.gridFile, c.fresh.P1, c.fresh.P2, c.fresh.P3),
                  c.expected)
            << c.what;
    }
}

TEST(CheckLengthsAgainstGridFile, ComparesPartsBeyondASixteenBitIndex) {
    GridFile full;
    const Seats far = WithLengths(500, 600, 700);
    for (int i = 0; i < 32766; ++i) {
        full.Parts.Add(far.P1, far.P2, far.P3, kUp, kUp, kUp, "", "");
    }
    const Seats last = WithLengths(50, 60, 70);
    full.Parts.Add(last.P1, last.P2, last.P3, kUp, kUp, kUp, "last", "");
    EXPECT_EQ(CheckLengthsAgainstGridFile(full, last.P1, last.P2, last.P3), kTooManyLengthsMatch);
}

}  // namespace
}  // namespace zarvek
