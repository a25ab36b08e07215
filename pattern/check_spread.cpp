#include "geometry/operations.h"
#include "pattern/checks.h"
#include "pattern/seat_vector.h"
#include "pattern/tolerances.h"

namespace zarvek {
namespace {

// The distance of `p` from the line through `linePoint` along `lineVector`, in single precision.
float DistanceFromLine(const Point& p, const Point& linePoint, const Vector& lineVector) {
    PointVectorLine line;
    line.LinePoint = linePoint;
    line.LineVector = lineVector;
    return static_cast<float>(LthPointToPoint(p, ProjPointToLine(p, line)));
}

}  // namespace

StringId CheckSpread(const Point& P1, const Point& P2, const Point& P3, Dialogs& dialogs) {
    const Vector e12 = SeatVector(P1, P2, dialogs);
    const Vector e23 = SeatVector(P2, P3, dialogs);
    const Vector e31 = SeatVector(P3, P1, dialogs);
    const auto l12 = static_cast<float>(LthPointToPoint(P1, P2));
    const auto l23 = static_cast<float>(LthPointToPoint(P2, P3));
    const auto l31 = static_cast<float>(LthPointToPoint(P3, P1));
    const float d1 = DistanceFromLine(P1, P2, e23);
    const float d2 = DistanceFromLine(P2, P3, e31);
    const float d3 = DistanceFromLine(P3, P1, e12);
    if (l12 * kSpreadFactor >= d3) {
        return kSpreadPoint3;
    }
    if (l23 * kSpreadFactor >= d1) {
        return kSpreadPoint1;
    }
    if (l31 * kSpreadFactor >= d2) {
        return kSpreadPoint2;
    }
    return kSpreadIsOk;
}

}  // namespace zarvek
