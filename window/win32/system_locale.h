#pragma once

#include "common/number_text.h"

namespace zarvek::win32 {

// How the user writes numbers: the decimal and digit-group separators of the user's locale
// (GetLocaleInfoEx), made safe for the entry fields (NumberLocaleFromSeparators).
NumberLocale SystemNumberLocale();

}  // namespace zarvek::win32
