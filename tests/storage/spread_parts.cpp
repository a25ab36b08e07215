#include "spread_parts.h"

#include <cmath>

#include "common/number_text.h"

namespace zarvek::testing_support {
namespace {

double ThreeDecimals(double value) {
    return std::round(value * 1000.0) / 1000.0;
}

}  // namespace

std::string SpreadPartName(int index) {
    return "Spread " + std::to_string(index);
}

Part SpreadPart(int index) {
    const double l12 = 20.0 + 15.0 * index;
    const double l23 = l12 + 5.0;
    const double l31 = l12 + 10.0;
    // P3 from the distances to P1 (l31) and P2 (l23), on the +Y side of the line P1 P2.
    const double x = (l12 * l12 + l31 * l31 - l23 * l23) / (2.0 * l12);
    const double y = std::sqrt(l31 * l31 - x * x);
    Part part;
    part.sName = SpreadPartName(index);
    part.P1 = Point{0.0, 0.0, 0.0};
    part.P2 = Point{ThreeDecimals(l12), 0.0, 0.0};
    part.P3 = Point{ThreeDecimals(x), ThreeDecimals(y), 0.0};
    part.V1 = part.V2 = part.V3 = Vector{0.0, 0.0, 1.0};
    return part;
}

GridFile SpreadGridFile(int first, int count) {
    GridFile gridFile;
    gridFile.sProbeDiameter = kSpreadProbeDiameter;
    for (int index = first; index < first + count; ++index) {
        const Part part = SpreadPart(index);
        gridFile.Parts.Add(part.P1, part.P2, part.P3, part.V1, part.V2, part.V3, part.sName, "");
    }
    return gridFile;
}

SeatTextRows SeatTexts(const Part& part) {
    const auto text = [](double value) { return FormatPattern(value, 3, FileLocale()); };
    SeatTextRows rows;
    const std::array<std::pair<Point, Vector>, 3> seats{
        std::pair{part.P1, part.V1}, std::pair{part.P2, part.V2}, std::pair{part.P3, part.V3}};
    for (std::size_t seat = 0; seat < 3; ++seat) {
        const auto& [point, vector] = seats[seat];
        rows[seat] = {text(point.XValue),  text(point.YValue),  text(point.ZValue),
                      text(vector.iValue), text(vector.jValue), text(vector.kValue)};
    }
    return rows;
}

std::string SpreadProbeText() {
    return "4";
}

}  // namespace zarvek::testing_support
