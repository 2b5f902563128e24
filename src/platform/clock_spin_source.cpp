// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock_spin_source.h"

#include <chrono>

namespace ravelin {

void ClockSpinSource::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(now));
}

float ClockSpinSource::next()
{
    // 24 random bits over 2^24: every value lies strictly below 1, which
    // std::generate_canonical<float> does not promise.
    const auto bits = static_cast<std::uint32_t>(engine_() >> 40);
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

} // namespace ravelin
