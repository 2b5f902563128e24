// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>

namespace ravelin::wheel {

// The numbers of the single-zero wheel run from the zero to this one.
inline constexpr int lastNumber = 36;
inline constexpr int numberCount = lastNumber + 1;

// "Rotation/37" needs a whole rotation of spins still to come.
inline constexpr double spinsPerRotation = numberCount;

// The spin log has one row per triple; a run never composes more.
inline constexpr int logRows = 5000;

// The spin a value read from a permanence gives: rounded to the nearest,
// halves to even. Anything that is no number of the wheel gives 0, and a run
// passes over it like a zero.
inline std::int16_t spinOf(double value)
{
    const double spin = std::nearbyint(value);
    if (!(spin >= 0 && spin <= lastNumber))
        return 0;
    return static_cast<std::int16_t>(spin);
}

} // namespace ravelin::wheel
