#include "geometry/length.h"
#include "geometry/operations.h"

namespace zarvek {

double LthPointToPoint(const Point& p, const Point& q) {
    return Length(p.XValue - q.XValue, p.YValue - q.YValue, p.ZValue - q.ZValue);
}

}  // namespace zarvek
