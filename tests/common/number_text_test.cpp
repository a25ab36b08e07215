#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "common/errors.h"

namespace zarvek {
namespace {

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};

struct FormatCase {
    double value;
    int decimals;
    const char* expected;
};

TEST(FormatPattern, RoundsTheTextNotTheBinaryValue) {
    const FormatCase cases[] = {
        // printf("%.3f", 1.0005) gives 1.000: the binary value lies below the half.
        {1.0005, 3, "1.001"},
        {2.0004999999999997, 3, "2.001"},
        {10, 3, "10.000"},
        {1.5, 3, "1.500"},
        {0.5, 3, "0.500"},
        {-0.5, 3, "-0.500"},
        {0, 7, "0.0000000"},
        {1, 7, "1.0000000"},
        {-0.57735026918962573, 7, "-0.5773503"},
        {0.57735026918962573, 7, "0.5773503"},
        {12.3456, 3, "12.346"},
        {-40.125, 3, "-40.125"},
        {0.70710678, 6, "0.707107"},
        {-0.70710678118654757, 5, "-0.70711"},
        {1, 5, "1.00000"},
        {-2.5, 4, "-2.5000"},
        {9.9995, 3, "10.000"},
        {-9.9995, 3, "-10.000"},
        {0.00049999, 3, "0.000"},
        {0.0005, 3, "0.001"},
        {1e-5, 4, "0.0000"},
        {1.5e-5, 4, "0.0000"},
        {5e-5, 4, "0.0001"},
        {123456789012345678.0, 3, "123456789012346000.000"},
        // A negative value that rounds to zero carries no minus sign.
        {-0.0001, 3, "0.000"},
        {-0.0, 3, "0.000"},
        {-0.000004, 5, "0.00000"},
        {-0.0005, 3, "-0.001"}};
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatPattern(c.value, c.decimals, kPoint), c.expected) << c.value;
    }
}

TEST(FormatPatternSingle, UsesTheSevenDigitTextOfTheFloat) {
    EXPECT_EQ(FormatPatternSingle(6.35f, 6, kPoint), "6.350000");
    EXPECT_EQ(FormatPatternSingle(3.1f, 6, kPoint), "3.100000");
    EXPECT_EQ(FormatPatternSingle(6.0f, 6, kPoint), "6.000000");
    EXPECT_EQ(FormatPatternSingle(1.5f, 6, kPoint), "1.500000");
    // The double nearest to 6.35f is 6.349999904632568; through 15 digits it would stay 6.350000
    // at six places too, but at seven digits 0.1234567f must not pick up float noise.
    EXPECT_EQ(FormatPatternSingle(0.1234567f, 7, kPoint), "0.1234567");
    // 1.0005f lies below 1.0005, but its seven-digit text is 1.000500, which rounds up.
    EXPECT_EQ(FormatPatternSingle(1.0005f, 3, kPoint), "1.001");
}

TEST(FormatPattern, WritesTheLocaleDecimalSeparator) {
    EXPECT_EQ(FormatPattern(-0.5773503, 7, kComma), "-0,5773503");
    EXPECT_EQ(FormatPattern(1234567.5, 3, kComma), "1234567,500");
    EXPECT_EQ(FormatPatternSingle(6.35f, 6, kComma), "6,350000");
}

// The process's C locale (set from the environment by the window toolkit) must not leak into the
// digits: the pattern decides the separator, nothing else.
TEST(FormatPattern, IgnoresTheProcessCLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    const std::string formatted = FormatPattern(1.0005, 3, kPoint);
    const std::string single = FormatPatternSingle(6.35f, 6, kPoint);
    const double parsed = ParseLocaleNumber("1.5", kPoint);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(formatted, "1.001");
    EXPECT_EQ(single, "6.350000");
    EXPECT_EQ(parsed, 1.5);
}

TEST(FormatPattern, RefusesPatternsOutsideOneToFifteenDecimals) {
    EXPECT_THROW(FormatPattern(1, 0, kPoint), std::invalid_argument);
    EXPECT_THROW(FormatPattern(1, 16, kPoint), std::invalid_argument);
}

TEST(FormatPattern, RefusesValuesThatAreNotFinite) {
    EXPECT_THROW(FormatPattern(std::numeric_limits<double>::infinity(), 3, kPoint),
                 NumberFormatError);
    EXPECT_THROW(FormatPattern(std::nan(""), 3, kPoint), NumberFormatError);
}

struct ParseCase {
    const char* text;
    double expected;
};

TEST(ParseLocaleNumber, ReadsTheLocaleSeparatorsAndSkipsGroups) {
    const struct {
        const NumberLocale& locale;
        const char* text;
        double expected;
    } cases[] = {
        {kPoint, "1.5", 1.5},        {kPoint, "1,5", 15},   {kPoint, "-2.5", -2.5},
        {kPoint, ".5", 0.5},         {kPoint, "5.", 5},     {kPoint, "1,234.5", 1234.5},
        {kPoint, "0.0000", 0},       {kPoint, "-0", 0},     {kPoint, "007", 7},
        {kComma, "1,5", 1.5},        {kComma, "1.5", 15},   {kComma, "-0,70711", -0.70711},
        {kComma, "1.234,5", 1234.5}, {kComma, ",25", 0.25},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseLocaleNumber(c.text, c.locale), c.expected)
            << c.text << " with decimal separator " << c.locale.decimalSeparator;
    }
}

TEST(ParseLocaleNumber, NeverTurnsANonNumberIntoZero) {
    const struct {
        const NumberLocale& locale;
        const char* text;
    } cases[] = {
        {kPoint, ""},     {kPoint, "-"},   {kPoint, "1-2"}, {kPoint, "--1..2"}, {kPoint, "--1"},
        {kPoint, "1..2"}, {kPoint, " 1"},  {kPoint, "1 "},  {kPoint, "+5"},     {kPoint, "1e3"},
        {kPoint, "5mm"},  {kPoint, ","},   {kPoint, "."},   {kPoint, "-."},     {kPoint, "nan"},
        {kPoint, "inf"},  {kComma, ""},    {kComma, "-"},   {kComma, "1-2"},    {kComma, "1,,2"},
        {kComma, "."},    {kComma, "1e3"}, {kComma, "-,"},  {kComma, "1,2,3"},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(ParseLocaleNumber(c.text, c.locale), NumberFormatError)
            << '"' << c.text << "\" with decimal separator " << c.locale.decimalSeparator;
    }
}

TEST(ParseLocaleNumber, ReadsSeparatorsOfMoreThanOneByte) {
    const NumberLocale swiss{".", "\u2019"};   // right single quotation mark, three bytes
    const NumberLocale french{",", "\u202f"};  // narrow no-break space
    const NumberLocale odd{"<>", ""};          // no grouping at all
    EXPECT_EQ(ParseLocaleNumber("1\u2019234.5", swiss), 1234.5);
    EXPECT_EQ(ParseLocaleNumber("1\u202f234,5", french), 1234.5);
    EXPECT_EQ(ParseLocaleNumber("-12<>5", odd), -12.5);
    EXPECT_EQ(FormatPattern(2.5, 3, odd), "2<>500");
    EXPECT_THROW(ParseLocaleNumber("1\xe2\x80", swiss), NumberFormatError);  // cut-off separator
    EXPECT_THROW(ParseLocaleNumber("1<2", odd), NumberFormatError);
    EXPECT_THROW(ParseLocaleNumber("1,5", odd), NumberFormatError);
}

TEST(ParseLocaleNumber, ReadsValuesBelowTheSmallestDoubleAsZero) {
    EXPECT_EQ(ParseLocaleNumber("0." + std::string(400, '0') + "1", kPoint), 0.0);
    EXPECT_EQ(ParseLocaleSingle("0." + std::string(60, '0') + "1", kPoint), 0.0f);
}

TEST(ParseLocaleNumber, RefusesOverflowInsteadOfInfinity) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_THROW(ParseLocaleNumber(huge, kPoint), NumberFormatError);
    EXPECT_THROW(ParseLocaleSingle("1" + std::string(40, '0'), kPoint), NumberFormatError);
}

TEST(ParseLocaleSingle, RoundsOnceToTheNearestFloat) {
    EXPECT_EQ(ParseLocaleSingle("3.1", kPoint), 3.1f);
    EXPECT_EQ(ParseLocaleSingle("3", kPoint), ParseLocaleSingle("3.000", kPoint));
    EXPECT_NE(ParseLocaleSingle("3.0001", kPoint), 3.0f);
    EXPECT_EQ(ParseLocaleSingle("6,35", kComma), 6.35f);
}

TEST(ParseFileNumber, ReadsPointDecimalsInEveryLocale) {
    const ParseCase cases[] = {
        {"12.345", 12.345}, {"-40.125", -40.125}, {"0.0000000", 0}, {"-0.000", 0},
        {"1", 1},           {" 6.35 ", 6.35},     {"+2", 2},        {".5", 0.5}};
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseFileNumber(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(ParseFileSingle("6.35"), 6.35f);
}

TEST(ParseFileNumber, RefusesWhatTheWriterNeverWrites) {
    for (const char* text : {"", " ", "1,5", "nan", "inf", "-inf", "1e3", "1.2.3", "--1", "-",
                             "0x10", "1 2", "1.5:"}) {
        EXPECT_THROW(ParseFileNumber(text), NumberFormatError) << '"' << text << '"';
    }
    EXPECT_THROW(ParseFileNumber("1" + std::string(400, '0')), NumberFormatError);
    EXPECT_THROW(ParseFileSingle("1" + std::string(40, '0')), NumberFormatError);
}

}  // namespace
}  // namespace zarvek
