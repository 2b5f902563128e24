// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/german_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace ravelin {

namespace {

constexpr char thousandsMark = '.';
constexpr char decimalMark = ',';
constexpr double smallestProbabilityShown = 0.001;
constexpr int significantDigits = 3;

// Digits with a mark before every group of three from the right.
std::string grouped(std::string_view digits)
{
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += thousandsMark;
        out += digits[i];
    }
    return out;
}

} // namespace

std::string germanCount(std::uint64_t count)
{
    std::array<char, 24> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), count).ptr;
    return grouped(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

std::string germanDecimal(double value, int decimals)
{
    if (!std::isfinite(value))
        return "-";
    // to_chars, unlike printf, never writes the decimal mark of the locale.
    std::array<char, 400> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals)
                          .ptr;
    std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    std::string out;
    if (text.starts_with('-')) {
        out += '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    out += grouped(text.substr(0, point));
    if (point != std::string_view::npos) {
        out += decimalMark;
        out += text.substr(point + 1);
    }
    return out;
}

std::string germanProbability(double p)
{
    if (p < smallestProbabilityShown)
        return "< " + germanDecimal(smallestProbabilityShown, 3);
    // The places follow the power of ten after rounding, so 0.09996 shows
    // as "0,100", not as "0,1000".
    std::array<char, 32> buffer{};
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), p,
                                    std::chars_format::scientific, significantDigits - 1)
                          .ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    int power = 0;
    const std::string_view exponent = text.substr(text.find('e') + 1);
    std::from_chars(exponent.data() + (exponent.starts_with('+') ? 1 : 0),
                    exponent.data() + exponent.size(), power);
    return germanDecimal(p, std::max(0, significantDigits - 1 - power));
}

} // namespace ravelin
