#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/number_text.h"

namespace zarvek::cli {

// How lint writes its numbers, always with "." and no grouping: lengths between seats with three
// decimals as the file writes positions, a direction's length with seven as the file writes
// directions, the header's tolerance and probe diameter with six. A value that is not finite
// has no number text: "?" in the Text forms, nothing in the Json forms.
std::string SeatLengthText(double length);
// SeatLengthText written into `room` for the many lines of a report; the view points into it.
using NumberRoom = std::array<char, kLongestPatternText>;
std::string_view SeatLengthText(double length, NumberRoom& room);
std::string DirectionLengthText(double length);
std::string HeaderNumberText(float value);
std::optional<std::string> SeatLengthJson(double length);
std::optional<std::string> DirectionLengthJson(double length);
std::optional<std::string> HeaderNumberJson(float value);

}  // namespace zarvek::cli
