#include "geometry/operations.h"
#include "model/vectors.h"

namespace zarvek {

Vector AverageVector(const Vectors& vs) {
    Vector sum;
    for (const Vector& v : vs) {
        sum.iValue += v.iValue;
        sum.jValue += v.jValue;
        sum.kValue += v.kValue;
    }
    if (vs.Count() == 0) {
        return sum;
    }
    const auto n = static_cast<double>(vs.Count());
    return Vector{sum.iValue / n, sum.jValue / n, sum.kValue / n};
}

}  // namespace zarvek
