#pragma once

#include <cmath>

#include "model/grid_file.h"

namespace zarvek::bench {

// A grid file of `parts` parts whose lengths are all far apart (so no rule refuses any of them),
// as a shop that fills the file over months would have it.
inline GridFile SpreadOutGridFile(int parts) {
    GridFile gridFile;
    gridFile.sProbeDiameter = 6.0f;
    const Vector up{0, 0, 1};
    for (int p = 0; p < parts; ++p) {
        const double l12 = 100 + 5.0 * p;
        const double l23 = l12 + 1.7;
        const double l31 = l12 + 3.4;
        const double x = (l12 * l12 + l31 * l31 - l23 * l23) / (2 * l12);
        gridFile.Parts.Add({0, 0, 0}, {l12, 0, 0}, {x, std::sqrt(l31 * l31 - x * x), 0}, up, up, up,
                           "Part number " + std::to_string(p + 1), "");
    }
    return gridFile;
}

}  // namespace zarvek::bench
