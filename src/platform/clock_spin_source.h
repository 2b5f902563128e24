// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/platform.h"

#include <cstdint>
#include <random>

namespace ravelin {

// The computer's spins: a generator seeded from the clock at start-up.
class ClockSpinSource : public SpinSource {
public:
    void seedFromClock() override;
    // Uniform in [0, 1), never 1.
    float next() override;

private:
    std::mt19937_64 engine_{0x5eed};
};

} // namespace ravelin
