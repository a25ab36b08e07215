#include "geometry/length.h"
#include "geometry/operations.h"

namespace zarvek {

Vector MakeVector(const Point& p1, const Point& p2, Dialogs& dialogs) {
    const Vector d{p2.XValue - p1.XValue, p2.YValue - p1.YValue, p2.ZValue - p1.ZValue};
    const double length = Length(d.iValue, d.jValue, d.kValue);
    if (length == 0.0) {
        // Fixed English texts: this box is shown in English whatever the interface language.
        dialogs.Ask(Message{"Could Not Make Vector From P1 - P2", "MakeVectorFailed", Buttons::Ok,
                            Icon::Exclamation, Answer::Ok});
        return Vector{};
    }
    return Vector{d.iValue / length, d.jValue / length, d.kValue / length};
}

}  // namespace zarvek
