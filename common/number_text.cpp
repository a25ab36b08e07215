#include "common/number_text.h"

#include <charconv>
#include <cmath>
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
    std::string digits;
    int pointPosition = 0;
};

DecimalText ToDecimalText(double value, int significant) {
    // Scientific form with significant - 1 decimals gives the correctly rounded digits, the same
    // ones "%.15g" (or "%.7g") shows, but never depends on the process's C locale.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::scientific, significant - 1);
    if (error != std::errc{}) {
        throw NumberFormatError("The value cannot be written as a number.");
    }
    DecimalText text;
    const char* at = buffer;
    if (*at == '-') {
        text.negative = true;
        ++at;
    }
    for (; at != end && *at != 'e'; ++at) {
        if (*at != '.') {
            text.digits.push_back(*at);
        }
    }
    int exponent = 0;
    std::from_chars(at + 1 + (at[1] == '+' ? 1 : 0), end, exponent);
    text.pointPosition = exponent + 1;
    return text;
}

// Adds one unit in the last place of a string of decimal digits; returns true on a carry out of
// the first digit.
bool IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

std::string FormatDecimalText(const DecimalText& text, int decimals, const NumberLocale& locale) {
    // Lay the digits out as an integer part and a fraction.
    std::string whole;
    std::string fraction;
    if (text.pointPosition <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-text.pointPosition), '0') + text.digits;
    } else if (static_cast<std::size_t>(text.pointPosition) >= text.digits.size()) {
        whole = text.digits +
                std::string(static_cast<std::size_t>(text.pointPosition) - text.digits.size(), '0');
    } else {
        whole = text.digits.substr(0, static_cast<std::size_t>(text.pointPosition));
        fraction = text.digits.substr(static_cast<std::size_t>(text.pointPosition));
    }

    // Round the text, not the binary value: only the first dropped digit decides, halves go away
    // from zero.
    const auto places = static_cast<std::size_t>(decimals);
    if (fraction.size() > places) {
        const bool roundUp = fraction[places] >= '5';
        fraction.resize(places);
        if (roundUp && IncrementDigits(fraction) && IncrementDigits(whole)) {
            whole.insert(whole.begin(), '1');
        }
    }
    fraction.resize(places, '0');

    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);

    const bool zero = whole == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string result;
    if (text.negative && !zero) {
        result.push_back('-');
    }
    result.append(whole).append(locale.decimalSeparator).append(fraction);
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
    return ConvertNeutral<double>(NeutralFromFile(text), text);
}

float ParseFileSingle(std::string_view text) {
    return ConvertNeutral<float>(NeutralFromFile(text), text);
}

}  // namespace zarvek
