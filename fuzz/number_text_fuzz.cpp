// libFuzzer target over the number text: the input is read as a grid-file number and as an entry
// field's number, and its first eight bytes as a double, which is written with every pattern.
// Each reading must give the correctly rounded value std::from_chars gives or refuse with
// NumberFormatError; each writing must give what the rule gives the long way, and read back.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "common/errors.h"
#include "common/number_text.h"
#include "support/long_way_pattern.h"

namespace {

using namespace zarvek;

void Require(bool condition, const char* what, std::string_view text) {
    if (!condition) {
        std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
        std::abort();
    }
}

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void CheckFileNumber(std::string_view text) {
    std::optional<double> value;
    try {
        value = ParseFileNumber(text);
    } catch (const NumberFormatError&) {
    }
    if (value) {
        Require(std::isfinite(*value), "a file number that is not finite", text);
        // The reference: the same text without blanks and "+", read by std::from_chars.
        std::string_view body = text;
        while (!body.empty() && body.front() == ' ') {
            body.remove_prefix(1);
        }
        while (!body.empty() && body.back() == ' ') {
            body.remove_suffix(1);
        }
        if (!body.empty() && body.front() == '+') {
            body.remove_prefix(1);
        }
        double reference = 0;
        const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), reference,
                                                  std::chars_format::fixed);
        if (error == std::errc{}) {
            Require(end == body.data() + body.size() && SameBits(*value, reference),
                    "a file number read otherwise than std::from_chars reads it", text);
        } else {
            Require(error == std::errc::result_out_of_range && *value == 0,
                    "a file number outside the range read as other than zero", text);
        }
    }
    if (const std::optional<LeadingNumber> leading = ReadLeadingFileNumber(text)) {
        Require(leading->length <= text.size(), "a leading number longer than the text", text);
        Require(SameBits(leading->value, ParseFileNumber(text.substr(0, leading->length))),
                "the quick way and the general way read a number differently", text);
    }
}

void CheckEntryNumber(std::string_view text) {
    for (const NumberLocale& locale :
         {NumberLocale{".", ","}, NumberLocale{",", "."}, NumberLocale{",", "\xC2\xA0"}}) {
        try {
            Require(std::isfinite(ParseLocaleNumber(text, locale)), "an entry not finite", text);
            Require(std::isfinite(ParseLocaleSingle(text, locale)), "an entry not finite", text);
        } catch (const NumberFormatError&) {
        }
    }
}

void CheckPatterns(double value, std::string_view input) {
    if (!std::isfinite(value)) {
        try {
            FormatPattern(value, 3, FileLocale());
            Require(false, "a value that is not finite written", input);
        } catch (const NumberFormatError&) {
        }
        return;
    }
    for (int decimals = 1; decimals <= 15; ++decimals) {
        const std::string text = FormatPattern(value, decimals, FileLocale());
        Require(text == test_support::LongWayPattern(value, decimals),
                "a pattern written otherwise than the rule gives it", text);
        if (PatternTextReadsBack(value)) {
            Require(std::isfinite(ParseFileNumber(text)),
                    "a written pattern that does not read back", text);
        } else {
            try {
                ParseFileNumber(text);
                Require(false, "a pattern said not to read back reads back", text);
            } catch (const NumberFormatError&) {
            }
        }
    }
    const float single = static_cast<float>(value);
    if (std::isfinite(single)) {
        const std::string text = FormatPatternSingle(single, 6, FileLocale());
        Require(std::isfinite(ParseFileSingle(text)), "a single that does not read back", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckFileNumber(text);
    CheckEntryNumber(text);
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckPatterns(value, text);
    }
    std::optional<double> read;
    try {
        read = ParseFileNumber(text);
    } catch (const NumberFormatError&) {
    }
    if (read) {
        CheckPatterns(*read, text);
    }
    return 0;
}
