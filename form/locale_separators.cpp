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

bool HoldsGroupSeparator(std::string_view text, const NumberLocale& locale) {
    return !locale.groupSeparator.empty() && text.find(locale.groupSeparator) != std::string::npos;
}

NumberLocale WithoutGrouping(const NumberLocale& locale) {
    return NumberLocale{locale.decimalSeparator, ""};
}

}  // namespace zarvek
