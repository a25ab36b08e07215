#include "model/parts.h"

#include <utility>

namespace zarvek {

Part& Parts::Add(const Point& P1, const Point& P2, const Point& P3, const Vector& V1,
                 const Vector& V2, const Vector& V3, const std::string& sName,
                 const std::string& sKey) {
    return KeyedCollection<Part>::Add(Part{P1, P2, P3, V1, V2, V3, sName}, sKey);
}

Part& Parts::Add(Part part, const std::string& sKey) {
    return KeyedCollection<Part>::Add(std::move(part), sKey);
}

}  // namespace zarvek
