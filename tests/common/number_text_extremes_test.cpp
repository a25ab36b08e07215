// Numbers at the edges of the quick ways of writing and reading them: texts of 15 significant
// digits against longer ones, the ends of the double range, carries through every digit.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "common/number_text.h"

namespace zarvek {
namespace {

const NumberLocale kPoint{".", ""};

TEST(FormatPattern, ValuesWhoseShortestTextIsLongerThanFifteenDigitsRoundTheFifteenDigitText) {
    const struct {
        double value;
        int decimals;
        const char* expected;
    } cases[] = {
        // Shortest text 2.0004999999999997; its 15-digit text 2.00050000000000 rounds up.
        {2.0004999999999997, 3, "2.001"},
        // 0.1 + 0.2 is 0.30000000000000004 at 17 digits, 0.300000000000000 at 15.
        {0.1 + 0.2, 15, "0.300000000000000"},
        {0.1 + 0.2, 1, "0.3"},
        // 15 digits exactly: written as they are.
        {0.123456789012345, 15, "0.123456789012345"},
        {123456789.012345, 6, "123456789.012345"},
        // Carries through every digit, and into a new first digit.
        {9.9999995, 6, "10.000000"},
        {-999.9995, 3, "-1000.000"},
        {0.99999999999999989, 15, "1.000000000000000"},
        // Too small to show, of either sign: zero without a minus sign.
        {std::numeric_limits<double>::denorm_min(), 15, "0.000000000000000"},
        {-std::numeric_limits<double>::denorm_min(), 15, "0.000000000000000"},
        {-0.00000049, 6, "0.000000"},
        {-0.0000005, 6, "-0.000001"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.decimals, kPoint), c.expected) << c.value;
    }
}

TEST(FormatPattern, LargestDoubleIsWrittenInFull) {
    const std::string text = FormatPattern(std::numeric_limits<double>::max(), 15, kPoint);
    // The 15-digit text 1.79769313486232e308: those digits, 294 zeros, the point, 15 zeros.
    EXPECT_EQ(text, "179769313486232" + std::string(294, '0') + "." + std::string(15, '0'));
    EXPECT_EQ(FormatPattern(-1e308, 1, kPoint), "-1" + std::string(308, '0') + ".0");
}

// The value std::from_chars reads from `text`, the correctly rounded one.
double Reference(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST(ParseFileNumber, EveryLengthOfDigitsReadsToTheCorrectlyRoundedValue) {
    for (const std::string text :
         {"0.1", "1.0000000", "-0.5773503", "999999999999999", "0.123456789012345",
          "-123456.789012345",
          // 16 and 17 significant digits: beyond the exact short way.
          "9007199254740993", "0.1234567890123456", "123456789012345.67",
          // 22 decimals, the most powers of ten hold exactly, and 23.
          "0.0000000000000000000001", "0.00000000000000000000001", "1.0000000000000000000001",
          "000000000000000000000000000000.5"}) {
        const double read = ParseFileNumber(text);
        const double expected = Reference(text);
        EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0)
            << text << ": " << read << " instead of " << expected;
    }
    EXPECT_TRUE(std::signbit(ParseFileNumber("-0")));
    EXPECT_TRUE(std::signbit(ParseFileNumber("-0.000")));
}

}  // namespace
}  // namespace zarvek
