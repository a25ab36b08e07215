#include "cli/command_line_number.h"

#include "common/errors.h"

namespace zarvek::cli {

bool IsSeatNumber(std::string_view text) {
    try {
        ParseLocaleNumber(text, CommandLineLocale());
        return true;
    } catch (const NumberFormatError&) {
        return false;
    }
}

bool IsProbeNumber(std::string_view text) {
    try {
        ParseLocaleSingle(text, CommandLineLocale());
        return true;
    } catch (const NumberFormatError&) {
        return false;
    }
}

}  // namespace zarvek::cli
