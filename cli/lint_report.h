#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/grid_file.h"
#include "pattern/length_repeats.h"
#include "storage/grid_file_io.h"

namespace zarvek::cli {

// A direction whose length differs from 1 by more than this is no unit vector. The window stores
// unit vectors with five decimals, which stay well within it.
inline constexpr double kUnitLengthTolerance = 1e-4;

struct LintProblem {
    enum class Kind {
        MarkerWithoutDollar,       // line 1 holds no "$": the file is no grid file
        HeaderCountDiffers,        // the header's count is not the number of parts found
        ProbeDiameterNotPositive,  // the header's probe diameter is 0 or below (or no number)
        NameHoldsQuestionMark,     // a part name holds "?", perhaps for a character the code
                                   // page could not hold when it was written
        NotAUnitVector,            // a seat direction's length is not 1
        RedundantLengths,          // Add would have refused the part against the parts before it
    };
    Kind kind = Kind::MarkerWithoutDollar;
    std::size_t part = 0;  // the part's position from 1; 0 for a problem of the whole file
    int seat = 0;          // NotAUnitVector: seat 1, 2 or 3
    double length = 0;     // NotAUnitVector: the direction's length
};

struct LintPart {
    std::string name;
    std::array<double, 3> lengths{};  // seat-to-seat lengths 1-2, 2-3, 3-1
};

// What lint found in a file. Problems come in file order: first those of the whole file (the
// header's count, then its probe diameter), then for each part its name, its directions (seats
// 1 to 3) and its lengths.
struct LintReport {
    bool isGridFile = false;
    int headerCount = 0;  // the header's count of parts, as read
    float tolerance = 0.0f;
    float probeDiameter = 0.0f;
    std::vector<LintPart> parts;
    std::vector<LintProblem> problems;
};

// Judges a grid file part by part as it is read (Add), then as a whole (Finish), so that the
// file's parts need not be held. Runs in O(n log n) for n parts.
class LintJudge {
  public:
    // Makes room for `parts` parts, as the header counts them (a hint: more or fewer may come).
    void Reserve(std::int16_t parts);
    void Add(const Part& part);
    LintReport Finish(const GridFileHeader& header);

  private:
    std::vector<LintPart> parts_;  // names now, lengths at the end
    std::vector<PartLengths> lengths_;
    std::vector<LintProblem> partProblems_;  // each part's own, in file order
};

// Judges a grid file as read.
LintReport LintGridFile(const GridFile& gridFile);

// The report for a file whose line 1 holds no "$".
LintReport LintNotAGridFile();

}  // namespace zarvek::cli
