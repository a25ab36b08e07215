#include "geometry/length.h"
#include "geometry/operations.h"

namespace zarvek {

std::optional<Vector> Unitize(const Vector& v) {
    const double length = Length(v.iValue, v.jValue, v.kValue);
    if (length == 0.0) {
        return std::nullopt;
    }
    return Vector{v.iValue / length, v.jValue / length, v.kValue / length};
}

}  // namespace zarvek
