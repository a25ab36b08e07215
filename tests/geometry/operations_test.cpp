#include "geometry/operations.h"

#include <gtest/gtest.h>

#include <array>

namespace zarvek {
namespace {

void ExpectVector(const Vector& actual, const Vector& expected) {
    EXPECT_NEAR(actual.iValue, expected.iValue, 1e-12);
    EXPECT_NEAR(actual.jValue, expected.jValue, 1e-12);
    EXPECT_NEAR(actual.kValue, expected.kValue, 1e-12);
}

void ExpectPoint(const Point& actual, const Point& expected) {
    ExpectVector({actual.XValue, actual.YValue, actual.ZValue},
                 {expected.XValue, expected.YValue, expected.ZValue});
}

TEST(Unitize, OnlyAnExactlyZeroLengthIsNoVector) {
    ExpectVector(*Unitize({3, 0, 4}), {0.6, 0, 0.8});
    ExpectVector(*Unitize({0.000001, 0, 0}), {1, 0, 0});
    // However short or long: squares that underflow or overflow must not decide.
    EXPECT_EQ(*Unitize({1e-170, 0, 0}), (Vector{1, 0, 0}));
    EXPECT_EQ(*Unitize({0, -1e200, 0}), (Vector{0, -1, 0}));
    EXPECT_EQ(*Unitize({1e-150, 0, 0}), (Vector{1, 0, 0}));
    EXPECT_FALSE(Unitize({0, 0, 0}).has_value());
    EXPECT_FALSE(Unitize({-0.0, 0, 0}).has_value());
}

TEST(MakeVector, CoincidentPointsGiveNoVector) {
    ExpectVector(*MakeVector({0, 0, 0}, {10, 0, 0}), {1, 0, 0});
    ExpectVector(*MakeVector({10, 0, 0}, {0, 0, 0}), {-1, 0, 0});
    EXPECT_FALSE(MakeVector({1, 2, 3}, {1, 2, 3}).has_value());
}

TEST(AverageVector, IsTheUnnormalisedMeanAndZeroWhenEmpty) {
    EXPECT_EQ(AverageVector({}), (Vector{0, 0, 0}));
    const std::array<Vector, 3> axes = {Vector{1, 0, 0}, Vector{0, 1, 0}, Vector{0, 0, 1}};
    ExpectVector(AverageVector(axes), {1.0 / 3, 1.0 / 3, 1.0 / 3});
}

TEST(CrossProduct, ExactZeroComponentsTakeTheFirstArgumentsOwnComponents) {
    const struct {
        Vector a, b, expected;
    } cases[] = {
        {{1, 0, 0}, {0, 1, 0}, {1, 0, 1}},   // exact (0,0,1); zeros take a's 1 and 0
        {{2, 0, 0}, {5, 0, 0}, {2, 0, 0}},   // parallel: a itself, not its unit vector
        {{0, 1, 0}, {1, 0, 0}, {0, 1, -1}},  // exact (0,0,-1)
        {{0, 0, 3}, {0, 0, -1}, {0, 0, 3}},  // antiparallel
        // Only an exact zero is replaced, never a merely tiny component.
        {{1, 0, 0}, {1, 1e-12, 0}, {1, 0, 1e-12}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CrossProduct(c.a, c.b), c.expected);
    }
}

TEST(DotProduct, IsTheCosineNotThePlainProduct) {
    EXPECT_NEAR(DotProduct({2, 0, 0}, {3, 3, 0}), 0.7071067811865476, 1e-15);
    EXPECT_DOUBLE_EQ(DotProduct({2, 0, 0}, {3, 3, 0}), DotProduct({1, 0, 0}, {1, 1, 0}));
    EXPECT_DOUBLE_EQ(DotProduct({0, 0, 5}, {0, 0, -2}), -1.0);
}

TEST(PointOperations, WorkedDistancesMovesAndProjections) {
    EXPECT_DOUBLE_EQ(LthPointToPoint({0, 0, 0}, {3, 4, 12}), 13.0);
    EXPECT_DOUBLE_EQ(LthPointToPoint({3, 4, 12}, {0, 0, 0}), 13.0);
    EXPECT_EQ(MovePoint({1, 1, 1}, {0, 0, 2}, 3), (Point{1, 1, 7}));

    const PointVectorLine xAxis{Point{0, 0, 0}, Vector{1, 0, 0}};
    ExpectPoint(ProjPointToLine({5, 5, 0}, xAxis), {5, 0, 0});
    EXPECT_EQ(ProjPointToLine({0, 0, 0}, xAxis), (Point{0, 0, 0}));

    const PointVectorLine offset{Point{2, 3, 4}, Vector{0, 1, 0}};
    ExpectPoint(ProjPointToLine({7, -10, 9}, offset), {2, -10, 4});
}

}  // namespace
}  // namespace zarvek
