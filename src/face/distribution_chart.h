// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/wheel.h"

#include <QWidget>

#include <array>
#include <cstdint>

namespace ravelin {

// A bar for each number 1 to 36 with its count, a line at the count each is
// expected to have, and an axis of counts. Marked numbers are hatched, in
// the marks' green, so they are told apart without colour too.
class DistributionChart : public QWidget {
public:
    explicit DistributionChart(QWidget* parent = nullptr);

    void showCounts(const std::array<std::uint64_t, wheel::numberCount>& counts,
                    const std::array<bool, wheel::numberCount>& marked, double expected);
    // Where the bar of a number stands, for a reader of the picture.
    QRect barOf(int number) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The count at the top of the axis: a round step above every bar and the line.
    std::uint64_t axisTop() const;
    QRect plotArea() const;

    std::array<std::uint64_t, wheel::numberCount> counts_{};
    std::array<bool, wheel::numberCount> marked_{};
    double expected_ = 0;
};

} // namespace ravelin
