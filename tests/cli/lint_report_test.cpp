#include "cli/lint_report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace zarvek::cli {
namespace {

using Kind = LintProblem::Kind;

const Vector kUp{0, 0, 1};

void AddPart(GridFile& gridFile, double size, Vector v1 = kUp, const std::string& name = "P") {
    gridFile.Parts.Add({0, 0, 0}, {size, 0, 0}, {0.3 * size, 0.8 * size, 0}, v1, kUp, kUp, name,
                       "");
}

// A header of `count` parts and a probe diameter of 6 mm.
GridFile Header(std::int16_t count) {
    GridFile gridFile;
    gridFile.iNumberOfParts = count;
    gridFile.sProbeDiameter = 6;
    return gridFile;
}

GridFile WithFirstDirection(Vector v1) {
    GridFile gridFile = Header(1);
    AddPart(gridFile, 100, v1);
    return gridFile;
}

TEST(LintReport, DirectionsFurtherThanTheToleranceFromUnitLengthAreProblems) {
    const double s = 0.57735;  // five decimals, as the window stores it
    const struct {
        Vector direction;
        bool problem;
    } cases[] = {
        {{s, s, s}, false},      {{0, 0, 1.00009}, false}, {{0, 0, 0.99991}, false},
        {{0, 0, 1.00011}, true}, {{0, 0, 0.9998}, true},   {{0, 0, 0}, true},
        {{0, 3, 4}, true},
    };
    for (const auto& c : cases) {
        const LintReport report = LintGridFile(WithFirstDirection(c.direction));
        ASSERT_EQ(report.problems.size(), c.problem ? 1u : 0u) << c.direction.kValue;
        if (c.problem) {
            EXPECT_EQ(report.problems[0].kind, Kind::NotAUnitVector);
            EXPECT_EQ(report.problems[0].part, 1u);
            EXPECT_EQ(report.problems[0].seat, 1);
        }
    }
}

TEST(LintReport, OnlyTheLaterOfTwoTwinPartsIsRedundant) {
    GridFile gridFile = Header(3);
    AddPart(gridFile, 100);
    AddPart(gridFile, 200);
    AddPart(gridFile, 100.5);
    const LintReport report = LintGridFile(gridFile);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].kind, Kind::RedundantLengths);
    EXPECT_EQ(report.problems[0].part, 3u);
    EXPECT_DOUBLE_EQ(report.parts[1].lengths[0], 200);
}

TEST(LintReport, HeaderCountComesFirstThenEachPartInOrder) {
    GridFile gridFile = Header(7);
    AddPart(gridFile, 100);
    AddPart(gridFile, 100, Vector{0, 0, 2});
    const LintReport report = LintGridFile(gridFile);
    ASSERT_EQ(report.problems.size(), 3u);
    EXPECT_EQ(report.problems[0].kind, Kind::HeaderCountDiffers);
    EXPECT_EQ(report.problems[1].kind, Kind::NotAUnitVector);
    EXPECT_EQ(report.problems[1].part, 2u);
    EXPECT_DOUBLE_EQ(report.problems[1].length, 2.0);
    EXPECT_EQ(report.problems[2].kind, Kind::RedundantLengths);
    EXPECT_EQ(report.problems[2].part, 2u);
}

TEST(LintReport, NegativeHeaderCountDiffersEvenFromNoParts) {
    GridFile gridFile = Header(-1);
    EXPECT_EQ(LintGridFile(gridFile).problems.size(), 1u);
    gridFile.iNumberOfParts = 0;
    EXPECT_TRUE(LintGridFile(gridFile).problems.empty());
}

// The writer stores "?" for a character the code page lacks; a diameter of 0 or below (or none)
// measures nothing.
TEST(LintReport, ProbeDiameterNotAboveZeroAndQuestionMarkInANameAreProblems) {
    const struct {
        float diameter;
        const char* name;
        std::vector<Kind> kinds;
    } cases[] = {
        {0.001f, "Bracket", {}},
        {0.0f, "Bracket", {Kind::ProbeDiameterNotPositive}},
        {-6.0f, "Bracket", {Kind::ProbeDiameterNotPositive}},
        {std::numeric_limits<float>::quiet_NaN(), "Bracket", {Kind::ProbeDiameterNotPositive}},
        {6.0f, "Br?cket", {Kind::NameHoldsQuestionMark}},
    };
    for (const auto& c : cases) {
        GridFile gridFile = Header(1);
        gridFile.sProbeDiameter = c.diameter;
        AddPart(gridFile, 100, kUp, c.name);
        std::vector<Kind> kinds;
        for (const LintProblem& problem : LintGridFile(gridFile).problems) {
            kinds.push_back(problem.kind);
        }
        EXPECT_EQ(kinds, c.kinds) << c.diameter << " " << c.name;
    }
}

}  // namespace
}  // namespace zarvek::cli
