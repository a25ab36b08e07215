// Numbers at the edges of the quick ways of writing and reading them: texts of 15 significant
// digits against longer ones, the ends of the double range, carries through every digit.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "common/errors.h"
#include "common/number_text.h"
#include "support/long_way_pattern.h"

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

// The text of the largest doubles rounds beyond the range: the writer must know before it writes
// a number no reader reads back.
TEST(PatternTextReadsBack, OnlyForFiniteValuesWhoseTextStaysInRange) {
    const double largest = std::numeric_limits<double>::max();
    const double belowLargest = std::nextafter(largest, 0.0);
    const double lastReadable = 1.79769313486231e308;
    const struct {
        double value;
        bool readsBack;
    } cases[] = {
        {0, true},
        {-12.345, true},
        {1e308, true},
        {lastReadable, true},
        {-lastReadable, true},
        {belowLargest, false},
        {largest, false},
        {-largest, false},
        {std::numeric_limits<double>::infinity(), false},
        {std::numeric_limits<double>::quiet_NaN(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PatternTextReadsBack(c.value), c.readsBack) << c.value;
        if (std::isfinite(c.value)) {
            const std::string text = FormatPattern(c.value, 3, kPoint);
            if (c.readsBack) {
                EXPECT_NO_THROW(ParseFileNumber(text)) << text;
            } else {
                EXPECT_THROW(ParseFileNumber(text), NumberFormatError) << text;
            }
        }
    }
}

TEST(FormatPattern, LargestDoubleIsWrittenInFull) {
    const std::string text = FormatPattern(std::numeric_limits<double>::max(), 15, kPoint);
    // The 15-digit text 1.79769313486232e308: those digits, 294 zeros, the point, 15 zeros.
    EXPECT_EQ(text, "179769313486232" + std::string(294, '0') + "." + std::string(15, '0'));
    EXPECT_EQ(FormatPattern(-1e308, 1, kPoint), "-1" + std::string(308, '0') + ".0");
}

// The quick ways (a decimal read back, the 15-digit text in integers) must give exactly what the
// long way gives: random values of every size, decimals of every pattern, values on and next to
// the halves where rounding turns.
TEST(FormatPattern, QuickWaysAgreeWithTheLongWay) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-7.0, 17.0);
    std::uniform_int_distribution<int> units(0, 99999999);
    int compared = 0;
    for (const int decimals : {1, 3, 4, 5, 6, 7, 10, 15}) {
        for (int i = 0; i < 4000; ++i) {
            const double scale = std::pow(10.0, decimals);
            const double half = (units(random) + 0.5) / scale;
            for (const double value : {std::pow(10.0, exponent(random)), units(random) / scale,
                                       half, std::nextafter(half, 0.0), std::nextafter(half, 1e300),
                                       std::nextafter(units(random) / scale, 0.0)}) {
                for (const double signed_ : {value, -value}) {
                    ASSERT_EQ(FormatPattern(signed_, decimals, kPoint),
                              test_support::LongWayPattern(signed_, decimals))
                        << std::hexfloat << signed_ << " with " << decimals << " decimals";
                    ++compared;
                }
            }
        }
    }
    EXPECT_EQ(compared, 8 * 4000 * 12);
}

// A tie at the fifteenth digit goes to the even neighbour, as printf and std::to_chars round it.
TEST(FormatPattern, FifteenDigitTiesGoToTheEvenDigit) {
    EXPECT_EQ(FormatPattern(100000000000000.5, 1, kPoint), "100000000000000.0");
    EXPECT_EQ(FormatPattern(100000000000001.5, 1, kPoint), "100000000000002.0");
    EXPECT_EQ(FormatPattern(0.5000000000000005, 15, kPoint),
              test_support::LongWayPattern(0.5000000000000005, 15));
}

TEST(ReadLeadingFileNumber, ReadsThePlainNumberAtTheStartOrLeavesItToTheGeneralWay) {
    const struct {
        const char* text;
        std::optional<double> value;
        std::size_t length;
    } cases[] = {
        {"12.345\t-1", 12.345, 6},
        {"-0.5773503", -0.5773503, 10},
        {"7", 7, 1},
        {"5.\t", 5, 2},
        {".5x", 0.5, 2},
        {"1.2.3", 1.2, 3},
        {"", std::nullopt, 0},
        {"-", std::nullopt, 0},
        {".", std::nullopt, 0},
        {" 1", std::nullopt, 0},
        {"+1", std::nullopt, 0},
        {"1e3", 1, 1},
        // More digits than the exact short way holds: the general way reads them.
        {"9007199254740993", std::nullopt, 0},
        {"0.00000000000000000000001", std::nullopt, 0},
    };
    for (const auto& c : cases) {
        const std::optional<LeadingNumber> read = ReadLeadingFileNumber(c.text);
        ASSERT_EQ(read.has_value(), c.value.has_value()) << c.text;
        if (read) {
            EXPECT_EQ(read->value, *c.value) << c.text;
            EXPECT_EQ(read->length, c.length) << c.text;
        }
    }
    EXPECT_TRUE(std::signbit(ReadLeadingFileNumber("-0.000")->value));
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
    // Closer to zero than a double holds: a zero that keeps the minus sign.
    EXPECT_TRUE(std::signbit(ParseFileNumber("-0." + std::string(400, '0') + "1")));
}

}  // namespace
}  // namespace zarvek
