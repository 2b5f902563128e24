// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/platform.h"

#include <algorithm>
#include <cstdint>

namespace ravelin {

std::optional<FilePrefix> readPrefix(FileSystem& files, const std::string& path, std::size_t limit)
{
    const std::unique_ptr<FileSystem::OpenFile> file = files.open(path);
    if (!file)
        return std::nullopt;
    // One byte beyond the limit tells whether the file goes on.
    FilePrefix prefix;
    const std::size_t wanted = limit == SIZE_MAX ? limit : limit + 1;
    constexpr std::size_t block = 1 << 16;
    while (prefix.bytes.size() < wanted) {
        const std::size_t old = prefix.bytes.size();
        const std::size_t ask = std::min(block, wanted - old);
        prefix.bytes.resize(old + ask);
        const std::optional<std::size_t> got = file->read(prefix.bytes.data() + old, ask);
        if (!got)
            return std::nullopt;
        prefix.bytes.resize(old + *got);
        if (*got < ask)
            break;
    }
    if (prefix.bytes.size() > limit) {
        prefix.bytes.resize(limit);
        prefix.cut = true;
    }
    return prefix;
}

} // namespace ravelin
