#include <cmath>

#include "geometry/operations.h"

namespace zarvek {

double LthPointToPoint(const Point& p, const Point& q) {
    const double dx = p.XValue - q.XValue;
    const double dy = p.YValue - q.YValue;
    const double dz = p.ZValue - q.ZValue;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace zarvek
