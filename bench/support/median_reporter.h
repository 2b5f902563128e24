// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A console reporter that also keeps the median of every benchmark's
// repetitions, so that the program can print its figures afterwards.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <map>
#include <string>

namespace ravelin::bench {

class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal: in a file their escapes would run into the
    // figure lines that follow.
    MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred)
                failed_ = true;
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The median real time of one iteration, in the benchmark's own time
    // unit; negative when the benchmark did not report one.
    double median(const std::string& name) const
    {
        const auto it = medians_.find(name);
        return it == medians_.end() ? -1 : it->second;
    }
    bool failed() const { return failed_; }

private:
    std::map<std::string, double> medians_;
    bool failed_ = false;
};

// Runs every registered benchmark with its repetitions interleaved at
// random, so that both sides of a ratio meet the same machine load.
inline void runInterleaved(int argc, char** argv, MedianReporter& reporter)
{
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int n = static_cast<int>(args.size());
    benchmark::Initialize(&n, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}

} // namespace ravelin::bench
