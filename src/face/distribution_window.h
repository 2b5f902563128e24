// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/number_shares.h"

#include <QWidget>

class QFormLayout;
class QLabel;

namespace ravelin {

class DistributionChart;
struct FormModel;
struct RunDistribution;

// How the run's composed numbers distribute: a chart of the counts, the
// chi-square test of evenness and the repeats against what chance gives.
// It follows the frequency grid; Escape closes it.
class DistributionWindow : public QWidget {
public:
    DistributionWindow(const FormModel& form, QWidget* owner);

    // Shows the run as the frequency grid now holds it.
    void follow();
    // The figures as text, the chart as a picture.
    void copy() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRun(const RunDistribution& run);

    const FormModel& form_;
    const NumberShares shares_;
    QFormLayout* figures_;
    QLabel* source_;
    DistributionChart* chart_;
    QLabel* numbers_;
    QLabel* chiSquare_;
    QLabel* degrees_;
    QLabel* pValue_;
    QLabel* pairs_;
    QLabel* threes_;
    QLabel* distinct_;
    QLabel* verdict_;
    std::string copied_;
};

} // namespace ravelin
