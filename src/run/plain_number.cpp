#include "run/plain_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ravelin {

std::string plainNumber(double value)
{
    if (!std::isfinite(value))
        return "0";
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::nearbyint(value), std::chars_format::fixed, 0);
    // nearbyint may leave a negative zero, which has no sign on the screen.
    std::string text(buffer.data(), result.ptr);
    return text == "-0" ? "0" : text;
}

} // namespace ravelin
