#pragma once

#include <string>

#include "geometry/point.h"
#include "geometry/vector.h"

namespace zarvek {

// One part of a grid file: a name and three seats, each a position and a direction.
struct Part {
    Point P1;
    Point P2;
    Point P3;
    Vector V1;
    Vector V2;
    Vector V3;
    std::string sName;  // UTF-8, exactly as typed or read
};

}  // namespace zarvek
