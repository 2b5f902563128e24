// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstring>
#include <string_view>

namespace ravelin {

// Whether a control's text is already the one to be written. The texts of a
// run are mostly a few characters long and differ in length or in their last
// digit: those are compared from the back, inline, without a library call.
inline bool sameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    constexpr std::size_t shortText = 16;
    if (a.size() > shortText)
        return std::memcmp(a.data(), b.data(), a.size()) == 0;
    for (std::size_t i = a.size(); i-- > 0;)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace ravelin
