#pragma once

namespace zarvek {

// √(i² + j² + k²). Where the squares overflow or underflow for finite, non-zero components, the
// components are scaled by a power of two first, so only (0, 0, 0) has length 0 and no finite
// vector has an infinite length. For every other input the result is exactly the plain formula.
double Length(double i, double j, double k);

}  // namespace zarvek
