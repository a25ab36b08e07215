#pragma once

#include <array>
#include <string>

#include "model/grid_file.h"

namespace zarvek::testing_support {

// Parts that any number of can share one grid file without the redundant-length rule ever
// refusing one: part `index` (0 or more) has the seat-to-seat lengths L, L + 5 and L + 10 with
// L = 20 + 15 * index millimetres, so no two lengths of different parts are closer than 5 mm.
// The seats lie in the XY plane, counter-clockwise seen from +Z, with the direction +Z each, so
// every part passes Check Pattern. Positions have three decimals, as the file stores them.
Part SpreadPart(int index);

// The name SpreadPart(index) carries: "Spread <index>".
std::string SpreadPartName(int index);

// The probe diameter of every grid file of spread parts.
inline constexpr float kSpreadProbeDiameter = 4.0f;

// A grid file holding SpreadPart(first) .. SpreadPart(first + count - 1), in that order.
GridFile SpreadGridFile(int first, int count);

// The six texts (X, Y, Z, I, J, K) of each seat of `part`, as an operator would type them with
// "." as the decimal separator.
using SeatTextRows = std::array<std::array<std::string, 6>, 3>;
SeatTextRows SeatTexts(const Part& part);

// The probe diameter as typed ("4").
std::string SpreadProbeText();

}  // namespace zarvek::testing_support
