#include "geometry/operations.h"

namespace zarvek {

Vector AverageVector(std::span<const Vector> vs) {
    Vector sum;
    for (const Vector& v : vs) {
        sum.iValue += v.iValue;
        sum.jValue += v.jValue;
        sum.kValue += v.kValue;
    }
    if (vs.empty()) {
        return sum;
    }
    const auto n = static_cast<double>(vs.size());
    return Vector{sum.iValue / n, sum.jValue / n, sum.kValue / n};
}

}  // namespace zarvek
