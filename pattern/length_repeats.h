#pragma once

#include <array>
#include <vector>

#include "model/grid_file.h"

namespace zarvek {

// How the seat-to-seat lengths of each part of a grid file repeat those of other parts, under the
// same rule as CheckLengthsAgainstGridFile: two lengths match when their difference, rounded to
// single precision, is below 1.5 mm, and a part is redundant when more than two matches are
// counted for its three lengths. Runs in O(n log n) for n parts, so a full file is judged at once.
struct PartLengths {
    std::array<double, 3> lengths{};  // P1-P2, P2-P3, P3-P1
    // Matches among the parts before this one, counted as Add counted them when it appended
    // this part, stopping at 3. 3 means Add would have refused the part.
    int matchesBefore = 0;
    // Matches among all other parts of the file, before or after, stopping at 3.
    int matchesOthers = 0;

    bool RefusedByAdd() const { return matchesBefore > 2; }
    bool RepeatsAnotherPart() const { return matchesOthers > 2; }
};

std::vector<PartLengths> AnalyseLengthRepeats(const GridFile& gridFile);

// The same for parts whose lengths are already filled in (SeatLengths), in file order: fills in
// their counts of matches. Spares holding the parts themselves.
void CountLengthRepeats(std::vector<PartLengths>& parts);

}  // namespace zarvek
