#pragma once

#include "common/number_text.h"

namespace zarvek {

// The user's decimal and digit-group separators from the system locale, made fit for the entry
// fields (NumberLocaleFromSeparators). Needs a QCoreApplication.
NumberLocale SystemNumberLocale();

}  // namespace zarvek
