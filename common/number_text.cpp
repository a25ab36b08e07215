#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// Writes the text rounded to `decimals` places, with "." as the separator, at `out` and returns its
// end. The digits are laid
// out as a whole part of at least one digit and `decimals` fraction digits, all in one row after a
// spare place for a carry: row[1 + wholeDigits - 1 + j] is fraction digit j. A double has at most
// 309 whole digits.
char* WriteDecimalText(char* out, const DecimalText& text, int decimals) {
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
    if (text.negative && !zero) {
        *out++ = '-';
    }
    out = std::copy(row.data() + first, row.data() + fractionStart, out);
    *out++ = '.';
    return std::copy(row.data() + fractionStart, row.data() + length, out);
}

constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// A product of two 64-bit numbers, exact.
struct Wide {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    static Wide Product(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t a0 = a & 0xFFFFFFFFu;
        const std::uint64_t a1 = a >> 32;
        const std::uint64_t b0 = b & 0xFFFFFFFFu;
        const std::uint64_t b1 = b >> 32;
        const std::uint64_t p00 = a0 * b0;
        const std::uint64_t p01 = a0 * b1;
        const std::uint64_t p10 = a1 * b0;
        const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
        return Wide{a1 * b1 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
                    (middle << 32) | (p00 & 0xFFFFFFFFu)};
    }

    bool Bit(int at) const { return ((at < 64 ? low >> at : high >> (at - 64)) & 1) != 0; }

    // Whether any of the bits below `at` is set.
    bool AnyBelow(int at) const {
        if (at <= 64) {
            return at == 64 ? low != 0 : (low & ((std::uint64_t{1} << at) - 1)) != 0;
        }
        return low != 0 || (high & ((std::uint64_t{1} << (at - 64)) - 1)) != 0;
    }

    // The bits from `at` (1 to 116) up; the caller knows they fit.
    std::uint64_t From(int at) const {
        if (at >= 64) {
            return high >> (at - 64);
        }
        return (high << (64 - at)) | (low >> at);
    }
};

constexpr std::array<std::uint64_t, 20> kIntegerPowersOfTen = {1ull,
                                                               10ull,
                                                               100ull,
                                                               1000ull,
                                                               10000ull,
                                                               100000ull,
                                                               1000000ull,
                                                               10000000ull,
                                                               100000000ull,
                                                               1000000000ull,
                                                               10000000000ull,
                                                               100000000000ull,
                                                               1000000000000ull,
                                                               10000000000000ull,
                                                               100000000000000ull,
                                                               1000000000000000ull,
                                                               10000000000000000ull,
                                                               100000000000000000ull,
                                                               1000000000000000000ull,
                                                               10000000000000000000ull};

// "00" to "99".
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the last `count` digits of `units` (zeros where it has fewer) backwards, ending just
// before `end`; returns where they start and leaves the digits above them in `units`.
template <typename Unsigned>
char* WriteDigitsBackwards(char* end, Unsigned& units, int count) {
    for (; count >= 2; count -= 2) {
        const Unsigned pair = units % 100;
        units /= 100;
        end -= 2;
        std::memcpy(end, &kDigitPairs[static_cast<std::size_t>(2 * pair)], 2);
    }
    if (count == 1) {
        *--end = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    return end;
}

// Writes `units` as a number with `decimals` decimals at `out`, "-" first when `negative` and the
// units are not zero, and returns the end. The text is made backwards in a small buffer and
// copied in one piece: `out` has room for kLongestPatternText characters.
template <typename Unsigned>
char* WriteUnitsAs(char* out, Unsigned units, int decimals, bool negative) {
    static_assert(kLongestPatternText >= 32);
    const bool zero = units == 0;
    char buffer[64];
    char* const end = buffer + 32;
    char* at = WriteDigitsBackwards(end, units, decimals);
    *--at = '.';
    if (units == 0) {
        *--at = '0';
    }
    while (units != 0) {
        at = WriteDigitsBackwards(at, units, units >= 10 ? 2 : 1);
    }
    if (negative && !zero) {
        *--at = '-';
    }
    // At most 22 characters: copying 32 from a buffer of 64 is safe and costs one fixed move.
    std::memcpy(out, at, 32);
    return out + (end - at);
}

char* WriteUnits(char* out, std::uint64_t units, int decimals, bool negative) {
    // Most numbers fit 32 bits, whose divisions are cheaper.
    return units <= 0xFFFFFFFFu
               ? WriteUnitsAs(out, static_cast<std::uint32_t>(units), decimals, negative)
               : WriteUnitsAs(out, units, decimals, negative);
}

// The general way for a value from 1e-5 to below 1e15, without its cost: the value's 15-digit
// text D * 10^-k (D of exactly 15 digits) is computed exactly from the value's binary digits and
// exponent in 128-bit integers, rounded half to even as std::to_chars rounds, and then rounded to
// `decimals` places as the general way rounds the text. Gives nullptr, having written nothing,
// for values outside that range or results too long for 64 bits.
char* WriteFifteenDigitText(char* out, double value, int decimals) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-5 && magnitude < 1e15)) {
        return nullptr;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int binaryExponent = static_cast<int>(bits >> 52) - 1075;  // normal in this range
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = -binaryExponent;  // 3 to 70 in this range
    // magnitude lies in [2^(e), 2^(e + 1)), so its decimal exponent is near e * log10(2).
    int k = 14 - static_cast<int>(std::floor((binaryExponent + 52) * 0.30102999566398120));
    Wide product;
    std::uint64_t digits = 0;
    for (int tries = 0;; ++tries) {
        if (k < 0 || k >= static_cast<int>(kIntegerPowersOfTen.size()) || tries == 3) {
            return nullptr;
        }
        product = Wide::Product(mantissa, kIntegerPowersOfTen[static_cast<std::size_t>(k)]);
        digits = product.From(shift);
        if (digits >= kIntegerPowersOfTen[15]) {
            --k;
        } else if (digits < kIntegerPowersOfTen[14]) {
            ++k;
        } else {
            break;
        }
    }
    if (product.Bit(shift - 1) && (product.AnyBelow(shift - 1) || (digits & 1) != 0)) {
        ++digits;
        if (digits == kIntegerPowersOfTen[15]) {
            digits = kIntegerPowersOfTen[14];
            --k;
        }
    }
    // The text is digits * 10^-k; keep `decimals` places of it, the first dropped digit deciding.
    const int dropped = k - decimals;
    std::uint64_t units = 0;
    if (dropped <= 0) {
        if (dropped < -4) {
            return nullptr;  // beyond 64 bits
        }
        units = digits * kIntegerPowersOfTen[static_cast<std::size_t>(-dropped)];
    } else if (dropped <= 15) {
        units = digits / kIntegerPowersOfTen[static_cast<std::size_t>(dropped)];
        units +=
            digits / kIntegerPowersOfTen[static_cast<std::size_t>(dropped - 1)] % 10 >= 5 ? 1 : 0;
    }
    return WriteUnits(out, units, decimals, value < 0);
}

// Every value a grid file holds once read, and most others, is the double nearest to a decimal of
// at most `decimals` places and 15 significant digits. That decimal is then the value's 15-digit
// text (it lies within half a unit in the last place of the value, and 15-digit texts are further
// apart), and rounding it to `decimals` places keeps it: it is written as it is, without the
// general way. Gives nullptr, having written nothing, for every other value.
char* WriteExactDecimal(char* out, double value, int decimals) {
    const double scale = kPowersOfTen[static_cast<std::size_t>(decimals)];
    const double magnitude = std::fabs(value);
    // Below 10^15 units of the last place: at most 15 digits, every one exact in a double.
    if (!(magnitude < kPowersOfTen[static_cast<std::size_t>(15 - decimals)])) {
        return nullptr;
    }
    // Below 10^15: the signed conversion, a single instruction, holds it.
    const auto units =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(magnitude * scale + 0.5));
    // One correctly rounded division: equal only when that decimal reads back as the value.
    if (static_cast<double>(units) / scale != magnitude) {
        return nullptr;
    }
    return WriteUnits(out, units, decimals, value < 0);
}

// Most values that are no short decimal, such as lengths computed from seats, lie far from a tie
// at the last decimal kept: the general way's 15-digit text then rounds as the value itself does.
// That text is within half a unit of its fifteenth digit of the value, which is at most 5e-14 of
// the scaled value, so any value further than 1e-13 of it from a tie rounds alike. Gives nullptr,
// having written nothing, near a tie and for values too large for that margin to matter.
char* WriteFarFromTie(char* out, double value, int decimals) {
    const double scaled = std::fabs(value) * kPowersOfTen[static_cast<std::size_t>(decimals)];
    if (!(scaled < 1e12)) {
        return nullptr;
    }
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= scaled * 1e-13) {
        return nullptr;
    }
    const auto units = static_cast<std::uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return WriteUnits(out, units, decimals, value < 0);
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

// A file number's text, checked and read where it stands: surrounding blanks and a leading "+"
// are left out of `body`, which is an optional "-" and digits with at most one point, the text
// std::from_chars reads. While checking, the digits are gathered: when they make a whole number
// of at most 2^53 and there are at most 22 decimals, both that number and the power of ten are
// exact doubles, so one division gives the correctly rounded value, the one from_chars gives.
struct FileNumberText {
    std::string_view body;
    std::uint64_t digits = 0;  // meaningful only when isShort
    int decimals = 0;
    bool negative = false;
    bool isShort = false;
};

constexpr std::uint64_t kExactInteger = std::uint64_t{1} << 53;

constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// 0 to 9 for a digit, 10 or more for every other character.
unsigned DigitValue(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - unsigned{'0'};
}

FileNumberText ReadFileNumberText(std::string_view text) {
    const char* at = text.data();
    const char* end = at + text.size();
    while (at != end && *at == ' ') {
        ++at;
    }
    while (end != at && end[-1] == ' ') {
        --end;
    }
    FileNumberText number;
    if (at != end && *at == '+') {
        ++at;
    } else if (at != end && *at == '-') {
        number.negative = true;
        ++at;
    }
    const char* const bodyStart = number.negative ? at - 1 : at;
    const char* const wholeStart = at;
    for (unsigned value = 0; at != end && (value = DigitValue(*at)) < 10; ++at) {
        number.digits = number.digits * 10 + value;  // wraps only past 19 digits: not short
    }
    const auto wholeDigits = at - wholeStart;
    if (at != end && *at == '.') {
        const char* const fractionStart = ++at;
        for (unsigned value = 0; at != end && (value = DigitValue(*at)) < 10; ++at) {
            number.digits = number.digits * 10 + value;
        }
        number.decimals = static_cast<int>(at - fractionStart);
    }
    if (at != end || wholeDigits + number.decimals == 0) {
        throw NumberFormatError(Quoted(text) + " is not a number.");
    }
    number.body = std::string_view(bodyStart, static_cast<std::size_t>(end - bodyStart));
    number.isShort = wholeDigits + number.decimals <= 19 && number.digits <= kExactInteger &&
                     number.decimals <= 22;
    return number;
}

// Whether the neutral text "-123.45" has a non-zero digit before its point.
bool HasWholeDigits(std::string_view neutral) {
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

// Reads the neutral text "-123.45" (an optional "-", digits, at most one point), correctly
// rounded to T.
template <typename T>
T ConvertNeutral(std::string_view neutral, std::string_view original) {
    T value{};
    const auto [end, error] = std::from_chars(neutral.data(), neutral.data() + neutral.size(),
                                              value, std::chars_format::fixed);
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

// The text FormatFilePattern wrote between `begin` and `end`, with the locale's separator in place
// of its ".".
std::string WithSeparator(const char* begin, const char* end, const NumberLocale& locale) {
    const std::string_view written(begin, static_cast<std::size_t>(end - begin));
    if (locale.decimalSeparator == ".") {
        return std::string(written);
    }
    const std::size_t point = written.find('.');
    std::string text;
    text.reserve(written.size() + locale.decimalSeparator.size());
    text.append(written.substr(0, point))
        .append(locale.decimalSeparator)
        .append(written.substr(point + 1));
    return text;
}

}  // namespace

std::string FormatPattern(double value, int decimals, const NumberLocale& locale) {
    std::array<char, kLongestPatternText> buffer;
    return WithSeparator(buffer.data(), FormatFilePattern(buffer.data(), value, decimals), locale);
}

std::string FormatPatternSingle(float value, int decimals, const NumberLocale& locale) {
    RequireFormattable(value, decimals);
    std::array<char, kLongestPatternText> buffer;
    char* const end =
        WriteDecimalText(buffer.data(), ToDecimalText(static_cast<double>(value), 7), decimals);
    return WithSeparator(buffer.data(), end, locale);
}

bool PatternTextReadsBack(double value) {
    if (!std::isfinite(value)) {
        return false;
    }
    if (std::fabs(value) < 1e308) {
        return true;
    }
    const DecimalText text = ToDecimalText(value, 15);
    return text.pointPosition < 309 ||
           std::string_view(text.digits.data(), 15) < std::string_view("179769313486232");
}

char* FormatFilePattern(char* out, double value, int decimals) {
    RequireFormattable(value, decimals);
    if (char* end = WriteExactDecimal(out, value, decimals)) {
        return end;
    }
    if (char* end = WriteFarFromTie(out, value, decimals)) {
        return end;
    }
    if (char* end = WriteFifteenDigitText(out, value, decimals)) {
        return end;
    }
    return WriteDecimalText(out, ToDecimalText(value, 15), decimals);
}

double ParseLocaleNumber(std::string_view text, const NumberLocale& locale) {
    return ConvertNeutral<double>(NeutralFromLocale(text, locale), text);
}

float ParseLocaleSingle(std::string_view text, const NumberLocale& locale) {
    return ConvertNeutral<float>(NeutralFromLocale(text, locale), text);
}

std::optional<LeadingNumber> ReadLeadingFileNumber(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* at = begin;
    const bool negative = at != end && *at == '-';
    at += negative ? 1 : 0;
    std::uint64_t digits = 0;
    const char* const wholeStart = at;
    for (unsigned value = 0; at != end && (value = DigitValue(*at)) < 10; ++at) {
        digits = digits * 10 + value;  // wraps only past 19 digits: not read here
    }
    const auto wholeDigits = at - wholeStart;
    long decimals = 0;
    if (at != end && *at == '.') {
        const char* const fractionStart = ++at;
        for (unsigned value = 0; at != end && (value = DigitValue(*at)) < 10; ++at) {
            digits = digits * 10 + value;
        }
        decimals = at - fractionStart;
    }
    if (wholeDigits + decimals == 0 || wholeDigits + decimals > 19 || digits > kExactInteger ||
        decimals > 22) {
        return std::nullopt;
    }
    const double value =
        static_cast<double>(digits) / kExactPowersOfTen[static_cast<std::size_t>(decimals)];
    return LeadingNumber{negative ? -value : value, static_cast<std::size_t>(at - begin),
                         static_cast<std::size_t>(wholeDigits), static_cast<std::size_t>(decimals)};
}

double ParseFileNumber(std::string_view text) {
    const FileNumberText number = ReadFileNumberText(text);
    if (!number.isShort) {
        return ConvertNeutral<double>(number.body, text);
    }
    const double value = static_cast<double>(number.digits) /
                         kExactPowersOfTen[static_cast<std::size_t>(number.decimals)];
    return number.negative ? -value : value;
}

float ParseFileSingle(std::string_view text) {
    return ConvertNeutral<float>(ReadFileNumberText(text).body, text);
}

}  // namespace zarvek
