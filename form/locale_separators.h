#pragma once

#include <string>
#include <string_view>

#include "common/number_text.h"

namespace zarvek {

// The number locale for the user's decimal and digit-group separators (UTF-8), made safe for the
// entry fields, which accept only digits, ".", "," and "-": a decimal separator other than "."
// or "," would be cut off the fields' own rewritten numbers, so "." stands in for it (and a group
// separator equal to the resulting decimal separator is dropped). A missing decimal separator is
// also taken as ".".
NumberLocale NumberLocaleFromSeparators(const std::string& decimalSeparator,
                                        const std::string& groupSeparator);

// Whether `text` holds the locale's digit-group separator (never, where the locale groups none).
bool HoldsGroupSeparator(std::string_view text, const NumberLocale& locale);

// The locale the form reads its entry fields by: the user's decimal separator and no digit
// grouping. "12,5" typed where "," groups digits is then no number, not 125: a slip of the
// decimal separator must never change a value unseen.
NumberLocale WithoutGrouping(const NumberLocale& locale);

}  // namespace zarvek
