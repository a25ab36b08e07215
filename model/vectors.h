#pragma once

#include <string>

#include "geometry/vector.h"
#include "model/keyed_collection.h"

namespace zarvek {

// A collection of loose directions (the rotation check averages the three seat directions).
class Vectors : public KeyedCollection<Vector> {
  public:
    // Appends a new vector with the given components, under `sKey` unless it is empty.
    Vector& Add(double iValue, double jValue, double kValue, const std::string& sKey);
};

}  // namespace zarvek
