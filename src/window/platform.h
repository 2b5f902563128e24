// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
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

    // A plain file open for reading from its start. It is closed when it is
    // destroyed, so a handler that opens one closes it before it returns.
    class OpenFile {
    public:
        virtual ~OpenFile() = default;
        // Up to `size` bytes into `buffer`; fewer only at the end of the file.
        // Nothing when reading fails.
        virtual std::optional<std::size_t> read(char* buffer, std::size_t size) = 0;
    };

    virtual ~FileSystem() = default;
    // The plain file at `path`; none when it cannot be opened or is no plain file.
    virtual std::unique_ptr<OpenFile> open(const std::string& path) = 0;
    // The real folder of the running executable, links resolved, without a trailing separator.
    virtual std::string executableFolder() = 0;
    // The process's current folder.
    virtual std::string currentFolder() = 0;
    // The mount points a user would browse, the root first.
    virtual std::vector<std::string> mountPoints() = 0;
    virtual FolderListing listFolder(const std::string& path) = 0;
};

// At most `limit` bytes from the start of a plain file, and whether the file
// goes on beyond them; none when it cannot be opened or read.
struct FilePrefix {
    std::string bytes;
    bool cut = false;
};
std::optional<FilePrefix> readPrefix(FileSystem& files, const std::string& path, std::size_t limit);

} // namespace ravelin
