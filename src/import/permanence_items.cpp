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

void PermanenceItems::keepSpan(const char* from, const char* to)
{
    std::string& kept = *kept_;
    if (kept.size() >= keep_)
        return;
    const std::size_t length = static_cast<std::size_t>(to - from);
    if (!dropBlanks_ || kept.size() + length <= keep_) {
        kept.append(from, std::min(length, keep_ - kept.size()));
        return;
    }
    for (; from < to && kept.size() < keep_; ++from)
        if (!isNumberBlank(*from))
            kept += *from;
}

std::optional<char> PermanenceItems::next(std::string& kept, std::size_t keep, bool dropBlanks)
{
    kept.clear();
    kept_ = &kept;
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
    const char* data = buffer_.data();
    if (data[pos_] == '"') {
        ++pos_;
        // An unterminated quote takes the rest of the file.
        for (;;) {
            const char* from = buffer_.data() + pos_;
            const char* to = buffer_.data() + end_;
            const auto* close = static_cast<const char*>(
                std::memchr(from, '"', static_cast<std::size_t>(to - from)));
            const char* stop = close ? close : to;
            if (!first && stop > from)
                first = *from;
            keepSpan(from, stop);
            pos_ = static_cast<std::size_t>(stop - buffer_.data());
            if (close) {
                ++pos_;
                break;
            }
            if (!fill())
                return first;
        }
        for (;;) {
            while (pos_ < end_ && !endsItem(buffer_[pos_]))
                ++pos_;
            if (pos_ < end_)
                break;
            if (!fill())
                return first;
        }
        skipDelimiter();
        return first;
    }

    for (;;) {
        const char* from = buffer_.data() + pos_;
        std::size_t p = pos_;
        while (p < end_ && !endsItem(buffer_[p]))
            ++p;
        const char* stop = buffer_.data() + p;
        if (!first && stop > from)
            first = *from;
        keepSpan(from, stop);
        pos_ = p;
        if (pos_ < end_)
            break;
        if (!fill())
            return first;
    }
    skipDelimiter();
    return first;
}

void PermanenceItems::skipDelimiter()
{
    delimited_ = true;
    const char c = buffer_[pos_++];
    if (c != '\r')
        return;
    if (pos_ < end_) {
        if (buffer_[pos_] == '\n')
            ++pos_;
    } else {
        afterCr_ = true;
    }
}

} // namespace ravelin
