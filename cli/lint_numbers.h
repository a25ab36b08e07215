#pragma once

#include <optional>
#include <string>

namespace zarvek::cli {

// How lint writes its numbers, always with "." and no grouping: lengths between seats with three
// decimals as the file writes positions, a direction's length with seven as the file writes
// directions, the header's tolerance and probe diameter with six. A value that is not finite
// has no number text: "?" in the Text forms, nothing in the Json forms.
std::string SeatLengthText(double length);
std::string DirectionLengthText(double length);
std::string HeaderNumberText(float value);
std::optional<std::string> SeatLengthJson(double length);
std::optional<std::string> DirectionLengthJson(double length);
std::optional<std::string> HeaderNumberJson(float value);

}  // namespace zarvek::cli
