// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/folder_paths.h"

#include "text/windows1252.h"

#include <algorithm>

namespace ravelin {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = lowerAscii(a[i]);
        const char y = lowerAscii(b[i]);
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

} // namespace

std::string pathInFolder(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return path;
}

std::string withoutTrailingSeparator(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return std::string(path);
}

bool isWithin(std::string_view path, std::string_view root)
{
    if (root == "/")
        return path.starts_with('/');
    if (!path.starts_with(root))
        return false;
    return path.size() == root.size() || path[root.size()] == '/';
}

int mountHolding(const std::vector<std::string>& mounts, std::string_view path)
{
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < mounts.size(); ++i) {
        const std::string& mount = mounts[i];
        if (isWithin(path, mount) && (best < 0 || mount.size() > bestLength)) {
            best = static_cast<int>(i);
            bestLength = mount.size();
        }
    }
    return best;
}

bool matchesTextPattern(std::string_view name)
{
    constexpr std::string_view suffix = ".txt";
    if (name.size() < suffix.size())
        return false;
    const std::string_view end = name.substr(name.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (lowerAscii(end[i]) != suffix[i])
            return false;
    return true;
}

void sortNames(std::vector<std::string>& names)
{
    std::sort(names.begin(), names.end(), lessIgnoringCase);
}

std::string displayName(std::string_view name)
{
    const std::string decoded = isValidUtf8(name) ? std::string(name) : windows1252ToUtf8(name);
    // A line end or tab in a name would break the line it is shown on.
    std::string shown;
    shown.reserve(decoded.size());
    for (const char c : decoded) {
        if (static_cast<unsigned char>(c) < 0x20)
            appendUtf8(shown, 0xFFFD);
        else
            shown += c;
    }
    return shown;
}

} // namespace ravelin
