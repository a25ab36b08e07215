#pragma once

#include <string_view>

#include "common/number_text.h"

namespace zarvek::cli {

// How numbers are written on the command line, whatever the user's locale: "." as the decimal
// separator and no digit grouping. The form reads and rewrites the typed values by it.
inline NumberLocale CommandLineLocale() {
    return NumberLocale{".", ""};
}

// Whether `text` is a seat value the tool accepts: an optional leading "-", digits and at most
// one ".", with at least one digit, and finite in double precision ("12", "-0.5", ".5"). Refuses
// "", "-", "1e3", "+5", "5mm", "1,5", " 1" and values too large for a double.
bool IsSeatNumber(std::string_view text);

// As IsSeatNumber for the probe diameter, which must also be finite in single precision.
bool IsProbeNumber(std::string_view text);

}  // namespace zarvek::cli
