// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and memory, each program timed as a whole process: from the
// spawn to its exit, offscreen, the programs taking turns so that all of
// them meet the same machine load. Peak resident memory comes from the exited
// process's own usage record.

#include "support/figures.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

using namespace ravelin::bench;

namespace {

struct Outcome {
    bool ok = false;
    double ms = 0;
    double maxRssMiB = 0;
};

Outcome runProcess(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The harnesses' own chatter (Qt's warnings) stays out of the table.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    Outcome outcome;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return outcome;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return outcome;
    const auto end = std::chrono::steady_clock::now();
    outcome.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    outcome.ms = std::chrono::duration<double, std::milli>(end - start).count();
    outcome.maxRssMiB = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return outcome;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    // The program's window, the minimal window and the minimal window with text.
    const std::string programs[] = {(here / "bench_startup_form1").string(),
                                    (here / "bench_startup_minimal").string(),
                                    (here / "bench_startup_text").string()};
    constexpr int form1 = 0, minimal = 1, text = 2;

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const int memoryRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    // Warm the page cache and the font cache for all of them before anything counts.
    for (int i = 0; i < 2; ++i)
        for (const std::string& program : programs)
            if (!runProcess(program, {}).ok) {
                std::fprintf(stderr, "a start-up harness failed: %s\n", program.c_str());
                return 1;
            }

    // Each round starts the three in another order, so that none of them
    // always comes first or last.
    std::vector<double> ms[3], rss[3];
    for (int i = 0; i < runs; ++i) {
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (i + turn) % 3;
            const Outcome o = runProcess(programs[which], {});
            if (!o.ok) {
                std::fprintf(stderr, "a start-up harness failed: %s\n", programs[which].c_str());
                return 1;
            }
            ms[which].push_back(o.ms);
            rss[which].push_back(o.maxRssMiB);
        }
    }

    std::vector<double> runRss;
    for (int i = 0; i < memoryRuns; ++i) {
        const Outcome o = runProcess(programs[form1], {"run"});
        if (!o.ok) {
            std::fprintf(stderr, "the whole run in the window harness failed\n");
            return 1;
        }
        runRss.push_back(o.maxRssMiB);
    }

    const double f = median(ms[form1]), m = median(ms[minimal]), t = median(ms[text]);
    // Against a window that draws text as Form1 does, so that both sides pay
    // for the fonts and glyphs.
    const double ratio = f / t;
    printFigure("Start-up: Form1 / minimal window with one text",
                format("%.2fx", ratio) + format(" (%.0f ms", f) + format(" / %.0f ms)", t),
                "<= 2.5x", ratio <= 2.5);
    printFigure("Start-up: Form1 to an exposed window (ms)", format("%.0f", f), "<= 150", f <= 150);
    printInfo("Start-up: Form1 / minimal window", format("%.2fx", f / m) + format(" (%.0f ms)", m));
    printInfo("Start-up: minimal window with one text / minimal window",
              format("%.2fx", t / m) + format(" (%.0f ms)", t));
    const double peak = median(runRss), base = median(rss[minimal]), extra = peak - base;
    printFigure("Memory after the whole run: peak RSS - minimal (MiB)",
                format("%+.1f", extra) + format(" (%.1f", peak) + format(" / %.1f MiB)", base),
                "<= +20", extra <= 20);
    printInfo("Memory at start-up: peak RSS - minimal (MiB)",
              format("%+.1f", median(rss[form1]) - base) +
                  format(", with one text %+.1f", median(rss[text]) - base));
    return 0;
}
