#include <array>
#include <vector>

#include "geometry/operations.h"
#include "pattern/checks.h"
#include "pattern/tolerances.h"

namespace zarvek {

std::array<double, 3> SeatLengths(const Part& part) {
    return {LthPointToPoint(part.P1, part.P2), LthPointToPoint(part.P2, part.P3),
            LthPointToPoint(part.P3, part.P1)};
}

StringId CheckLengthsAgainstGridFile(const GridFile& gridFile, const Point& P1, const Point& P2,
                                     const Point& P3) {
    std::vector<double> stored;
    stored.reserve(gridFile.Parts.Count() * 3);
    for (const Part& part : gridFile.Parts) {
        const std::array<double, 3> lengths = SeatLengths(part);
        stored.insert(stored.end(), lengths.begin(), lengths.end());
    }
    return CheckLengthsAgainstStored(stored, P1, P2, P3);
}

StringId CheckLengthsAgainstStored(std::span<const double> stored, const Point& P1, const Point& P2,
                                   const Point& P3) {
    const std::array<double, 3> fresh = {LthPointToPoint(P1, P2), LthPointToPoint(P2, P3),
                                         LthPointToPoint(P3, P1)};
    // Against the file a difference of exactly the tolerance is no match, the opposite boundary
    // of CheckLengths. The count runs on across all three new lengths.
    int matches = 0;
    for (const double length : fresh) {
        for (const double old : stored) {
            if (SingleDifference(length, old) < kLengthTolerance) {
                ++matches;
            }
        }
        if (matches > 2) {
            return kTooManyLengthsMatch;
        }
    }
    return kLengthsAreGood;
}

}  // namespace zarvek
