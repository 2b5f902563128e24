#pragma once

#include "window/platform.h"

namespace ravelin {

// The machine's own files, through std::filesystem.
class RealFileSystem : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string& path) override;
    std::string executableFolder() override;
    std::string currentFolder() override;
    std::vector<std::string> mountPoints() override;
    FolderListing listFolder(const std::string& path) override;
};

} // namespace ravelin
