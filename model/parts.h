#pragma once

#include <string>

#include "model/keyed_collection.h"
#include "model/part.h"

namespace zarvek {

// The parts of a grid file, in file order.
class Parts : public KeyedCollection<Part> {
  public:
    // Appends a new part made of the given seats and name, under `sKey` unless it is empty, and
    // returns it. Throws CollectionError for a key already present (nothing is appended).
    Part& Add(const Point& P1, const Point& P2, const Point& P3, const Vector& V1, const Vector& V2,
              const Vector& V3, const std::string& sName, const std::string& sKey);

    // Appends `part` as it is, the same way.
    Part& Add(Part part, const std::string& sKey);
};

}  // namespace zarvek
