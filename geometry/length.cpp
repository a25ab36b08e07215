#include "geometry/length.h"

#include <algorithm>
#include <cmath>

namespace zarvek {

double Length(double i, double j, double k) {
    const double plain = std::sqrt(i * i + j * j + k * k);
    if (plain != 0.0 && !std::isinf(plain)) {
        return plain;
    }
    const double largest = std::max({std::fabs(i), std::fabs(j), std::fabs(k)});
    if (largest == 0.0 || !std::isfinite(largest)) {
        return plain;
    }
    const int exponent = std::ilogb(largest);
    const double si = std::scalbn(i, -exponent);
    const double sj = std::scalbn(j, -exponent);
    const double sk = std::scalbn(k, -exponent);
    return std::scalbn(std::sqrt(si * si + sj * sj + sk * sk), exponent);
}

}  // namespace zarvek
