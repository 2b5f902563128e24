// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every benchmark program prints its figures as tab-separated lines that
// begin with "FIGURE"; bench/run-all.sh gathers them into one table.
//   FIGURE <name> <measured> <budget> <PASS|FAIL|INFO>
// INFO marks a figure that is shown for context and has no budget.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace ravelin::bench {

inline void printFigure(const std::string& name, const std::string& measured,
                        const std::string& budget, bool pass)
{
    std::printf("FIGURE\t%s\t%s\t%s\t%s\n", name.c_str(), measured.c_str(), budget.c_str(),
                pass ? "PASS" : "FAIL");
    std::fflush(stdout);
}

inline std::string format(const char* pattern, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline void printInfo(const std::string& name, const std::string& measured)
{
    std::printf("FIGURE\t%s\t%s\t-\tINFO\n", name.c_str(), measured.c_str());
    std::fflush(stdout);
}

} // namespace ravelin::bench
