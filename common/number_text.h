#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zarvek {

// The separators of the user's locale, passed in rather than read from a global so that every
// locale can be exercised in tests. Separators are UTF-8 text (a group separator may be a
// non-breaking space). An empty group separator means the locale groups no digits.
struct NumberLocale {
    std::string decimalSeparator = ".";
    std::string groupSeparator = ",";
};

// The neutral form of the grid file: "." for decimals, no grouping.
inline NumberLocale FileLocale() {
    return NumberLocale{".", ""};
}

// Formats `value` with the pattern "0." followed by `decimals` placeholders, the last one "0"
// ("0.##0" is decimals = 3). The value is first turned into its correctly rounded decimal text of
// at most 15 significant digits, and that text is rounded to `decimals` places, halves away from
// zero: 1.0005 gives "1.001". Exactly `decimals` digits follow the separator, at least one digit
// precedes it, there is no grouping, and a value that rounds to zero has no minus sign.
// Throws NumberFormatError for a value that is not finite, std::invalid_argument for `decimals`
// outside 1 to 15. The result never depends on the process's C locale.
std::string FormatPattern(double value, int decimals, const NumberLocale& locale);

// As above for a single-precision value, taken from its text of at most 7 significant digits, so
// that a stored 6.35f gives "6.350000" and not the longer expansion of the nearest float.
std::string FormatPatternSingle(float value, int decimals, const NumberLocale& locale);

// Whether the text FormatPattern gives `value` reads back as a number (ParseFileNumber): false for
// a value that is not finite, and for the few largest doubles, whose 15-digit text
// (1.79769313486232e308) lies beyond the largest double.
bool PatternTextReadsBack(double value);

// The most characters FormatFilePattern writes: a minus sign, the 309 whole digits of the largest
// double, the point and 15 decimals.
inline constexpr std::size_t kLongestPatternText = 1 + 309 + 1 + 15;

// FormatPattern with "." as the separator (FileLocale), written at `out` without allocating, for
// writers that fill one buffer. `out` must have room for kLongestPatternText characters; returns
// the end of what was written. Throws as FormatPattern does.
char* FormatFilePattern(char* out, double value, int decimals);

// Reads a number the way an entry field is read: an optional leading "-", then digits with at most
// one decimal separator of `locale`; the locale's group separator is skipped wherever it stands
// ("1,5" is fifteen where the group separator is ","). Anything else (empty, "-", "1-2", blanks,
// letters, "+", exponents) and any value too large for the type throw NumberFormatError; a value
// too close to zero for the type reads as zero.
double ParseLocaleNumber(std::string_view text, const NumberLocale& locale);

// As ParseLocaleNumber, rounded once, directly from the text, to single precision.
float ParseLocaleSingle(std::string_view text, const NumberLocale& locale);

// Reads a number of the grid file: "." as the decimal separator in every locale, an optional
// leading sign, no grouping, no exponent, surrounding blanks ignored. "nan", "inf" and values
// too large for the type throw NumberFormatError; a value too close to zero for the type reads as
// zero. Reads the text where it is: nothing is allocated unless the text is refused.
double ParseFileNumber(std::string_view text);
float ParseFileSingle(std::string_view text);

// The number a text starts with, in the form the grid-file writer gives it: an optional "-",
// digits, and a "." with digits. `length` is where the first other character is.
struct LeadingNumber {
    double value = 0;
    std::size_t length = 0;
    std::size_t wholeDigits = 0;  // the digits before the point
    std::size_t decimals = 0;     // the digits after it
};

// Reads the number at the start of `text`, for readers that split and convert in one scan. Gives
// the value ParseFileNumber gives for text[0, length), or nothing when the text starts with no
// digits, with a blank or "+", or with more digits than this quick way reads exactly: the caller
// then takes ParseFileNumber.
std::optional<LeadingNumber> ReadLeadingFileNumber(std::string_view text);

}  // namespace zarvek
