#include "pattern/length_repeats.h"

#include <gtest/gtest.h>
#include <algorithm>

#include <cmath>
#include <random>

#include "geometry/operations.h"
#include "pattern/checks.h"

namespace zarvek {
namespace {

const Vector kUp{0, 0, 1};

void AddPartWithLengths(GridFile& gridFile, double l12, double l23, double l31) {
    const double x = (l12 * l12 + l31 * l31 - l23 * l23) / (2 * l12);
    gridFile.Parts.Add({0, 0, 0}, {l12, 0, 0}, {x, std::sqrt(l31 * l31 - x * x), 0}, kUp, kUp, kUp,
                       "", "");
}

// The slow, obviously right count: every stored length against every new one.
int BruteMatches(const std::vector<double>& stored, const std::array<double, 3>& lengths) {
    int count = 0;
    for (const double length : lengths) {
        for (const double old : stored) {
            count += static_cast<float>(std::fabs(length - old)) < 1.5f ? 1 : 0;
        }
    }
    return std::min(count, 3);
}

TEST(LengthRepeats, AgreesWithTheAddRuleAndABruteForceCountOnRandomFiles) {
    std::mt19937 random(20261206);
    // Lengths on a coarse grid near each other, so that matches, exact 1.5 boundaries and
    // multiple matches all occur.
    std::uniform_int_distribution<int> step(0, 12);
    for (int file = 0; file < 40; ++file) {
        GridFile gridFile;
        for (int p = 0; p < 30; ++p) {
            AddPartWithLengths(gridFile, 100 + 0.75 * step(random), 140 + 0.75 * step(random),
                               180 + 0.75 * step(random));
        }
        const std::vector<PartLengths> report = AnalyseLengthRepeats(gridFile);
        ASSERT_EQ(report.size(), gridFile.Parts.Count());

        GridFile before;
        std::vector<double> all;
        for (const PartLengths& entry : report) {
            all.insert(all.end(), entry.lengths.begin(), entry.lengths.end());
        }
        for (std::size_t i = 0; i < report.size(); ++i) {
            const Part& part = gridFile.Parts.Item(i + 1);
            const bool refused = CheckLengthsAgainstGridFile(before, part.P1, part.P2, part.P3) ==
                                 kTooManyLengthsMatch;
            EXPECT_EQ(report[i].RefusedByAdd(), refused) << "file " << file << " part " << i;

            std::vector<double> others = all;
            others.erase(others.begin() + static_cast<std::ptrdiff_t>(3 * i),
                         others.begin() + static_cast<std::ptrdiff_t>(3 * i + 3));
            EXPECT_EQ(report[i].matchesOthers, BruteMatches(others, report[i].lengths))
                << "file " << file << " part " << i;
            before.Parts.Add(part.P1, part.P2, part.P3, kUp, kUp, kUp, "", "");
        }
    }
}

TEST(LengthRepeats, APartRepeatingALaterPartIsMarkedButNotRefused) {
    GridFile gridFile;
    AddPartWithLengths(gridFile, 50, 60, 70);
    AddPartWithLengths(gridFile, 50.5, 60.5, 69);
    AddPartWithLengths(gridFile, 200, 260, 300);
    const std::vector<PartLengths> report = AnalyseLengthRepeats(gridFile);
    EXPECT_FALSE(report[0].RefusedByAdd());
    EXPECT_TRUE(report[0].RepeatsAnotherPart());
    EXPECT_TRUE(report[1].RefusedByAdd());
    EXPECT_FALSE(report[2].RepeatsAnotherPart());
    EXPECT_EQ(report[2].matchesOthers, 0);
}

}  // namespace
}  // namespace zarvek
