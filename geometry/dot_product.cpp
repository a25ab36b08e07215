#include "geometry/operations.h"

namespace zarvek {

double DotProduct(const Vector& a, const Vector& b) {
    const Vector ua = Unitize(a).value_or(Vector{});
    const Vector ub = Unitize(b).value_or(Vector{});
    return ua.iValue * ub.iValue + ua.jValue * ub.jValue + ua.kValue * ub.kValue;
}

}  // namespace zarvek
