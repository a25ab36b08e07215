#include <array>

#include "geometry/operations.h"
#include "pattern/checks.h"
#include "pattern/seat_vector.h"

namespace zarvek {

bool CheckRotation(const Point& P1, const Point& P2, const Point& P3, const Vector& V1,
                   const Vector& V2, const Vector& V3, Dialogs& dialogs) {
    const std::array<Vector, 3> seatDirections = {V1, V2, V3};
    const Vector mean = AverageVector(seatDirections);
    if (!Unitize(mean)) {
        // Directions that cancel exactly give no side to look from.
        return false;
    }
    const Vector a = SeatVector(P1, P2, dialogs);
    const Vector b = SeatVector(P2, P3, dialogs);
    const Vector normal = CrossProduct(a, b);
    return DotProduct(mean, normal) > 0.0;
}

}  // namespace zarvek
