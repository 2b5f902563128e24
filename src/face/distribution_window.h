// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "evaluation/number_shares.h"
#include "tally/permanence_tally.h"

#include <QWidget>

#include <array>
#include <optional>

class QFormLayout;
class QLabel;
class QPushButton;
class QTableView;

namespace ravelin {

class DistributionChart;
struct DistributionFigures;
struct FormModel;
struct RunDistribution;
class TallyTableModel;

// How composed numbers distribute: a chart of the counts, the chi-square
// test of evenness and the repeats against what chance gives. It follows the
// run's frequency grid, or shows a tally of permanence files with their list
// until asked back to the run; Escape closes it.
class DistributionWindow : public QWidget {
public:
    DistributionWindow(const FormModel& form, QWidget* owner);

    // Shows the run as the frequency grid now holds it; a tally shown stays.
    void follow();
    // Shows the tally in place of the run, until "Zurück zum Lauf".
    void showTally(TallyResult tally);
    void backToRun();
    // The figures as text, the chart as a picture.
    void copy() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showRun(const RunDistribution& run);
    void showFigures(const DistributionFigures& figures,
                     const std::array<bool, wheel::numberCount>& marked);

    const FormModel& form_;
    const NumberShares shares_;
    QFormLayout* figures_;
    QLabel* source_;
    DistributionChart* chart_;
    QLabel* numbers_ = nullptr;
    QLabel* chiSquare_ = nullptr;
    QLabel* degrees_ = nullptr;
    QLabel* pValue_ = nullptr;
    QLabel* pairs_ = nullptr;
    QLabel* threes_ = nullptr;
    QLabel* distinct_ = nullptr;
    QLabel* verdict_ = nullptr;
    TallyTableModel* files_ = nullptr;
    QTableView* fileTable_ = nullptr;
    QPushButton* back_ = nullptr;
    std::optional<TallyResult> tally_;
    std::string copied_;
};

} // namespace ravelin
