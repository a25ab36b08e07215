#include "geometry/operations.h"

namespace zarvek {

Point MovePoint(const Point& p, const Vector& v, double dist) {
    return Point{p.XValue + v.iValue * dist, p.YValue + v.jValue * dist,
                 p.ZValue + v.kValue * dist};
}

}  // namespace zarvek
