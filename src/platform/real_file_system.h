// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// The mount points of a mount table (the lines of /proc/self/mounts) that a
// user would browse: the root first, then those of disks, media and network
// shares, each once and sorted; pseudo file systems and the system's own
// trees are left out.
std::vector<std::string> browsableMounts(std::string_view table);

// The machine's own files, through std::filesystem.
class RealFileSystem : public FileSystem {
public:
    std::unique_ptr<OpenFile> open(const std::string& path) override;
    // The whole content of a plain file; none when it cannot be opened or is no file.
    std::optional<std::string> readFile(const std::string& path);
    std::string executableFolder() override;
    std::string currentFolder() override;
    std::vector<std::string> mountPoints() override;
    FolderListing listFolder(const std::string& path) override;
};

} // namespace ravelin
