// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmarks put in place of the desktop: a seeded generator, a
// confirmation that says Yes, and a file system without files.

#include "window/platform.h"

#include <cstdint>
#include <random>

namespace ravelin::bench {

// The same seed gives the same spins, so that the core run, the window run
// and the floor they are measured against compose the same triples.
class SeededSpins : public SpinSource {
public:
    static constexpr std::uint32_t defaultSeed = 0x5EED1u;

    explicit SeededSpins(std::uint32_t seed = defaultSeed) : engine_(seed) {}

    float next() override
    {
        // 24 random bits: every float in [0, 1) that this gives is exact.
        return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 engine_;
};

class YesConfirmation : public Confirmation {
public:
    bool confirm(std::string_view, std::string_view) override { return true; }
};

class NoFiles : public FileSystem {
public:
    std::unique_ptr<OpenFile> open(const std::string&) override { return nullptr; }
    std::string executableFolder() override { return "/"; }
    std::string currentFolder() override { return "/"; }
    std::vector<std::string> mountPoints() override { return {"/"}; }
    FolderListing listFolder(const std::string&) override { return {}; }
};

} // namespace ravelin::bench
