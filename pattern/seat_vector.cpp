#include "pattern/seat_vector.h"

#include "geometry/operations.h"

namespace zarvek {

Vector SeatVector(const Point& p1, const Point& p2, Dialogs& dialogs) {
    if (const std::optional<Vector> v = MakeVector(p1, p2)) {
        return *v;
    }
    // Fixed English texts: this box is shown in English whatever the interface language.
    dialogs.Ask(Message{"Could Not Make Vector From P1 - P2", "MakeVectorFailed", Buttons::Ok,
                        Icon::Exclamation, Answer::Ok});
    return Vector{};
}

}  // namespace zarvek
