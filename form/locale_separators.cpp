#include "form/locale_separators.h"

namespace zarvek {

NumberLocale NumberLocaleFromSeparators(const std::string& decimalSeparator,
                                        const std::string& groupSeparator) {
    NumberLocale locale;
    locale.decimalSeparator =
        decimalSeparator == "." || decimalSeparator == "," ? decimalSeparator : ".";
    locale.groupSeparator = groupSeparator == locale.decimalSeparator ? "" : groupSeparator;
    return locale;
}

}  // namespace zarvek
