// SPDX-License-Identifier: GPL-3.0-or-later
// The tally over a year of permanence files of ten tables, from a warm cache,
// against the least any reader of the same files must do: open each, read it
// in blocks, count its newlines with memchr and close it.

#include "support/figures.h"
#include "support/median_reporter.h"
#include "support/newline_count.h"

#include "platform/real_file_system.h"
#include "tally/permanence_tally.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace ravelin;
using namespace ravelin::bench;

namespace {

constexpr int fileCount = 3650;
constexpr int spinsPerFile = 400;

struct Generated {
    std::filesystem::path folder;
    std::vector<std::string> paths;
    std::size_t bytes = 0;
    std::size_t lines = 0;
    std::uint64_t validSpins = 0;
};

// Each file as the casino writes it: four header lines, one spin a line with
// a separator line now and then, the end line.
bool generate(Generated& g)
{
    std::string folder = (std::filesystem::temp_directory_path() / "ravelin-tally-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return false;
    g.folder = folder;
    std::mt19937 engine(0x7A11u);
    std::uniform_int_distribution<int> spin(0, 36);
    for (int f = 0; f < fileCount; ++f) {
        std::string text = "Spielbank Hamburg\r\nTisch " + std::to_string(f % 10 + 1) + "\r\nTag " +
                           std::to_string(f / 10 + 1) + "\r\nPermanenz\r\n";
        int valid = 0;
        for (int i = 1; i <= spinsPerFile; ++i) {
            const int s = spin(engine);
            valid += s != 0;
            text += std::to_string(s) + "\r\n";
            if (i % 40 == 0)
                text += "-------\r\n";
        }
        text += "==========\r\n";
        g.validSpins += static_cast<std::uint64_t>(valid / 3 * 3);
        char name[32];
        std::snprintf(name, sizeof name, "tisch%02d-tag%03d.txt", f % 10 + 1, f / 10 + 1);
        g.paths.push_back((g.folder / name).string());
        std::FILE* out = std::fopen(g.paths.back().c_str(), "wb");
        if (!out)
            return false;
        const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        if (std::fclose(out) != 0 || !written)
            return false;
        g.bytes += text.size();
        for (char c : text)
            g.lines += c == '\n';
    }
    return true;
}

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
