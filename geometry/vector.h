#pragma once

namespace zarvek {

// A direction. It is not kept at unit length: it holds whatever was set, (0, 0, 0) included.
struct Vector {
    double iValue = 0.0;
    double jValue = 0.0;
    double kValue = 0.0;

    friend bool operator==(const Vector&, const Vector&) = default;
};

}  // namespace zarvek
