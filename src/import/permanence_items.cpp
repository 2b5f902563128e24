// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_items.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace ravelin {

namespace {
// Large enough that the file system is asked seldom, small enough for the cache.
constexpr std::size_t blockSize = 1 << 16;

bool isNumberBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
} // namespace

PermanenceItems::PermanenceItems(Source source) : source_(std::move(source)), buffer_(blockSize) {}

bool PermanenceItems::fill()
{
    if (ended_ || read_ >= limit_)
        return false;
    const std::size_t ask = std::min(blockSize, limit_ - read_);
    const std::optional<std::size_t> got = source_(buffer_.data(), ask);
    if (!got || *got == 0 || *got > ask) {
        failed_ = !got || *got > ask;
        ended_ = true;
        return false;
    }
    read_ += *got;
    pos_ = 0;
    end_ = *got;
    if (std::exchange(afterCr_, false) && buffer_[0] == '\n')
        pos_ = 1;
    return pos_ < end_ || fill();
}

void PermanenceItems::keepSpanWithoutBlanks(const char* from, const char* to)
{
    for (; from < to && kept_.size() < keep_; ++from)
        if (!isNumberBlank(*from))
            kept_ += *from;
}

std::optional<char> PermanenceItems::nextAcrossBlocks(std::size_t keep, bool dropBlanks)
{
    kept_.clear();
    text_ = {};
    keep_ = keep;
    dropBlanks_ = dropBlanks;
    delimited_ = false;

    for (;;) {
        while (pos_ < end_ && (buffer_[pos_] == ' ' || buffer_[pos_] == '\t'))
            ++pos_;
        if (pos_ < end_)
            break;
        if (!fill())
            return std::nullopt;
    }

    std::optional<char> first;
    const bool quoted = buffer_[pos_] == '"';
    if (quoted && !keepQuoted(first))
        return setKept(first);
    // What follows a closing quote up to the item's end is dropped.
    if (runToItemEnd(first, !quoted))
        skipDelimiter();
    return setKept(first);
}

bool PermanenceItems::keepQuoted(std::optional<char>& first)
{
    ++pos_;
    // An unterminated quote takes the rest of the file.
    for (;;) {
        const char* from = buffer_.data() + pos_;
        const char* to = buffer_.data() + end_;
        const auto* close =
            static_cast<const char*>(std::memchr(from, '"', static_cast<std::size_t>(to - from)));
        const char* stop = close ? close : to;
        if (!first && stop > from)
            first = *from;
        keepSpan(from, stop);
        pos_ = static_cast<std::size_t>(stop - buffer_.data());
        if (close) {
            ++pos_;
            return true;
        }
        if (!fill())
            return false;
    }
}

bool PermanenceItems::runToItemEnd(std::optional<char>& first, bool keep)
{
    for (;;) {
        std::size_t p = pos_;
        while (p < end_ && !endsItem(buffer_[p]))
            ++p;
        if (keep) {
            const char* from = buffer_.data() + pos_;
            const char* stop = buffer_.data() + p;
            if (!first && stop > from)
                first = *from;
            keepSpan(from, stop);
        }
        pos_ = p;
        if (pos_ < end_)
            return true;
        if (!fill())
            return false;
    }
}

} // namespace ravelin
