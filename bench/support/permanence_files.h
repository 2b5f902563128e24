// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A year of permanence files of ten tables, written to a folder of their own
// for the tally's benchmarks.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace ravelin::bench {

inline constexpr int fileCount = 3650;
inline constexpr int spinsPerFile = 400;

struct Generated {
    std::filesystem::path folder;
    std::vector<std::string> paths;
    std::size_t bytes = 0;
    std::size_t lines = 0;
    std::uint64_t validSpins = 0;
};

// Each file as the casino writes it: four header lines, one spin a line with
// a separator line now and then, the end line.
inline bool generate(Generated& g)
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

} // namespace ravelin::bench
