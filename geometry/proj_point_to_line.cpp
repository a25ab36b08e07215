#include "geometry/operations.h"

namespace zarvek {

Point ProjPointToLine(const Point& p, const PointVectorLine& line) {
    const Point l = line.LinePoint.value_or(Point{});
    const Vector u = line.LineVector.value_or(Vector{});
    const double d = LthPointToPoint(l, p);
    if (d == 0.0) {
        return l;
    }
    // d > 0, so p and l are apart and the vector between them exists.
    const Vector w = MakeVector(p, l).value_or(Vector{});
    const double t = -d * DotProduct(w, u);
    return MovePoint(l, u, t);
}

}  // namespace zarvek
