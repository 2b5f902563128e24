// SPDX-License-Identifier: GPL-3.0-or-later
// Every press of the whole run on the window, offscreen: the median and the
// slowest press, and whether presses slow down as the log fills.

#include "support/bench_platform.h"
#include "support/figures.h"
#include "support/window_run.h"

#include <QAction>
#include <QRadioButton>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>

using namespace ravelin;
using namespace ravelin::bench;

namespace {

struct RunFigures {
    double median = 0;
    double slowest = 0;
    double growth = 0;
    double medianWithPaint = 0;
    double slowestWithPaint = 0;
};

// The triples at either end of the run that the growth compares.
constexpr int growthTriples = 100;

// With the distribution window open beside it, which follows every press.
bool runOnce(RunFigures& figures, bool withDistribution = false)
{
    SeededSpins spins;
    YesConfirmation confirmation;
    NoFiles files;
    auto window = std::make_unique<Form1>(spins, confirmation, files);
    if (!showExposed(*window) || !prepareWindowRun(*window)) {
        std::fprintf(stderr, "the window did not show or did not take the run's settings\n");
        return false;
    }
    if (withDistribution) {
        window->actions().distribution().trigger();
        QCoreApplication::processEvents();
    }
    const std::vector<Press> presses = pressWindowUntilEnd(*window);
    if (window->model().state.kombiwurf != wholeRunTriples) {
        std::fprintf(stderr, "the run ended after %d triples, not at the log's bound\n",
                     window->model().state.kombiwurf);
        return false;
    }

    std::vector<double> all, first, last, allWithPaint;
    for (const Press& p : presses) {
        all.push_back(p.pressMs);
        allWithPaint.push_back(p.withPaintMs);
        if (p.triple < growthTriples)
            first.push_back(p.pressMs);
        else if (p.triple >= wholeRunTriples - growthTriples)
            last.push_back(p.pressMs);
    }
    figures.median = median(all);
    figures.slowest = *std::max_element(all.begin(), all.end());
    figures.growth = median(last) / median(first);
    figures.medianWithPaint = median(allWithPaint);
    figures.slowestWithPaint = *std::max_element(allWithPaint.begin(), allWithPaint.end());
    std::printf("run: %zu presses, median %.4f ms, slowest %.3f ms, growth %.3f; with painting: "
                "median %.4f ms, "
                "slowest %.3f ms\n",
                presses.size(), figures.median, figures.slowest, figures.growth,
                figures.medianWithPaint, figures.slowestWithPaint);
    return true;
}

// "Bis zum Ende" of the whole run in "Einzelschritt", with the painting
// after it; negative when the run did not reach the log's bound.
double runToEndMs()
{
    SeededSpins spins;
    YesConfirmation confirmation;
    NoFiles files;
    auto window = std::make_unique<Form1>(spins, confirmation, files);
    if (!showExposed(*window) || !prepareWindowRun(*window))
        return -1;
    window->findChild<QRadioButton*>(QStringLiteral("Option1_0"))->click();
    QCoreApplication::processEvents();
    const auto t0 = std::chrono::steady_clock::now();
    window->actions().runToEnd().trigger();
    QCoreApplication::processEvents();
    const auto t1 = std::chrono::steady_clock::now();
    if (window->model().state.kombiwurf != wholeRunTriples)
        return -1;
    const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    std::printf("Bis zum Ende: %d triples in %.2f ms\n", wholeRunTriples, ms);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int runs = 5;
    if (argc > 1)
        runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> medians, slowest, growth, mediansWithPaint, slowestWithPaint;
    for (int i = 0; i < runs; ++i) {
        RunFigures f;
        if (!runOnce(f))
            return 1;
        medians.push_back(f.median);
        slowest.push_back(f.slowest);
        growth.push_back(f.growth);
        mediansWithPaint.push_back(f.medianWithPaint);
        slowestWithPaint.push_back(f.slowestWithPaint);
    }

    const double m = median(medians), s = median(slowest), g = median(growth);
    // On a screen of twice the density every press paints four times the
    // pixels; there the press with its painting must still fit in a frame.
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (!scale.isEmpty() && scale != QLatin1String("1")) {
        const std::string at = " at scale " + scale.toStdString();
        const double mp = median(mediansWithPaint), sp = median(slowestWithPaint);
        printFigure("One press with the painting after it" + at + ": median (ms)",
                    format("%.3f", mp), "<= 16", mp <= 16);
        printFigure("One press with the painting after it" + at + ": slowest (ms)",
                    format("%.2f", sp), "<= 16", sp <= 16);
        std::vector<double> beside, inOneStep;
        for (int i = 0; i < runs; ++i) {
            RunFigures f;
            if (!runOnce(f, true))
                return 1;
            beside.push_back(f.slowestWithPaint);
            inOneStep.push_back(runToEndMs());
            if (inOneStep.back() < 0)
                return 1;
        }
        const double db = median(beside), re = median(inOneStep);
        printFigure("One press with the painting, distribution open" + at + ": slowest (ms)",
                    format("%.2f", db), "<= 16", db <= 16);
        printFigure("Bis zum Ende, whole run in Einzelschritt" + at + ", painted (ms)",
                    format("%.1f", re), "<= 100", re <= 100);
        return 0;
    }
    printFigure("One press, window: median (ms)", format("%.3f", m), "<= 1", m <= 1);
    printFigure("One press, window: slowest (ms)", format("%.2f", s), "<= 16", s <= 16);
    printFigure("Growth: last 100 triples / first 100", format("%.2fx", g), "<= 1.5x", g <= 1.5);
    printInfo("One press with the painting after it: median (ms)",
              format("%.3f", median(mediansWithPaint)));
    printInfo("One press with the painting after it: slowest (ms)",
              format("%.2f", median(slowestWithPaint)));
    return 0;
}
