// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/real_file_system.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <span>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace ravelin {

namespace {

constexpr std::string_view pseudoTypes[] = {
    "proc",     "sysfs",           "tmpfs",       "devtmpfs",   "devpts",
    "cgroup",   "cgroup2",         "securityfs",  "pstore",     "debugfs",
    "tracefs",  "configfs",        "fusectl",     "mqueue",     "hugetlbfs",
    "bpf",      "autofs",          "binfmt_misc", "rpc_pipefs", "nsfs",
    "efivarfs", "ramfs",           "selinuxfs",   "overlay",    "squashfs",
    "nfsd",     "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "fuse.snapfuse",
    "aufs",     "devfs",           "usbfs"};

// File systems that need no block device of their own but hold real files.
constexpr std::string_view sharedTypes[] = {"nfs",        "nfs4", "cifs", "smb3",     "smbfs",
                                            "fuse.sshfs", "zfs",  "9p",   "virtiofs", "drvfs"};

// Trees of the system itself, never a place for a user's files. Media that
// the desktop mounts under /run/media stay.
constexpr std::string_view systemTrees[] = {"/proc",           "/sys",     "/dev", "/run", "/snap",
                                            "/var/lib/docker", "/var/snap"};

bool contains(std::span<const std::string_view> list, std::string_view word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool isBelow(std::string_view path, std::string_view tree)
{
    return path.starts_with(tree) && (path.size() == tree.size() || path[tree.size()] == '/');
}

bool isOctal(char c) { return c >= '0' && c <= '7'; }

// The table writes blanks, tabs, line feeds and backslashes of a path as
// three octal digits after a backslash.
std::string unescapeMountField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// The first `count` blank-separated fields of a line.
std::vector<std::string_view> fields(std::string_view line, std::size_t count)
{
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (out.size() < count) {
        pos = line.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find_first_of(" \t", pos), line.size());
        out.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

bool isBrowsable(std::string_view device, const std::string& point, std::string_view type)
{
    if (contains(pseudoTypes, type))
        return false;
    if (!device.starts_with("/dev/") && !contains(sharedTypes, type))
        return false;
    if (!point.starts_with('/'))
        return false;
    if (isBelow(point, "/run/media"))
        return true;
    for (std::string_view tree : systemTrees)
        if (isBelow(point, tree))
            return false;
    return true;
}

} // namespace

std::vector<std::string> browsableMounts(std::string_view table)
{
    std::vector<std::string> mounts;
    std::size_t start = 0;
    while (start < table.size()) {
        std::size_t end = table.find('\n', start);
        if (end == std::string_view::npos)
            end = table.size();
        const std::vector<std::string_view> f = fields(table.substr(start, end - start), 3);
        start = end + 1;
        if (f.size() < 3)
            continue;
        std::string point = unescapeMountField(f[1]);
        while (point.size() > 1 && point.back() == '/')
            point.pop_back();
        if (point == "/" || !isBrowsable(f[0], point, f[2]))
            continue;
        if (std::find(mounts.begin(), mounts.end(), point) == mounts.end())
            mounts.push_back(std::move(point));
    }
    std::sort(mounts.begin(), mounts.end());
    mounts.insert(mounts.begin(), "/");
    return mounts;
}

namespace {

class RealOpenFile : public FileSystem::OpenFile {
public:
    explicit RealOpenFile(std::FILE* file) : file_(file) {}
    ~RealOpenFile() override { std::fclose(file_); }
    RealOpenFile(const RealOpenFile&) = delete;
    RealOpenFile& operator=(const RealOpenFile&) = delete;

    std::optional<std::size_t> read(char* buffer, std::size_t size) override
    {
        const std::size_t got = std::fread(buffer, 1, size, file_);
        if (got < size && std::ferror(file_))
            return std::nullopt;
        return got;
    }

private:
    std::FILE* file_;
};

} // namespace

std::unique_ptr<FileSystem::OpenFile> RealFileSystem::open(const std::string& path)
{
    // Opened without waiting, then looked at: a FIFO opened plainly for
    // reading would wait for a writer for ever, and one that takes the place
    // of a file between a look and the opening would still be opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<RealOpenFile>(file);
}

std::optional<std::string> RealFileSystem::readFile(const std::string& path)
{
    // A file of the system's pseudo trees reports the size 0 and a file may
    // grow while it is read, so it is read in blocks until it comes short.
    try {
        std::optional<FilePrefix> whole = readPrefix(*this, path, SIZE_MAX);
        if (!whole)
            return std::nullopt;
        return std::move(whole->bytes);
    } catch (const std::bad_alloc&) {
        return std::nullopt; // too large to hold: not readable
    } catch (const std::length_error&) {
        return std::nullopt;
    }
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

std::vector<std::string> RealFileSystem::mountPoints()
{
    std::vector<std::string> mounts{"/"};
    const std::optional<std::string> table = readFile("/proc/self/mounts");
    if (!table)
        return mounts;
    mounts.clear();
    // A file bind-mounted into the tree is no place to browse.
    for (std::string& mount : browsableMounts(*table)) {
        std::error_code ec;
        if (mount == "/" || fs::is_directory(mount, ec))
            mounts.push_back(std::move(mount));
    }
    return mounts;
}

FileSystem::FolderListing RealFileSystem::listFolder(const std::string& path)
{
    FolderListing listing;
    if (path.empty())
        return listing;
    // No skip_permission_denied: a folder that may not be read must say so,
    // not pass for an empty one.
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec)
        return listing;
    listing.readable = true;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            break;
        // Entries that vanish or cannot be examined meanwhile are left out.
        std::error_code typeError;
        const fs::file_status status = it->status(typeError);
        if (typeError)
            continue;
        std::string name = it->path().filename().string();
        if (fs::is_directory(status))
            listing.folders.push_back(std::move(name));
        else if (fs::is_regular_file(status))
            listing.files.push_back(std::move(name));
    }
    std::sort(listing.folders.begin(), listing.folders.end());
    std::sort(listing.files.begin(), listing.files.end());
    return listing;
}

} // namespace ravelin
