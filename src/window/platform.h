#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// What the desktop supplies to the handlers. The program uses the real
// implementations; tests script them.

// Uniform single-precision numbers in [0, 1) for the computer's spins.
class SpinSource {
public:
    virtual ~SpinSource() = default;
    virtual void seedFromClock() {}
    virtual float next() = 0;
};

// A modal Yes/No question with a question-mark icon, Yes the default.
class Confirmation {
public:
    virtual ~Confirmation() = default;
    // True only when the user answered Yes.
    virtual bool confirm(std::string_view prompt, std::string_view title) = 0;
};

class FileSystem {
public:
    struct FolderListing {
        bool readable = false;
        std::vector<std::string> folders; // names of the sub-folders, sorted
        std::vector<std::string> files;   // names of the plain files, sorted
    };

    virtual ~FileSystem() = default;
    // The whole content of a plain file; empty when it cannot be opened or is no file.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // The real folder of the running executable, links resolved, without a trailing separator.
    virtual std::string executableFolder() = 0;
    // The process's current folder.
    virtual std::string currentFolder() = 0;
    // The mount points a user would browse, the root first.
    virtual std::vector<std::string> mountPoints() = 0;
    virtual FolderListing listFolder(const std::string& path) = 0;
};

} // namespace ravelin
