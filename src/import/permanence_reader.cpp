// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/permanence_reader.h"

#include "text/number_reading.h"
#include "text/windows1252.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace ravelin {

namespace {

constexpr std::string_view casinoMark = "Spielbank";

// A header item in UTF-8; a quoted item may hold line ends, which a caption
// writes as a carriage return alone.
std::string headerLine(std::string_view bytes)
{
    const std::string decoded = windows1252ToUtf8(bytes);
    std::string line;
    line.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const char c = decoded[i];
        if (c == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n')
            continue;
        line += c == '\n' ? '\r' : c;
    }
    return line;
}

// The spins as they are read, in blocks of a fixed size: growing never copies
// what is held, and the list in the end is sized exactly once.
class SpinBlocks {
public:
    void push(double value)
    {
        if (free_ == 0) {
            blocks_.push_back(std::make_unique<double[]>(blockSize));
            free_ = blockSize;
        }
        blocks_.back()[blockSize - free_--] = value;
    }

    std::vector<double> take(std::size_t roomBefore, std::size_t roomAfter)
    {
        const std::size_t count = blocks_.size() * blockSize - free_;
        std::vector<double> all;
        all.reserve(roomBefore + count + roomAfter);
        all.resize(roomBefore, 0);
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            const double* block = blocks_[i].get();
            const std::size_t n = i + 1 < blocks_.size() ? blockSize : blockSize - free_;
            all.insert(all.end(), block, block + n);
            blocks_[i].reset();
        }
        return all;
    }

private:
    static constexpr std::size_t blockSize = 8192;
    std::vector<std::unique_ptr<double[]>> blocks_;
    std::size_t free_ = 0;
};

} // namespace

std::optional<Permanence> readPermanence(const PermanenceItems::Source& source, Room room)
{
    PermanenceItems items(source);

    items.limitTo(firstItemWindow);
    if (items.atEnd())
        return std::nullopt;
    items.next(headerItemKept, false);
    if (!items.delimited() || !items.text().starts_with(casinoMark))
        return std::nullopt;
    items.lift();

    Permanence permanence;
    permanence.headerLines[0] = headerLine(items.text());
    for (std::size_t i = 1; i < 3; ++i) {
        if (items.atEnd())
            return std::nullopt;
        items.next(headerItemKept, false);
        permanence.headerLines[i] = headerLine(items.text());
    }
    // The fourth header item is read past, unseen.
    if (items.atEnd())
        return std::nullopt;
    items.next(0, false);

    SpinBlocks spins;
    while (!items.atEnd()) {
        const std::optional<char> first = items.next(spinItemKept, true);
        if (first == '-')
            continue;
        if (first == '=')
            break;
        spins.push(readNumber(items.text()));
    }
    if (items.failed())
        return std::nullopt;
    permanence.spins = spins.take(room.before, room.after);
    return permanence;
}

std::optional<Permanence> readPermanence(std::string_view bytes, Room room)
{
    std::size_t pos = 0;
    return readPermanence(
        [&](char* buffer, std::size_t size) -> std::optional<std::size_t> {
            const std::size_t n = std::min(size, bytes.size() - pos);
            std::memcpy(buffer, bytes.data() + pos, n);
            pos += n;
            return n;
        },
        room);
}

} // namespace ravelin
