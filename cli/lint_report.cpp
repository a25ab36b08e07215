#include "cli/lint_report.h"

#include <cmath>
#include <utility>

#include "geometry/length.h"
#include "pattern/checks.h"

namespace zarvek::cli {
namespace {

void AddDirectionProblems(std::vector<LintProblem>& problems, const Part& part,
                          std::size_t position) {
    const Vector* directions[] = {&part.V1, &part.V2, &part.V3};
    for (int seat = 0; seat < 3; ++seat) {
        const Vector& v = *directions[seat];
        const double length = Length(v.iValue, v.jValue, v.kValue);
        // Written so that a length that is not a number counts as a problem too.
        if (!(std::fabs(length - 1.0) <= kUnitLengthTolerance)) {
            problems.push_back(
                LintProblem{LintProblem::Kind::NotAUnitVector, position, seat + 1, length});
        }
    }
}

}  // namespace

void LintJudge::Reserve(std::int16_t parts) {
    if (parts > 0) {
        parts_.reserve(static_cast<std::size_t>(parts));
        lengths_.reserve(static_cast<std::size_t>(parts));
    }
}

void LintJudge::Add(const Part& part) {
    parts_.push_back(LintPart{part.sName, {}});
    lengths_.push_back(PartLengths{SeatLengths(part)});
    const std::size_t position = parts_.size();
    // The writer stores "?" for what the code page lacks; a real "?" cannot be told apart.
    if (part.sName.find('?') != std::string::npos) {
        partProblems_.push_back(
            LintProblem{LintProblem::Kind::NameHoldsQuestionMark, position, 0, 0});
    }
    AddDirectionProblems(partProblems_, part, position);
}

LintReport LintJudge::Finish(const GridFileHeader& header) {
    LintReport report;
    report.isGridFile = true;
    report.headerCount = header.iNumberOfParts;
    report.tolerance = header.sTolerance;
    report.probeDiameter = header.sProbeDiameter;
    if (report.headerCount < 0 || static_cast<std::size_t>(report.headerCount) != parts_.size()) {
        report.problems.push_back(LintProblem{LintProblem::Kind::HeaderCountDiffers, 0, 0, 0});
    }
    // Written so that a diameter that is not a number counts too.
    if (!(report.probeDiameter > 0.0f)) {
        report.problems.push_back(
            LintProblem{LintProblem::Kind::ProbeDiameterNotPositive, 0, 0, 0});
    }
    CountLengthRepeats(lengths_);
    report.parts = std::move(parts_);
    auto own = partProblems_.begin();
    for (std::size_t part = 0; part < report.parts.size(); ++part) {
        const std::size_t position = part + 1;
        report.parts[part].lengths = lengths_[part].lengths;
        for (; own != partProblems_.end() && own->part == position; ++own) {
            report.problems.push_back(*own);
        }
        if (lengths_[part].RefusedByAdd()) {
            report.problems.push_back(
                LintProblem{LintProblem::Kind::RedundantLengths, position, 0, 0});
        }
    }
    return report;
}

LintReport LintGridFile(const GridFile& gridFile) {
    LintJudge judge;
    for (const Part& part : gridFile.Parts) {
        judge.Add(part);
    }
    return judge.Finish(
        GridFileHeader{gridFile.iNumberOfParts, gridFile.sTolerance, gridFile.sProbeDiameter});
}

LintReport LintNotAGridFile() {
    LintReport report;
    report.problems.push_back(LintProblem{LintProblem::Kind::MarkerWithoutDollar, 0, 0, 0});
    return report;
}

}  // namespace zarvek::cli
