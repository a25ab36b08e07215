#include "geometry/operations.h"
#include "model/vectors.h"
#include "pattern/checks.h"

namespace zarvek {

bool CheckRotation(const Point& P1, const Point& P2, const Point& P3, const Vector& V1,
                   const Vector& V2, const Vector& V3, Dialogs& dialogs) {
    Vectors seatDirections;
    seatDirections.Add(V1.iValue, V1.jValue, V1.kValue, "");
    seatDirections.Add(V2.iValue, V2.jValue, V2.kValue, "");
    seatDirections.Add(V3.iValue, V3.jValue, V3.kValue, "");
    const Vector mean = AverageVector(seatDirections);
    if (!Unitize(mean)) {
        // Directions that cancel exactly give no side to look from.
        return false;
    }
    const Vector a = MakeVector(P1, P2, dialogs);
    const Vector b = MakeVector(P2, P3, dialogs);
    const Vector normal = CrossProduct(a, b);
    return DotProduct(mean, normal) > 0.0;
}

}  // namespace zarvek
