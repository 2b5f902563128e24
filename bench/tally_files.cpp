// SPDX-License-Identifier: GPL-3.0-or-later
// The tally over a year of permanence files of ten tables, from a warm cache,
// against the least any reader of the same files must do: open each, read it
// in blocks, count its newlines with memchr and close it.

#include "support/figures.h"
#include "support/median_reporter.h"
#include "support/newline_count.h"
#include "support/permanence_files.h"

#include "platform/real_file_system.h"
#include "tally/permanence_tally.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace ravelin;
using namespace ravelin::bench;

namespace {

const Generated* generated = nullptr;

void TallyFiles(benchmark::State& state)
{
    RealFileSystem files;
    for (auto _ : state) {
        const TallyResult result = tallyPermanences(files, generated->paths);
        state.PauseTiming();
        if (result.rows.size() != generated->paths.size() ||
            3 * total(result.counts.frequency) != generated->validSpins) {
            state.SkipWithError("the tally did not count every file whole");
            break;
        }
        state.ResumeTiming();
    }
}

void NewlineCount(benchmark::State& state)
{
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const std::string& path : generated->paths) {
            std::FILE* in = std::fopen(path.c_str(), "rb");
            if (!in)
                break;
            lines += countNewlines(in, buffer);
            std::fclose(in);
        }
        benchmark::DoNotOptimize(lines);
        if (lines != generated->lines) {
            state.SkipWithError("the newline count differs from the generated files");
            break;
        }
    }
}

BENCHMARK(TallyFiles)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);
BENCHMARK(NewlineCount)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    Generated g;
    int status = 1;
    if (generate(g)) {
        generated = &g;
        MedianReporter reporter;
        runInterleaved(argc, argv, reporter);
        const double tally = reporter.median("TallyFiles");
        const double count = reporter.median("NewlineCount");
        if (!reporter.failed() && tally > 0 && count > 0) {
            const double mib = static_cast<double>(g.bytes) / (1024.0 * 1024.0);
            printFigure("Tally, 3,650 files of 400 spins (ms)",
                        format("%.0f", tally) + format(" (%.1f MiB)", mib), "<= 500", tally <= 500);
            printInfo("Tally / newline count over the same files",
                      format("%.1fx", tally / count) + format(" (count %.0f ms)", count));
            status = 0;
        }
    } else {
        std::fprintf(stderr, "the permanence files could not be generated\n");
    }
    std::error_code ec;
    std::filesystem::remove_all(g.folder, ec);
    return status;
}
