#include <cmath>

#include "geometry/operations.h"
#include "pattern/checks.h"
#include "pattern/tolerances.h"

namespace zarvek {

StringId CheckLengths(const Point& P1, const Point& P2, const Point& P3) {
    const double l12 = LthPointToPoint(P1, P2);
    const double l23 = LthPointToPoint(P2, P3);
    const double l31 = LthPointToPoint(P3, P1);
    // Within one pattern a difference of exactly the tolerance counts as equal.
    if (!(SingleDifference(l12, l23) > kLengthTolerance)) {
        return kLengths12And23;
    }
    if (!(SingleDifference(l12, l31) > kLengthTolerance)) {
        return kLengths12And13;
    }
    if (!(SingleDifference(l23, l31) > kLengthTolerance)) {
        return kLengths13And23;
    }
    return kLengthsAreGood;
}

}  // namespace zarvek
