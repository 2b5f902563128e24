#include "window/real_file_system.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace ravelin {

std::optional<std::string> RealFileSystem::readFile(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return std::nullopt;
    std::string content;
    constexpr std::size_t block = 1 << 20;
    std::size_t got = 0;
    do {
        const std::size_t old = content.size();
        content.resize(old + block);
        got = std::fread(content.data() + old, 1, block, file.get());
        content.resize(old + got);
    } while (got == block);
    if (std::ferror(file.get()))
        return std::nullopt;
    return content;
}

std::string RealFileSystem::executableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::canonical("/proc/self/exe", ec);
    if (ec)
        return currentFolder();
    return exe.parent_path().string();
}

std::string RealFileSystem::currentFolder()
{
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return ec ? std::string("/") : here.string();
}

std::vector<std::string> RealFileSystem::mountPoints() { return {"/"}; }

FileSystem::FolderListing RealFileSystem::listFolder(const std::string& path)
{
    FolderListing listing;
    std::error_code ec;
    fs::directory_iterator it(path, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return listing;
    listing.readable = true;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (it->is_directory(typeError))
            listing.folders.push_back(name);
        else if (it->is_regular_file(typeError))
            listing.files.push_back(name);
    }
    std::sort(listing.folders.begin(), listing.folders.end());
    std::sort(listing.files.begin(), listing.files.end());
    return listing;
}

} // namespace ravelin
