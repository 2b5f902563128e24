// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/wheel.h"
#include "evaluation/distribution_figures.h"

#include <array>
#include <cstdint>
#include <string>

namespace ravelin {

struct FormModel;
class NumberShares;

// The run's numbers as the frequency grid shows them: since its last clear,
// which in "Rotation/37" is the start of the current rotation.
struct RunDistribution {
    DistributionFigures figures;
    // Marked in the grid, index 0 unused.
    std::array<bool, wheel::numberCount> marked{};
    // The grid holds one rotation: which, as the window shows it, and its
    // distinct numbers against those expected among as many numbers.
    bool withinRotation = false;
    std::string rotation;
    std::uint64_t distinct = 0;
    double expectedDistinct = 0;
};

RunDistribution runDistribution(const FormModel& form, const NumberShares& shares);

} // namespace ravelin
