#pragma once

#include "common/dialogs.h"
#include "geometry/point.h"
#include "geometry/vector.h"

namespace zarvek {

// The unit vector from seat p1 towards seat p2, as the rotation and spread checks take it. For
// coincident seats it shows the fixed English box "Could Not Make Vector From P1 - P2" (title
// "MakeVectorFailed", exclamation, OK) through `dialogs` and returns (0, 0, 0).
Vector SeatVector(const Point& p1, const Point& p2, Dialogs& dialogs);

}  // namespace zarvek
