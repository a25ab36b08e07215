#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zarvek::test_support {

// The number rule written out the long way, apart from the code under test: the value's 15-digit
// text as printf gives it, then that text rounded to `decimals` places, halves away from zero.
inline std::string LongWayPattern(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", value);  // "-d.dddddddddddddde+XX"
    const bool negative = text[0] == '-';
    const char* at = text + (negative ? 1 : 0);
    const std::string digits = std::string(1, at[0]) + std::string(at + 2, 14);
    const int exponent = std::atoi(at + 17);  // digit i stands for 10^(exponent - i)
    const auto digit = [&](int position) {
        const int i = exponent - position;
        return i >= 0 && i < 15 ? digits[static_cast<std::size_t>(i)] : '0';
    };
    std::string units;
    for (int position = std::max(exponent, 0); position >= -decimals; --position) {
        units += digit(position);
    }
    if (digit(-decimals - 1) >= '5') {
        auto k = static_cast<long>(units.size()) - 1;
        for (; k >= 0 && units[static_cast<std::size_t>(k)] == '9'; --k) {
            units[static_cast<std::size_t>(k)] = '0';
        }
        if (k < 0) {
            units.insert(0, "1");
        } else {
            ++units[static_cast<std::size_t>(k)];
        }
    }
    while (units.size() > static_cast<std::size_t>(decimals) + 1 && units[0] == '0') {
        units.erase(0, 1);
    }
    const bool zero = units.find_first_not_of('0') == std::string::npos;
    const std::size_t point = units.size() - static_cast<std::size_t>(decimals);
    return (negative && !zero ? "-" : "") + units.substr(0, point) + "." + units.substr(point);
}

}  // namespace zarvek::test_support
