#include "cli/lint_numbers.h"

#include <cmath>

#include "common/number_text.h"

namespace zarvek::cli {
namespace {

constexpr int kSeatLengthDecimals = 3;
constexpr int kDirectionLengthDecimals = 7;
constexpr int kHeaderDecimals = 6;

std::optional<std::string> Fixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return FormatPattern(value, decimals, FileLocale());
}

std::optional<std::string> FixedSingle(float value, int decimals) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return FormatPatternSingle(value, decimals, FileLocale());
}

}  // namespace

std::string SeatLengthText(double length) {
    return SeatLengthJson(length).value_or("?");
}

std::string_view SeatLengthText(double length, NumberRoom& room) {
    if (!std::isfinite(length)) {
        return "?";
    }
    const char* const end = FormatFilePattern(room.data(), length, kSeatLengthDecimals);
    return std::string_view(room.data(), static_cast<std::size_t>(end - room.data()));
}

std::string DirectionLengthText(double length) {
    return DirectionLengthJson(length).value_or("?");
}

std::string HeaderNumberText(float value) {
    return HeaderNumberJson(value).value_or("?");
}

std::optional<std::string> SeatLengthJson(double length) {
    return Fixed(length, kSeatLengthDecimals);
}

std::optional<std::string> DirectionLengthJson(double length) {
    return Fixed(length, kDirectionLengthDecimals);
}

std::optional<std::string> HeaderNumberJson(float value) {
    return FixedSingle(value, kHeaderDecimals);
}

}  // namespace zarvek::cli
