// SPDX-License-Identifier: GPL-3.0-or-later
#include "evaluation/run_distribution.h"

#include "evaluation/grid_counts.h"
#include "evaluation/number_shares.h"
#include "evaluation/repeat_chances.h"
#include "window/colour_meaning.h"
#include "window/form_model.h"
#include "window/run_mode.h"

#include <algorithm>

namespace ravelin {

RunDistribution runDistribution(const FormModel& form, const NumberShares& shares)
{
    const NumberCounts counts = countsFromGrid(form.tabelle1);
    const std::uint64_t numbers = total(counts.frequency);
    // The numbers of the run before the grid's last clear: those of the
    // rotations before, each a predecessor of this one's first numbers.
    const auto composed = static_cast<std::uint64_t>(std::max<int>(form.state.kombiwurf, 0));
    const std::uint64_t before = composed > numbers ? composed - numbers : 0;

    RunDistribution run;
    run.figures = distributionFigures(counts, repeatChances(numbers, before), shares);
    for (int n = 1; n <= wheel::lastNumber; ++n)
        run.marked[static_cast<std::size_t>(n)] = isMarkedNumber(form.tabelle1, n);
    run.withinRotation = form.Option1.isSelected(runmode::rotation37) || before > 0;
    if (run.withinRotation) {
        const std::string& shown = form.Lrotat.caption();
        run.rotation = shown.substr(0, shown.find('/'));
        run.distinct = static_cast<std::uint64_t>(std::count_if(
            counts.frequency.begin() + 1, counts.frequency.end(), [](auto c) { return c > 0; }));
        run.expectedDistinct = shares.expectedDistinct(numbers);
    }
    return run;
}

} // namespace ravelin
