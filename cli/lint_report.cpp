#include "cli/lint_report.h"

#include <cmath>

#include "geometry/length.h"
#include "pattern/length_repeats.h"

namespace zarvek::cli {
namespace {

void AddDirectionProblems(LintReport& report, const Part& part, std::size_t position) {
    const Vector* directions[] = {&part.V1, &part.V2, &part.V3};
    for (int seat = 0; seat < 3; ++seat) {
        const Vector& v = *directions[seat];
        const double length = Length(v.iValue, v.jValue, v.kValue);
        // Written so that a length that is not a number counts as a problem too.
        if (!(std::fabs(length - 1.0) <= kUnitLengthTolerance)) {
            report.problems.push_back(
                LintProblem{LintProblem::Kind::NotAUnitVector, position, seat + 1, length});
        }
    }
}

}  // namespace

LintReport LintGridFile(const GridFile& gridFile) {
    LintReport report;
    report.isGridFile = true;
    report.headerCount = gridFile.iNumberOfParts;
    report.tolerance = gridFile.sTolerance;
    report.probeDiameter = gridFile.sProbeDiameter;
    if (report.headerCount < 0 ||
        static_cast<std::size_t>(report.headerCount) != gridFile.Parts.Count()) {
        report.problems.push_back(LintProblem{LintProblem::Kind::HeaderCountDiffers, 0, 0, 0});
    }
    // Written so that a diameter that is not a number counts too.
    if (!(report.probeDiameter > 0.0f)) {
        report.problems.push_back(
            LintProblem{LintProblem::Kind::ProbeDiameterNotPositive, 0, 0, 0});
    }
    const std::vector<PartLengths> repeats = AnalyseLengthRepeats(gridFile);
    report.parts.reserve(gridFile.Parts.Count());
    std::size_t position = 0;
    for (const Part& part : gridFile.Parts) {
        const PartLengths& lengths = repeats[position];
        ++position;
        report.parts.push_back(LintPart{part.sName, lengths.lengths});
        // The writer stores "?" for what the code page lacks; a real "?" cannot be told apart.
        if (part.sName.find('?') != std::string::npos) {
            report.problems.push_back(
                LintProblem{LintProblem::Kind::NameHoldsQuestionMark, position, 0, 0});
        }
        AddDirectionProblems(report, part, position);
        if (lengths.RefusedByAdd()) {
            report.problems.push_back(
                LintProblem{LintProblem::Kind::RedundantLengths, position, 0, 0});
        }
    }
    return report;
}

LintReport LintNotAGridFile() {
    LintReport report;
    report.problems.push_back(LintProblem{LintProblem::Kind::MarkerWithoutDollar, 0, 0, 0});
    return report;
}

}  // namespace zarvek::cli
