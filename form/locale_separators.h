#pragma once

#include <string>

#include "common/number_text.h"

namespace zarvek {

// The number locale for the user's decimal and digit-group separators (UTF-8), made safe for the
// entry fields, which accept only digits, ".", "," and "-": a decimal separator other than "."
// or "," would be cut off the fields' own rewritten numbers, so "." stands in for it (and a group
// separator equal to the resulting decimal separator is dropped). A missing decimal separator is
// also taken as ".".
NumberLocale NumberLocaleFromSeparators(const std::string& decimalSeparator,
                                        const std::string& groupSeparator);

}  // namespace zarvek
