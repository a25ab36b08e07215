#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include "common/errors.h"

namespace zarvek {
namespace {

// The value's decimal text with `significant` digits, split into sign, digits and the position of
// the point: the value is 0.<digits> * 10^pointPosition.
struct DecimalText {
    bool negative = false;
    std::array<char, 32> digits{};  // at most 17 are used
    int count = 0;                  // digits used
    int pointPosition = 0;

    // The digit at `index`, or '0' before the first and after the last.
    char At(int index) const {
        return index >= 0 && index < count ? digits[static_cast<std::size_t>(index)] : '0';
    }
};

// The number of digits of the mantissa of a scientific text ("-1.25e+02" has 3).
int MantissaDigits(const char* begin, const char* end) {
    int digits = 0;
    for (const char* at = begin; at != end && *at != 'e'; ++at) {
        digits += *at >= '0' && *at <= '9' ? 1 : 0;
    }
    return digits;
}

DecimalText ToDecimalText(double value, int significant) {
    // Scientific form with significant - 1 decimals gives the correctly rounded digits, the same
    // ones "%.15g" (or "%.7g") shows, but never depends on the process's C locale.
    char buffer[64];
    std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    // The shortest text that reads back as the double is much cheaper to get, and when it has at
    // most 15 digits it is the correctly rounded 15-digit text: it lies within half a unit in the
    // last place (below 1.2e-16 relative) of the value, while the 15-digit texts around it are
    // more than 1e-15 relative apart, so it is the nearest of them. With 7 digits the margin does
    // not hold, nor below the normal range, where a unit in the last place is relatively larger;
    // there the long way is always taken.
    const bool shortestIsExact = written.ec == std::errc{} && significant == 15 &&
                                 (value == 0 || std::isnormal(value)) &&
                                 MantissaDigits(buffer, written.ptr) <= significant;
    if (!shortestIsExact) {
        written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                std::chars_format::scientific, significant - 1);
    }
    const char* const end = written.ptr;
    if (written.ec != std::errc{}) {
        throw NumberFormatError("The value cannot be written as a number.");
    }
    DecimalText text;
    const char* at = buffer;
    if (*at == '-') {
        text.negative = true;
        ++at;
    }
    for (; at != end && *at != 'e'; ++at) {
        if (*at != '.' && text.count < static_cast<int>(text.digits.size())) {
            text.digits[static_cast<std::size_t>(text.count++)] = *at;
        }
    }
    int exponent = 0;
    std::from_chars(at + 1 + (at[1] == '+' ? 1 : 0), end, exponent);
    text.pointPosition = exponent + 1;
    return text;
}

std::string FormatDecimalText(const DecimalText& text, int decimals, const NumberLocale& locale) {
    // Lay the digits out as a whole part of at least one digit and `decimals` fraction digits,
    // all in one row after a spare place for a carry: row[1 + wholeDigits - 1 + j] is fraction
    // digit j. A double has at most 309 whole digits.
    std::array<char, 1 + 309 + 15> row;
    const int point = text.pointPosition;
    const int wholeDigits = std::max(point, 1);
    const int length = 1 + wholeDigits + decimals;
    row[0] = '0';
    for (int k = 0; k < wholeDigits; ++k) {
        row[static_cast<std::size_t>(1 + k)] = point > 0 ? text.At(k) : '0';
    }
    for (int j = 1; j <= decimals; ++j) {
        row[static_cast<std::size_t>(wholeDigits + j)] = text.At(point - 1 + j);
    }

    // Round the text, not the binary value: only the first dropped digit decides, halves go away
    // from zero. A carry out of the first digit lands in the spare place.
    if (text.At(point + decimals) >= '5') {
        int at = length - 1;
        for (; row[static_cast<std::size_t>(at)] == '9'; --at) {
            row[static_cast<std::size_t>(at)] = '0';
        }
        ++row[static_cast<std::size_t>(at)];
    }
    const int fractionStart = length - decimals;

    // No leading zeros but the last one before the point; no minus sign on a zero.
    int first = 0;
    while (first + 1 < fractionStart && row[static_cast<std::size_t>(first)] == '0') {
        ++first;
    }
    bool zero = true;
    for (int at = first; at < length && zero; ++at) {
        zero = row[static_cast<std::size_t>(at)] == '0';
    }
    std::string result;
    result.reserve(static_cast<std::size_t>(length - first + 1) + locale.decimalSeparator.size());
    if (text.negative && !zero) {
        result.push_back('-');
    }
    result.append(row.data() + first, static_cast<std::size_t>(fractionStart - first))
        .append(locale.decimalSeparator)
        .append(row.data() + fractionStart, static_cast<std::size_t>(decimals));
    return result;
}

void RequireFormattable(double value, int decimals) {
    if (decimals < 1 || decimals > 15) {
        throw std::invalid_argument("A number pattern has 1 to 15 decimals.");
    }
    if (!std::isfinite(value)) {
        throw NumberFormatError("The value is not a finite number.");
    }
}

bool StartsWith(std::string_view text, std::size_t at, const std::string& prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Reduces an entry-field text to the neutral form "-123.45" that from_chars reads.
std::string NeutralFromLocale(std::string_view text, const NumberLocale& locale) {
    std::string neutral;
    std::size_t at = 0;
    if (!text.empty() && text[0] == '-') {
        neutral.push_back('-');
        at = 1;
    }
    bool point = false;
    bool digit = false;
    while (at < text.size()) {
        if (StartsWith(text, at, locale.decimalSeparator)) {
            if (point) {
                throw NumberFormatError(Quoted(text) + " is not a number: it has more than one " +
                                        Quoted(locale.decimalSeparator) + ".");
            }
            point = true;
            neutral.push_back('.');
            at += locale.decimalSeparator.size();
        } else if (StartsWith(text, at, locale.groupSeparator)) {
            at += locale.groupSeparator.size();
        } else if (text[at] >= '0' && text[at] <= '9') {
            digit = true;
            neutral.push_back(text[at]);
            ++at;
        } else {
            throw NumberFormatError(Quoted(text) + " is not a number.");
        }
    }
    if (!digit) {
        throw NumberFormatError(Quoted(text) + " is not a number.");
    }
    return neutral;
}

std::string NeutralFromFile(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    const std::string_view trimmed =
        first == std::string_view::npos ? std::string_view{} : text.substr(first, last - first + 1);
    std::string neutral;
    std::size_t at = 0;
    if (!trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '+')) {
        if (trimmed[0] == '-') {
            neutral.push_back('-');
        }
        at = 1;
    }
    bool point = false;
    bool digit = false;
    for (; at < trimmed.size(); ++at) {
        const char c = trimmed[at];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
        } else {
            throw NumberFormatError(Quoted(text) + " is not a number.");
        }
        neutral.push_back(c);
    }
    if (!digit) {
        throw NumberFormatError(Quoted(text) + " is not a number.");
    }
    return neutral;
}

// Whether the neutral text "-123.45" has a non-zero digit before its point.
bool HasWholeDigits(const std::string& neutral) {
    for (const char c : neutral) {
        if (c == '.') {
            return false;
        }
        if (c >= '1' && c <= '9') {
            return true;
        }
    }
    return false;
}

// Reads "-123.45" (an optional "-", digits, at most one point) of at most 15 significant digits
// and 22 decimals directly: the digits as a whole number and the power of ten are then both exact
// doubles, so one division gives the correctly rounded value, the value from_chars gives. Gives
// nothing for every other text, which then takes the general way.
std::optional<double> ShortDecimal(std::string_view text) {
    static constexpr std::array<double, 23> kPowersOfTen = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    at += negative ? 1 : 0;
    std::uint64_t digits = 0;
    int significant = 0;
    std::size_t decimals = 0;
    bool point = false;
    bool digit = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        digit = true;
        decimals += point ? 1 : 0;
        significant += digits != 0 || c != '0' ? 1 : 0;
        if (significant > 15 || decimals >= kPowersOfTen.size()) {
            return std::nullopt;
        }
        digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (!digit) {
        return std::nullopt;
    }
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

template <typename T>
T ConvertNeutral(const std::string& neutral, std::string_view original) {
    T value{};
    const auto [end, error] =
        std::from_chars(neutral.data(), neutral.data() + neutral.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (HasWholeDigits(neutral)) {
            throw NumberFormatError(Quoted(original) + " is too large a number.");
        }
        // Closer to zero than the type can hold: zero is the nearest value.
        return neutral[0] == '-' ? -T{0} : T{0};
    }
    if (error != std::errc{} || end != neutral.data() + neutral.size() || !std::isfinite(value)) {
        throw NumberFormatError(Quoted(original) + " is not a number.");
    }
    return value;
}

}  // namespace

std::string FormatPattern(double value, int decimals, const NumberLocale& locale) {
    RequireFormattable(value, decimals);
    return FormatDecimalText(ToDecimalText(value, 15), decimals, locale);
}

std::string FormatPatternSingle(float value, int decimals, const NumberLocale& locale) {
    RequireFormattable(value, decimals);
    return FormatDecimalText(ToDecimalText(static_cast<double>(value), 7), decimals, locale);
}

double ParseLocaleNumber(std::string_view text, const NumberLocale& locale) {
    return ConvertNeutral<double>(NeutralFromLocale(text, locale), text);
}

float ParseLocaleSingle(std::string_view text, const NumberLocale& locale) {
    return ConvertNeutral<float>(NeutralFromLocale(text, locale), text);
}

double ParseFileNumber(std::string_view text) {
    // Nearly every number of a grid file takes the short way.
    if (const std::optional<double> value = ShortDecimal(text)) {
        return *value;
    }
    return ConvertNeutral<double>(NeutralFromFile(text), text);
}

float ParseFileSingle(std::string_view text) {
    return ConvertNeutral<float>(NeutralFromFile(text), text);
}

}  // namespace zarvek
