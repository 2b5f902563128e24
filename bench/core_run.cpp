// SPDX-License-Identifier: GPL-3.0-or-later
// The whole run in the core, against a floor that composes the same triples
// into plain arrays and formats their log texts, and nothing else.

#include "support/bench_platform.h"
#include "support/figures.h"
#include "support/median_reporter.h"
#include "support/whole_run.h"

#include "board/board_tables.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string_view>

using namespace ravelin;
using namespace ravelin::bench;

namespace {

struct Session {
    SeededSpins spins;
    YesConfirmation confirmation;
    NoFiles files;
    FormController controller{Platform{spins, confirmation, files}};
};

// One log row of the floor: the composed number and the three spins with
// what each contributed, each text in a small buffer of its own.
struct FloorCell {
    std::array<char, 12> text{};
    std::uint8_t size = 0;
    std::string_view view() const { return {text.data(), size}; }
};
using FloorLog = std::array<std::array<FloorCell, 4>, wholeRunTriples>;

class Floor {
public:
    Floor() { board_.fill(); }

    // Draws and composes the run's triples as the core does: zeros are
    // passed over, and every triple after the first is preceded by the
    // continuation's spin, logged and then replaced.
    void compose(FloorLog& log) const
    {
        SeededSpins spins;
        for (int row = 0; row < wholeRunTriples; ++row) {
            auto& cells = log[static_cast<std::size_t>(row)];
            if (row > 0) {
                const int s = drawSpin(spins);
                write(cells[1], s, board_.sechser[static_cast<std::size_t>(s)]);
            }
            const int s1 = drawSpin(spins);
            const int group = board_.sechser[static_cast<std::size_t>(s1)];
            write(cells[1], s1, group);
            const int s2 = drawSpin(spins);
            const int column = board_.kolonne[static_cast<std::size_t>(s2)];
            write(cells[2], s2, column);
            const int s3 = drawSpin(spins);
            const int colour = board_.farbe[static_cast<std::size_t>(s3)];
            write(cells[3], s3, colour);
            const int number =
                board_.kombizahl[static_cast<std::size_t>(group)][static_cast<std::size_t>(column)]
                                [static_cast<std::size_t>(colour)];
            FloorCell& cell = cells[0];
            cell.size = static_cast<std::uint8_t>(
                std::to_chars(cell.text.data(), cell.text.data() + cell.text.size(), number).ptr -
                cell.text.data());
        }
    }

private:
    static int drawSpin(SeededSpins& spins)
    {
        for (;;) {
            const int spin = static_cast<int>(std::floor(37.0 * static_cast<double>(spins.next())));
            if (spin != 0)
                return spin > 36 ? 36 : spin;
        }
    }
    static void write(FloorCell& cell, int spin, int contribution)
    {
        char* begin = cell.text.data();
        char* end = begin + cell.text.size();
        char* p = std::to_chars(begin, end, spin).ptr;
        *p++ = '/';
        p = std::to_chars(p, end, contribution).ptr;
        cell.size = static_cast<std::uint8_t>(p - begin);
    }

    BoardTables board_;
};

// The floor is only a floor if it composes what the run composes.
bool floorMatchesRun()
{
    Session session;
    prepareWholeRun(session.controller);
    pressUntilEnd(session.controller);
    const FormModel& f = session.controller.form();
    if (f.state.kombiwurf != wholeRunTriples) {
        std::fprintf(stderr, "the run ended after %d triples, not at the log's bound\n",
                     f.state.kombiwurf);
        return false;
    }
    auto log = std::make_unique<FloorLog>();
    Floor{}.compose(*log);
    for (int row = 0; row < wholeRunTriples; ++row)
        for (int col = 0; col < 4; ++col) {
            const std::string_view logged = f.tabelle3.textAt(row, col);
            const std::string_view floored =
                (*log)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].view();
            if (logged != floored) {
                std::fprintf(stderr,
                             "row %d, column %d: the run logged \"%.*s\", the floor \"%.*s\"\n",
                             row, col, static_cast<int>(logged.size()), logged.data(),
                             static_cast<int>(floored.size()), floored.data());
                return false;
            }
        }
    return true;
}

void WholeRunCore(benchmark::State& state)
{
    int presses = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>();
        state.ResumeTiming();

        prepareWholeRun(session->controller);
        presses = pressUntilEnd(session->controller);
        benchmark::DoNotOptimize(
            session->controller.form().tabelle3.textAt(wholeRunTriples - 1, 0).data());
        benchmark::ClobberMemory();

        state.PauseTiming();
        if (session->controller.form().state.kombiwurf != wholeRunTriples)
            state.SkipWithError("the run did not end at the log's bound");
        session.reset();
        state.ResumeTiming();
    }
    state.counters["presses"] = presses;
}

void WholeRunFloor(benchmark::State& state)
{
    const Floor floor;
    for (auto _ : state) {
        // A fresh log each time, as the run gets a fresh session.
        state.PauseTiming();
        auto log = std::make_unique<FloorLog>();
        state.ResumeTiming();

        floor.compose(*log);
        benchmark::DoNotOptimize(log->data());
        benchmark::ClobberMemory();

        state.PauseTiming();
        log.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(WholeRunCore)->Unit(benchmark::kMillisecond)->Repetitions(21)->ReportAggregatesOnly(true);
BENCHMARK(WholeRunFloor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    if (!floorMatchesRun())
        return 1;
    MedianReporter reporter;
    runInterleaved(argc, argv, reporter);
    const double core = reporter.median("WholeRunCore");
    const double floor = reporter.median("WholeRunFloor");
    if (reporter.failed() || core < 0 || floor <= 0)
        return 1;
    const double ratio = core / floor;
    printFigure("Whole run, core (ms)", format("%.2f", core), "<= 20", core <= 20);
    // A guard against regressions, not a target: a person feels neither side.
    printFigure("Whole run, core / floor",
                format("%.2fx", ratio) + format(" (floor %.2f ms)", floor), "<= 8x", ratio <= 8);
    return 0;
}
