#pragma once

// Scripted stand-ins for what the desktop supplies, shared by the core tests.

#include "window/form_controller.h"
#include "window/platform.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <initializer_list>
#include <map>
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
    std::optional<std::string> readFile(const std::string& path) override
    {
        const auto it = files.find(path);
        if (it == files.end())
            return std::nullopt;
        return it->second;
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
    std::vector<std::string> folders; // every folder but the root, full paths
    std::vector<std::string> unreadable;
    std::string exeFolder = "/opt/ravelin";
    std::string current = "/";
    std::vector<std::string> mounts{"/"};
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
