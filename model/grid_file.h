#pragma once

#include <cstdint>
#include <string>

#include "model/part.h"
#include "model/parts.h"

namespace zarvek {

// The grid file in memory. The header values are those read from a file; the writer counts
// `Parts` itself and always writes its own tolerance, so only sProbeDiameter and Parts matter
// when writing.
struct GridFile {
    std::string Path;             // the file this was read from; empty when built in memory
    zarvek::Parts Parts;          // the parts in file order
    zarvek::Part Part;            // a spare part object; nothing reads it
    float sProbeDiameter = 0.0f;  // millimetres
    float sTolerance = 0.0f;
    std::int16_t iNumberOfParts = 0;  // the count the header states
};

}  // namespace zarvek
