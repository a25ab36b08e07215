#include "form/control_tags.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zarvek {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads [sign] digits [. digits] [e|E [sign] digits] from the start of `text`; returns the
// neutral text read (empty when there is no digit) and the number of characters used.
struct Scanned {
    std::string number;
    std::size_t used = 0;
};

Scanned ScanNumber(std::string_view text) {
    Scanned scanned;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        scanned.number.push_back(text[at++]);
    }
    bool digits = false;
    while (at < text.size() && IsDigit(text[at])) {
        scanned.number.push_back(text[at++]);
        digits = true;
    }
    if (at < text.size() && text[at] == '.') {
        scanned.number.push_back(text[at++]);
        while (at < text.size() && IsDigit(text[at])) {
            scanned.number.push_back(text[at++]);
            digits = true;
        }
    }
    if (!digits) {
        return Scanned{};
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponentAt = at + 1;
        if (exponentAt < text.size() && (text[exponentAt] == '-' || text[exponentAt] == '+')) {
            ++exponentAt;
        }
        if (exponentAt < text.size() && IsDigit(text[exponentAt])) {
            scanned.number.append(text.substr(at, exponentAt - at));
            at = exponentAt;
            while (at < text.size() && IsDigit(text[at])) {
                scanned.number.push_back(text[at++]);
            }
        }
    }
    scanned.used = at;
    return scanned;
}

// The value of a scanned number, independent of the C library's locale.
double ValueOf(const std::string& number) {
    const char* begin = number.data();
    if (*begin == '+') {
        ++begin;  // from_chars takes no plus sign
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small rounds to zero, too large is beyond every id.
        const bool tiny =
            number.find("e-") != std::string::npos || number.find("E-") != std::string::npos;
        return tiny ? 0.0 : (*begin == '-' ? -HUGE_VAL : HUGE_VAL);
    }
    return value;
}

std::optional<std::int16_t> RoundTo16Bits(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<double> WholeNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(" \t");
    const std::string_view trimmed = text.substr(first, last - first + 1);
    const Scanned scanned = ScanNumber(trimmed);
    if (scanned.number.empty() || scanned.used != trimmed.size()) {
        return std::nullopt;
    }
    return ValueOf(scanned.number);
}

bool InRange(double value, double low, double high) {
    return value >= low && value <= high;
}

}  // namespace

std::optional<ControlGroup> ClassifyTag(std::string_view tag, WindowMode mode) {
    const std::optional<double> number = WholeNumber(tag);
    if (tag == "Input") {
        return ControlGroup::Input;
    }
    if (number && (InRange(*number, 1023, 1031) || InRange(*number, 1033, 1036))) {
        return ControlGroup::Input;
    }
    if (mode == WindowMode::StartUp && tag == "OpenExist") {
        return ControlGroup::View;
    }
    if (number && (*number == 1038 || *number == 1039 || *number == 1068)) {
        return ControlGroup::Input;
    }
    if ((mode == WindowMode::Input || mode == WindowMode::View) && tag == "OpenExist") {
        return ControlGroup::View;
    }
    return std::nullopt;
}

std::optional<std::int16_t> WholeNumberId(std::string_view text) {
    const std::optional<double> number = WholeNumber(text);
    return number ? RoundTo16Bits(*number) : std::nullopt;
}

std::int16_t LeadingNumberId(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (!IsBlank(c)) {
            compact.push_back(c);
        }
    }
    const Scanned scanned = ScanNumber(compact);
    if (scanned.number.empty()) {
        return 0;
    }
    return RoundTo16Bits(ValueOf(scanned.number)).value_or(0);
}

}  // namespace zarvek
