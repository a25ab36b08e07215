#pragma once

#include <optional>

#include "geometry/point.h"
#include "geometry/vector.h"

namespace zarvek {

// The line LinePoint + t * LineVector. Both parts start unset; every user in this program stores
// a unit vector as LineVector.
struct PointVectorLine {
    std::optional<Point> LinePoint;
    std::optional<Vector> LineVector;
};

}  // namespace zarvek
