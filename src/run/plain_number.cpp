#include "run/plain_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ravelin {

namespace {
constexpr double wholeLimit = 9007199254740992.0; // 2^53
} // namespace

std::string plainNumber(double value)
{
    if (!std::isfinite(value))
        return "0";
    const double rounded = std::nearbyint(value);
    // Every count and spin position is far below 2^53: written as an integer
    // it has the same digits, for a fraction of the cost of a double.
    if (rounded > -wholeLimit && rounded < wholeLimit) {
        const auto whole = static_cast<long long>(rounded);
        if (whole == 0)
            return "0"; // a negative zero as well
        std::array<char, 24> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), whole);
        return std::string(digits.data(), result.ptr);
    }
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                      std::chars_format::fixed, 0);
    // nearbyint may leave a negative zero, which has no sign on the screen.
    std::string text(buffer.data(), result.ptr);
    return text == "-0" ? "0" : text;
}

} // namespace ravelin
