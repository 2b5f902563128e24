// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The floor a reader of permanence files is measured against: the newlines
// of an open file counted block by block, nothing else done with them.

#include <cstdio>
#include <cstring>
#include <vector>

namespace ravelin::bench {

inline std::size_t countNewlines(std::FILE* in, std::vector<char>& buffer)
{
    std::size_t lines = 0;
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
        const char* p = buffer.data();
        const char* end = p + got;
        while ((p = static_cast<const char*>(
                    std::memchr(p, '\n', static_cast<std::size_t>(end - p))))) {
            ++lines;
            ++p;
        }
    }
    return lines;
}

} // namespace ravelin::bench
