// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Scripted stand-ins for what the desktop supplies, shared by the core tests.

#include "window/platform.h"
#include "wiring/form_controller.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace ravelin::testing {

// Spins in the order given; once the script is used up every further spin is
// a 1 and `overrun` counts how many were asked for.
class ScriptedSpins : public SpinSource {
public:
    ScriptedSpins() = default;
    ScriptedSpins(std::initializer_list<int> spins) : spins_(spins) {}

    void add(int spin) { spins_.push_back(spin); }
    void add(const std::vector<int>& spins)
    {
        spins_.insert(spins_.end(), spins.begin(), spins.end());
    }
    // Adds three spins that compose the given number 1..36.
    void addNumber(int number);
    std::size_t remaining() const { return spins_.size(); }

    float next() override
    {
        int spin = 1;
        if (spins_.empty())
            ++overrun;
        else {
            spin = spins_.front();
            spins_.pop_front();
        }
        // The middle of the spin's slice of [0, 1), so floor(37 r) gives it back.
        return (static_cast<float>(spin) + 0.5f) / 37.0f;
    }

    int seeded = 0;
    int overrun = 0;
    void seedFromClock() override { ++seeded; }

private:
    std::deque<int> spins_;
};

// Three spins whose group, column and colour compose `number` (1..36).
inline std::vector<int> spinsComposing(int number)
{
    const int s = (number - 1) / 6 + 1;       // group of the first spin
    const int c = ((number - 1) % 6) / 2 + 1; // column of the second
    const int f = (number - 1) % 2 + 1;       // colour of the third: 1 red, 2 black
    return {6 * (s - 1) + 1, c, f == 1 ? 1 : 2};
}

inline void ScriptedSpins::addNumber(int number) { add(spinsComposing(number)); }

// Answers every question with the next scripted answer (Yes when none is left)
// and records what was asked.
class ScriptedConfirmation : public Confirmation {
public:
    bool confirm(std::string_view prompt, std::string_view title) override
    {
        prompts.emplace_back(prompt);
        titles.emplace_back(title);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<bool> answers;
    std::vector<std::string> prompts;
    std::vector<std::string> titles;
};

// Files and folders held in memory. Paths use '/'.
class MemoryFileSystem : public FileSystem {
public:
    // A file of `size` bytes that is not held: `start`, then `fill` to its end.
    struct Generated {
        std::string start;
        std::uint64_t size = 0;
        char fill = '\0';
    };

    std::unique_ptr<OpenFile> open(const std::string& path) override
    {
        if (opening)
            opening(path);
        if (const auto it = files.find(path); it != files.end())
            return std::make_unique<MemoryFile>(*this, Generated{it->second, it->second.size()});
        if (const auto it = generated.find(path); it != generated.end())
            return std::make_unique<MemoryFile>(*this, it->second);
        return nullptr;
    }
    std::string executableFolder() override { return exeFolder; }
    std::string currentFolder() override { return current; }
    std::vector<std::string> mountPoints() override { return mounts; }
    FolderListing listFolder(const std::string& path) override
    {
        FolderListing listing;
        if (std::find(unreadable.begin(), unreadable.end(), path) != unreadable.end() ||
            !folderExists(path))
            return listing;
        listing.readable = true;
        const std::string prefix = path == "/" ? "/" : path + "/";
        auto direct = [&](const std::string& p) {
            return p.size() > prefix.size() && p.compare(0, prefix.size(), prefix) == 0 &&
                   p.find('/', prefix.size()) == std::string::npos;
        };
        for (const auto& f : folders)
            if (direct(f))
                listing.folders.push_back(f.substr(prefix.size()));
        for (const auto& [p, content] : files)
            if (direct(p))
                listing.files.push_back(p.substr(prefix.size()));
        for (const auto& [p, content] : generated)
            if (direct(p))
                listing.files.push_back(p.substr(prefix.size()));
        std::sort(listing.files.begin(), listing.files.end());
        return listing;
    }

    bool folderExists(const std::string& path) const
    {
        if (path == "/")
            return true;
        for (const auto& f : folders)
            if (f == path)
                return true;
        return false;
    }

    std::map<std::string, std::string> files;
    std::map<std::string, Generated> generated;
    // Every byte any open file was asked for, read or not.
    std::uint64_t bytesRequested = 0;
    // Reading throws as a file system out of memory does.
    bool throwing = false;
    // Called before each opening, to change the files in between.
    std::function<void(const std::string& path)> opening;
    std::vector<std::string> folders; // every folder but the root, full paths
    std::vector<std::string> unreadable;
    std::string exeFolder = "/opt/ravelin";
    std::string current = "/";
    std::vector<std::string> mounts{"/"};

private:
    class MemoryFile : public OpenFile {
    public:
        MemoryFile(MemoryFileSystem& owner, Generated content)
            : owner_(owner), content_(std::move(content))
        {
        }
        std::optional<std::size_t> read(char* buffer, std::size_t size) override
        {
            owner_.bytesRequested += size;
            if (owner_.throwing)
                throw std::bad_alloc();
            const auto n =
                static_cast<std::size_t>(std::min<std::uint64_t>(size, content_.size - pos_));
            const std::string& start = content_.start;
            const std::size_t held =
                pos_ < start.size() ? std::min(n, static_cast<std::size_t>(start.size() - pos_))
                                    : 0;
            std::copy_n(start.data() + (held ? pos_ : 0), held, buffer);
            std::fill_n(buffer + held, n - held, content_.fill);
            pos_ += n;
            return n;
        }

    private:
        MemoryFileSystem& owner_;
        Generated content_;
        std::uint64_t pos_ = 0;
    };
};

// A controller over scripted seams, as the core tests use it.
struct TestWindow {
    ScriptedSpins spins;
    ScriptedConfirmation confirmation;
    MemoryFileSystem files;
    FormController controller{Platform{spins, confirmation, files}};
    FormModel& form = controller.form();
};

} // namespace ravelin::testing
