// SPDX-License-Identifier: GPL-3.0-or-later
// The import of a large permanence as the OK press does it, from the file on
// disk to the spins in the session, against the least any reader of the file
// must do: read it in buffered blocks and count its lines with memchr.

#include "support/bench_platform.h"
#include "support/figures.h"
#include "support/median_reporter.h"
#include "support/newline_count.h"

#include "platform/real_file_system.h"
#include "wiring/form_controller.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

using namespace ravelin;
using namespace ravelin::bench;

namespace {

constexpr int spinLines = 1'000'000;
constexpr const char* fileName = "permanenz.txt";

// What the generated file holds, to check the import against.
struct Generated {
    std::filesystem::path folder;
    std::size_t bytes = 0;
    std::size_t lines = 0;
    double spinSum = 0;
};

// A permanence as the casino writes it: four header lines, then one spin a
// line with a separator line now and then, a few blank lines, a few spins
// written with a fraction, the end line and what follows it.
bool generate(Generated& g)
{
    std::string folder = (std::filesystem::temp_directory_path() / "ravelin-bench-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return false;
    g.folder = folder;

    std::string text =
        "Spielbank Hamburg\r\nTisch 3\r\n\"Montag, 7. Dezember 2026\"\r\nPermanenz\r\n";
    std::mt19937 engine(0x1A7E5u);
    std::uniform_int_distribution<int> spin(0, 36);
    std::uniform_int_distribution<int> tenth(1, 9);
    for (int i = 1; i <= spinLines; ++i) {
        const int s = spin(engine);
        if (i % 997 == 0) {
            // A fraction: read as it stands, rounded only when it is drawn.
            const int t = tenth(engine);
            text += std::to_string(s) + "." + std::to_string(t);
            g.spinSum += s + t / 10.0;
        } else {
            text += std::to_string(s);
            g.spinSum += s;
        }
        text += "\r\n";
        if (i % 40 == 0)
            text += "-------\r\n";
        if (i % 5003 == 0)
            text += "\r\n"; // an empty line is an empty item, read as a spin 0
    }
    text += "==========\r\nEnde der Permanenz\r\n17\r\n";

    std::FILE* out = std::fopen((g.folder / fileName).c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !written)
        return false;
    g.bytes = text.size();
    g.lines = 0;
    for (char c : text)
        g.lines += c == '\n';
    return true;
}

const Generated* generated = nullptr;

struct ImportSession {
    SeededSpins spins;
    YesConfirmation confirmation;
    RealFileSystem files;
    FormController controller{Platform{spins, confirmation, files}};
};

// Opens the panel and picks the file, as the user does before the OK press.
bool openPanelOnFile(FormController& controller)
{
    controller.okexternClick();
    const std::vector<std::string>& files = controller.form().File1.files();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (files[i] == fileName) {
            controller.file1Click(static_cast<int>(i));
            return controller.form().File1.selectedFile() == fileName;
        }
    return false;
}

bool importedWhole(const FormModel& form)
{
    const std::size_t emptyLines = spinLines / 5003;
    if (form.state.importanzahl != static_cast<double>(spinLines + emptyLines) ||
        form.Frame1.visible())
        return false;
    double sum = 0;
    for (double v : form.state.permanenz)
        sum += v;
    return std::abs(sum - generated->spinSum) < 1e-3;
}

void ImportOkPress(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<ImportSession>();
        if (!openPanelOnFile(session->controller)) {
            state.SkipWithError("the panel does not list the generated permanence");
            break;
        }
        state.ResumeTiming();

        session->controller.okexternokClick();
        benchmark::DoNotOptimize(session->controller.form().state.permanenz.data());

        state.PauseTiming();
        if (!importedWhole(session->controller.form())) {
            state.SkipWithError("the import did not read the whole permanence");
            break;
        }
        session.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * generated->bytes));
}

void NewlineCount(benchmark::State& state)
{
    const std::string path = (generated->folder / fileName).string();
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        std::FILE* in = std::fopen(path.c_str(), "rb");
        if (!in) {
            state.SkipWithError("the generated permanence cannot be opened");
            break;
        }
        const std::size_t lines = countNewlines(in, buffer);
        std::fclose(in);
        benchmark::DoNotOptimize(lines);
        if (lines != generated->lines) {
            state.SkipWithError("the newline count differs from the generated file");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * generated->bytes));
}

BENCHMARK(ImportOkPress)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(NewlineCount)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    Generated g;
    if (!generate(g)) {
        std::fprintf(stderr, "the permanence could not be generated\n");
        return 1;
    }
    generated = &g;
    // The panel opens on the program's current folder.
    std::error_code ec;
    std::filesystem::current_path(g.folder, ec);

    MedianReporter reporter;
    int status = 1;
    if (!ec) {
        runInterleaved(argc, argv, reporter);
        const double import = reporter.median("ImportOkPress");
        const double count = reporter.median("NewlineCount");
        if (!reporter.failed() && import > 0 && count > 0) {
            const double mib = static_cast<double>(g.bytes) / (1024.0 * 1024.0);
            const double share = count / import; // throughput of the import against the count's
            printFigure("Import, 1,000,000 spin lines (ms)",
                        format("%.1f", import) + format(" (%.1f MiB)", mib), "<= 100",
                        import <= 100);
            printFigure("Import throughput / newline count",
                        format("%.0f%%", 100 * share) + format(" (%.0f", mib / (import / 1000)) +
                            format(" / %.0f MiB/s)", mib / (count / 1000)),
                        ">= 10%", share >= 0.10);
            status = 0;
        }
    }
    std::filesystem::current_path("/", ec);
    std::filesystem::remove_all(g.folder, ec);
    return status;
}
