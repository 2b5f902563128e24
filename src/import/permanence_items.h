// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravelin {

// Cuts the bytes of a permanence file into items as they are read, a block at
// a time: an item ends at a comma or at the end of its line (CR LF, LF or CR
// alone); blanks and tabs in front of it are skipped; an item that begins with
// a double quote runs to the next double quote, commas and line ends included,
// and whatever follows the closing quote up to the comma or line end is
// dropped; an empty line is one empty item. Only as much of an item is kept
// as the caller asks for, so an item of any length costs no more memory.
class PermanenceItems {
public:
    // Gives up to `size` bytes of the file; 0 at its end, none when reading fails.
    using Source = std::function<std::optional<std::size_t>(char* buffer, std::size_t size)>;

    explicit PermanenceItems(Source source);

    // No more than `bytes` of the file are read until lift() is called.
    void limitTo(std::size_t bytes) { limit_ = bytes; }
    void lift() { limit_ = SIZE_MAX; }

    // No byte left to read (or none allowed); reads the next block if needed.
    bool atEnd() { return pos_ >= end_ && !fill(); }
    bool failed() const { return failed_; }
    // Whether the last item was ended by a comma or a line end, not by the
    // end of the file or of the bytes allowed.
    bool delimited() const { return delimited_; }

    // Reads the next item and keeps its first `keep` bytes, to be had from
    // text() until the next item is read; with `dropBlanks`, the blanks,
    // tabs and line feeds that a number reading passes over are not counted
    // against `keep`. Gives the item's first byte, or none for an empty item.
    std::optional<char> next(std::size_t keep, bool dropBlanks)
    {
        // Most items are a few digits that end within the block: seen in place.
        const char* b = buffer_.data();
        const std::size_t end = end_;
        std::size_t p = pos_;
        while (p < end && (b[p] == ' ' || b[p] == '\t'))
            ++p;
        if (p < end && b[p] != '"') {
            const std::size_t start = p;
            while (p < end && !endsItem(b[p]))
                ++p;
            if (p < end && p - start <= keep) {
                text_ = std::string_view(b + start, p - start);
                delimited_ = true;
                pos_ = p + 1;
                if (b[p] == '\r')
                    skipLineFeed();
                return p > start ? std::optional<char>(b[start]) : std::nullopt;
            }
        }
        return nextAcrossBlocks(keep, dropBlanks);
    }
    std::string_view text() const { return text_; }

private:
    // Digits and letters lie above all three ends: one comparison passes them.
    static bool endsItem(char c)
    {
        return static_cast<unsigned char>(c) <= ',' && (c == ',' || c == '\r' || c == '\n');
    }
    bool fill();
    void keepSpan(const char* from, const char* to)
    {
        const auto length = static_cast<std::size_t>(to - from);
        if (!dropBlanks_ || kept_.size() + length <= keep_)
            kept_.append(from, std::min(length, keep_ - std::min(keep_, kept_.size())));
        else
            keepSpanWithoutBlanks(from, to);
    }
    void keepSpanWithoutBlanks(const char* from, const char* to);
    std::optional<char> setKept(std::optional<char> first)
    {
        text_ = kept_;
        return first;
    }
    std::optional<char> nextAcrossBlocks(std::size_t keep, bool dropBlanks);
    // Keeps a quoted item's bytes up to its closing quote, across blocks;
    // false when the file or the bytes allowed end first.
    bool keepQuoted(std::optional<char>& first);
    // Moves on to the item's end, across blocks, keeping the bytes on the way
    // when asked to; false when the file or the bytes allowed end first.
    bool runToItemEnd(std::optional<char>& first, bool keep);
    void skipDelimiter()
    {
        delimited_ = true;
        if (buffer_[pos_++] == '\r')
            skipLineFeed();
    }
    // After a CR: an LF that follows belongs to the same line end.
    void skipLineFeed()
    {
        if (pos_ < end_) {
            if (buffer_[pos_] == '\n')
                ++pos_;
        } else {
            afterCr_ = true;
        }
    }

    Source source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    std::size_t read_ = 0; // bytes taken from the file so far
    std::size_t limit_ = SIZE_MAX;
    bool ended_ = false;
    bool failed_ = false;
    bool delimited_ = false;
    bool afterCr_ = false; // a CR ended the last block: an LF that opens the next belongs to it

    // The item last read: a view into the block when it lies there whole,
    // otherwise into what was kept of it.
    std::string_view text_;
    std::string kept_;
    std::size_t keep_ = 0;
    bool dropBlanks_ = false;
};

} // namespace ravelin
