#include "model/vectors.h"

namespace zarvek {

Vector& Vectors::Add(double iValue, double jValue, double kValue, const std::string& sKey) {
    return KeyedCollection<Vector>::Add(Vector{iValue, jValue, kValue}, sKey);
}

}  // namespace zarvek
