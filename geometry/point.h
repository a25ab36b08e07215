#pragma once

namespace zarvek {

// A seat position in millimetres. Holds data only: nothing is validated or normalised.
struct Point {
    double XValue = 0.0;
    double YValue = 0.0;
    double ZValue = 0.0;

    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace zarvek
