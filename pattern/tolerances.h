#pragma once

#include <cmath>

namespace zarvek {

// Two seat-to-seat lengths closer than this (mm) are the same length.
inline constexpr float kLengthTolerance = 1.5f;

// A seat must lie farther than this share of the opposite side from the line of that side.
inline constexpr float kSpreadFactor = 0.5f;

// |a - b| computed in double precision and then rounded to single precision, as every length
// comparison does it.
inline float SingleDifference(double a, double b) {
    return static_cast<float>(std::fabs(a - b));
}

}  // namespace zarvek
