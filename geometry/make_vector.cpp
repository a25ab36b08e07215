#include "geometry/length.h"
#include "geometry/operations.h"

namespace zarvek {

std::optional<Vector> MakeVector(const Point& p1, const Point& p2) {
    const Vector d{p2.XValue - p1.XValue, p2.YValue - p1.YValue, p2.ZValue - p1.ZValue};
    const double length = Length(d.iValue, d.jValue, d.kValue);
    if (length == 0.0) {
        return std::nullopt;
    }
    return Vector{d.iValue / length, d.jValue / length, d.kValue / length};
}

}  // namespace zarvek
